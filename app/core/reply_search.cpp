#include "app/core/reply_search.h"

#include <algorithm>
#include <array>
#include <functional>

#include "app/core/text_case.h"
#include "library/hotkey_text.h"
#include "library/reply_plain_text.h"

namespace tq::app {
namespace {

std::string FirstLine(const std::string& text) {
  const size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return {};
  const size_t end = text.find_first_of("\r\n", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Whether a new query can only match what the old one matched: each old word
// is part of a new word at the same place, and no old word was dropped.
bool Narrows(const std::vector<std::string>& older, const std::vector<std::string>& newer) {
  if (older.empty() || older.size() > newer.size()) return false;
  for (size_t i = 0; i < older.size(); ++i)
    if (newer[i].find(older[i]) == std::string::npos) return false;
  return true;
}

size_t PairSlot(unsigned char a, unsigned char b) { return (a * 31u + b * 7u) & 1023u; }

}  // namespace

void ReplySearch::PairSet::Add(unsigned char a, unsigned char b) {
  const size_t slot = PairSlot(a, b);
  bits[slot / 64] |= uint64_t{1} << (slot % 64);
}

bool ReplySearch::PairSet::Has(unsigned char a, unsigned char b) const {
  const size_t slot = PairSlot(a, b);
  return (bits[slot / 64] >> (slot % 64)) & 1;
}

std::vector<std::string> QueryWords(std::string_view query) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < query.size()) {
    while (i < query.size() && (query[i] == ' ' || query[i] == '\t')) ++i;
    const size_t start = i;
    while (i < query.size() && query[i] != ' ' && query[i] != '\t') ++i;
    if (i > start) words.push_back(LowerCase(query.substr(start, i - start)));
  }
  return words;
}

ReplySearch::ReplySearch(const ReplyTree& tree, const std::vector<library::ReplyRecord>& records) {
  for (const CategoryNode& category : tree.categories()) {
    for (const ReplyNode& node : category.replies) {
      if (node.index < 0 || node.index >= static_cast<int>(records.size())) continue;
      const library::ReplyRecord& r = records[node.index];
      const std::string text = library::ReplyPlainText(r.Response);
      entries_.push_back({node.index, r.Category, r.Description, FirstLine(text),
                          r.HotKey != 0 ? library::HotKeyText(static_cast<uint32_t>(r.HotKey)) : std::string()});
      Folded f{LowerCase(r.Category), LowerCase(r.Description), LowerCase(text), {}};
      for (size_t k = 0; k + 1 < f.text.size(); ++k)
        f.pairs.Add(static_cast<unsigned char>(f.text[k]), static_cast<unsigned char>(f.text[k + 1]));
      folded_.push_back(std::move(f));
    }
  }
}

std::vector<size_t> ReplySearch::Find(std::string_view query) {
  std::vector<std::string> words = QueryWords(query);
  // Erasing a letter gives back a query seen a moment ago.
  for (const Recent& r : recent_)
    if (r.words == words) return r.ranked;

  std::vector<size_t> candidates;
  if (haveLast_ && Narrows(lastWords_, words)) {
    candidates = lastMatches_;
  } else {
    candidates.resize(entries_.size());
    for (size_t i = 0; i < candidates.size(); ++i) candidates[i] = i;
  }

  // One searcher per word for the long texts; the short fields use find.
  using Searcher = std::boyer_moore_horspool_searcher<std::string::const_iterator>;
  std::vector<Searcher> searchers;
  for (const std::string& w : words) searchers.emplace_back(w.begin(), w.end());
  auto inText = [&](const Folded& f, size_t word) {
    const std::string& w = words[word];
    if (w.size() == 1) return f.text.find(w[0]) != std::string::npos;
    for (size_t k = 0; k + 1 < w.size(); ++k)
      if (!f.pairs.Has(static_cast<unsigned char>(w[k]), static_cast<unsigned char>(w[k + 1]))) return false;
    return std::search(f.text.begin(), f.text.end(), searchers[word]) != f.text.end();
  };

  // Four ranks, each kept in tree order; candidates arrive in tree order.
  std::array<std::vector<size_t>, 4> ranked;
  std::string joined;
  for (const std::string& w : words) joined += (joined.empty() ? "" : " ") + w;
  for (size_t i : candidates) {
    const Folded& f = folded_[i];
    bool allInDescription = true, allInLabels = true, all = true;
    for (size_t w = 0; w < words.size() && all; ++w) {
      if (f.description.find(words[w]) != std::string::npos) continue;
      allInDescription = false;
      if (f.category.find(words[w]) != std::string::npos) continue;
      allInLabels = false;
      all = inText(f, w);
    }
    if (!all) continue;
    if (words.empty() || f.description.starts_with(joined)) {
      ranked[0].push_back(i);
    } else if (allInDescription) {
      ranked[1].push_back(i);
    } else if (allInLabels) {
      ranked[2].push_back(i);
    } else {
      ranked[3].push_back(i);
    }
  }

  std::vector<size_t> matches;
  for (const auto& r : ranked) matches.insert(matches.end(), r.begin(), r.end());
  // What the narrowing reuses is the set in tree order, not the ranking.
  lastMatches_ = matches;
  std::sort(lastMatches_.begin(), lastMatches_.end());
  lastWords_ = words;
  haveLast_ = true;
  if (recent_.size() == kRecentQueries) recent_.erase(recent_.begin());
  recent_.push_back({std::move(words), matches});
  return matches;
}

}  // namespace tq::app
