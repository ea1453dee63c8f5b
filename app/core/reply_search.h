// Finding a reply by typing: the replies of the library with their texts
// prepared once, and the query that filters and ranks them at each keystroke.
//
// Every word of the query must occur, ignoring letter case, in the category,
// the description or the plain text of a reply. Matches rank by where the
// words are found: the description starts with the query, then the
// description holds every word, then category and description together hold
// them, then the text is needed; equal ranks keep tree order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/reply_tree.h"
#include "library/reply_record.h"

namespace tq::app {

struct SearchEntry {
  int index = 0;  // reply index (record position)
  std::string category;
  std::string description;
  std::string firstLine;   // of the plain text, for the list
  std::string hotKeyText;  // empty when none
};

class ReplySearch {
 public:
  ReplySearch() = default;
  // records[i] is reply index i; entries follow the tree's order.
  ReplySearch(const ReplyTree& tree, const std::vector<library::ReplyRecord>& records);

  size_t size() const { return entries_.size(); }
  const SearchEntry& entry(size_t position) const { return entries_[position]; }

  // Positions (into entry()) of the matches, best first. A query of blanks
  // lists every reply in tree order.
  std::vector<size_t> Find(std::string_view query);

 private:
  // Which byte pairs a text holds, as bits of a small hash table: a word
  // with a pair the text lacks cannot be in it, so most texts that do not
  // hold a word are passed over without reading them.
  struct PairSet {
    std::array<uint64_t, 16> bits{};
    void Add(unsigned char a, unsigned char b);
    bool Has(unsigned char a, unsigned char b) const;
  };
  struct Folded {  // lower-case copies searched by Find
    std::string category, description, text;
    PairSet pairs;  // of text
  };
  std::vector<SearchEntry> entries_;
  std::vector<Folded> folded_;
  // The last query and its matches: typing on narrows them instead of
  // searching everything again.
  std::vector<std::string> lastWords_;
  std::vector<size_t> lastMatches_;
  bool haveLast_ = false;
  // The last few queries with their ranked matches, for erasing.
  struct Recent {
    std::vector<std::string> words;
    std::vector<size_t> ranked;
  };
  static constexpr size_t kRecentQueries = 64;
  std::vector<Recent> recent_;
};

// The query's words, lower-cased; blanks and tabs separate them.
std::vector<std::string> QueryWords(std::string_view query);

}  // namespace tq::app
