#include "app/core/reply_search.h"

#include <algorithm>
#include <array>

#include "app/core/hotkey_text.h"
#include "app/core/rtf_plain_text.h"
#include "app/core/text_case.h"

namespace tq::app {
namespace {

std::string FirstLine(const std::string& text) {
  const size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return {};
  const size_t end = text.find_first_of("\r\n", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool ContainsAll(const std::string& field, const std::vector<std::string>& words) {
  for (const std::string& w : words)
    if (field.find(w) == std::string::npos) return false;
  return true;
}

// Whether a new query can only match what the old one matched: each old word
// is part of a new word at the same place, and no old word was dropped.
bool Narrows(const std::vector<std::string>& older, const std::vector<std::string>& newer) {
  if (older.empty() || older.size() > newer.size()) return false;
  for (size_t i = 0; i < older.size(); ++i)
    if (newer[i].find(older[i]) == std::string::npos) return false;
  return true;
}

}  // namespace

std::vector<std::string> QueryWords(std::string_view query) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < query.size()) {
    while (i < query.size() && (query[i] == ' ' || query[i] == '\t')) ++i;
    const size_t start = i;
    while (i < query.size() && query[i] != ' ' && query[i] != '\t') ++i;
    if (i > start) words.push_back(LowerCase1252(query.substr(start, i - start)));
  }
  return words;
}

ReplySearch::ReplySearch(const ReplyTree& tree, const std::vector<ReplyRecord>& records) {
  for (const CategoryNode& category : tree.categories()) {
    for (const ReplyNode& node : category.replies) {
      if (node.index < 0 || node.index >= static_cast<int>(records.size())) continue;
      const ReplyRecord& r = records[node.index];
      const std::string text = ReplyPlainText(r.Response);
      entries_.push_back({node.index, r.Category, r.Description, FirstLine(text),
                          r.HotKey != 0 ? HotKeyText(static_cast<uint32_t>(r.HotKey)) : std::string()});
      folded_.push_back({LowerCase1252(r.Category), LowerCase1252(r.Description), LowerCase1252(text)});
    }
  }
}

std::vector<size_t> ReplySearch::Find(std::string_view query) {
  std::vector<std::string> words = QueryWords(query);
  std::vector<size_t> candidates;
  if (haveLast_ && Narrows(lastWords_, words)) {
    candidates = lastMatches_;
  } else {
    candidates.resize(entries_.size());
    for (size_t i = 0; i < candidates.size(); ++i) candidates[i] = i;
  }

  // Four ranks, each kept in tree order; candidates arrive in tree order.
  std::array<std::vector<size_t>, 4> ranked;
  std::string joined;
  for (const std::string& w : words) joined += (joined.empty() ? "" : " ") + w;
  for (size_t i : candidates) {
    const Folded& f = folded_[i];
    bool all = true;
    for (const std::string& w : words) {
      if (f.description.find(w) == std::string::npos && f.category.find(w) == std::string::npos &&
          f.text.find(w) == std::string::npos) {
        all = false;
        break;
      }
    }
    if (!all) continue;
    if (words.empty() || f.description.starts_with(joined)) {
      ranked[0].push_back(i);
    } else if (ContainsAll(f.description, words)) {
      ranked[1].push_back(i);
    } else if (ContainsAll(f.category + " " + f.description, words)) {
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
  lastWords_ = std::move(words);
  haveLast_ = true;
  return matches;
}

}  // namespace tq::app
