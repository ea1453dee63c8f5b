#include "app/core/reply_tree.h"

#include <algorithm>

#include "app/core/reply_hotkeys.h"
#include "app/core/text_case.h"
#include "app/core/text_order.h"
#include "library/hotkey_text.h"
#include "library/hotkey_value.h"

namespace tq::app {

std::string ReplyNodeText(const library::ReplyRecord& record, bool show_hotkey) {
  if (!show_hotkey || library::HotKeyBits(static_cast<uint32_t>(record.HotKey)) == 0) return record.Description;
  std::string key = library::HotKeyText(static_cast<uint32_t>(record.HotKey));
  // A key the keyboard layout cannot name would leave an empty " ()".
  if (key.empty()) return record.Description;
  return record.Description + " (" + key + ")";
}
namespace {

// Sorts items by key(item) under compare, keeping the order of equals.
template <typename T, typename Key>
void StableSortBy(std::vector<T>* items, Key key, const NodeTextCompare& compare) {
  std::stable_sort(items->begin(), items->end(), [&](const T& a, const T& b) { return compare(key(a), key(b)) < 0; });
}

// The same with precomputed sort keys, for the built-in order.
template <typename T, typename Key>
void StableSortByWindowsOrder(std::vector<T>* items, Key key) {
  std::vector<std::pair<std::string, size_t>> keys;
  keys.reserve(items->size());
  for (size_t i = 0; i < items->size(); ++i) keys.emplace_back(WindowsTextSortKey(key((*items)[i])), i);
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<T> sorted;
  sorted.reserve(items->size());
  for (auto& k : keys) sorted.push_back(std::move((*items)[k.second]));
  *items = std::move(sorted);
}

}  // namespace

size_t ReplyTree::reply_count() const {
  size_t n = 0;
  for (const auto& c : categories_) n += c.replies.size();
  return n;
}

namespace {

// The node of a reply that holds held_hotkey (0: none).
ReplyNode NodeOf(const library::ReplyRecord& record, int index, bool show_hotkey, uint32_t held_hotkey) {
  library::ReplyRecord shown{record.Category, record.Description, {}, static_cast<int32_t>(held_hotkey)};
  return {ReplyNodeText(shown, show_hotkey), index, held_hotkey};
}

}  // namespace

ReplyPlace ReplyTree::AddReplyNode(const library::ReplyRecord& record, int index, bool show_hotkey,
                                   uint32_t held_hotkey) {
  auto it = std::find_if(categories_.begin(), categories_.end(),
                         [&](const CategoryNode& c) { return c.text == record.Category; });
  if (it == categories_.end()) it = categories_.insert(categories_.end(), CategoryNode{record.Category, {}});
  it->replies.push_back(NodeOf(record, index, show_hotkey, held_hotkey));
  return {static_cast<int>(it - categories_.begin()), static_cast<int>(it->replies.size()) - 1};
}

void ReplyTree::SetReplyNode(ReplyPlace place, const library::ReplyRecord& record, bool show_hotkey,
                             uint32_t held_hotkey) {
  ReplyNode& node = categories_[place.category].replies[place.reply];
  node = NodeOf(record, node.index, show_hotkey, held_hotkey);
}

void ReplyTree::DeleteReplyNode(ReplyPlace place) {
  auto& replies = categories_[place.category].replies;
  replies.erase(replies.begin() + place.reply);
}

std::optional<ReplyPlace> ReplyTree::FindReply(int index) const {
  for (size_t c = 0; c < categories_.size(); ++c)
    for (size_t r = 0; r < categories_[c].replies.size(); ++r)
      if (categories_[c].replies[r].index == index) return ReplyPlace{static_cast<int>(c), static_cast<int>(r)};
  return std::nullopt;
}

std::vector<int> ReplyTree::ShiftReplyIndexes(int first, int delta, std::optional<ReplyPlace> skip) {
  std::vector<int> shifted;
  for (size_t c = 0; c < categories_.size(); ++c)
    for (size_t r = 0; r < categories_[c].replies.size(); ++r) {
      if (skip && *skip == ReplyPlace{static_cast<int>(c), static_cast<int>(r)}) continue;
      ReplyNode& node = categories_[c].replies[r];
      if (node.index < first) continue;
      shifted.push_back(node.index);
      node.index += delta;
    }
  return shifted;
}

void ReplyTree::Sort() {
  StableSortByWindowsOrder(&categories_, [](const CategoryNode& c) -> const std::string& { return c.text; });
  for (auto& c : categories_)
    StableSortByWindowsOrder(&c.replies, [](const ReplyNode& r) -> const std::string& { return r.text; });
}

void ReplyTree::Sort(const NodeTextCompare& compare) {
  StableSortBy(
      &categories_, [](const CategoryNode& c) -> const std::string& { return c.text; }, compare);
  for (auto& c : categories_)
    StableSortBy(
        &c.replies, [](const ReplyNode& r) -> const std::string& { return r.text; }, compare);
}

std::vector<int> ReplyTree::ReplyHotKeyIds() const {
  std::vector<int> ids;
  for (const auto& c : categories_)
    for (const auto& r : c.replies) ids.push_back(ReplyHotKeyId(r.index));
  return ids;
}

ReplyTree BuildReplyTree(const std::vector<library::ReplyRecord>& records, bool show_hotkey_in_tree,
                         const HotKeyRegistrar& registrar, std::vector<HotKeyHolder> held) {
  ReplyTree tree;
  // Category names seen so far, matched without regard to letter case; the
  // node keeps the first record's spelling.
  std::vector<std::string> seen;
  for (size_t i = 0; i < records.size(); ++i) {
    const int index = static_cast<int>(i);
    const library::ReplyRecord& source = records[i];
    // The node needs no reply text.
    library::ReplyRecord record{source.Category, source.Description, {}, source.HotKey};
    auto it = std::find_if(seen.begin(), seen.end(),
                           [&](const std::string& name) { return SameTextIgnoringCase(name, record.Category); });
    if (it == seen.end())
      seen.push_back(record.Category);
    else
      record.Category = *it;
    const uint32_t holds =
        RegisterReplyHotKey(registrar, static_cast<uint32_t>(record.HotKey), record.Description, index, held);
    if (holds != 0) held.push_back({holds, ReplyHotKeyName(record.Description)});
    tree.AddReplyNode(record, index, show_hotkey_in_tree, holds);
  }
  tree.Sort();
  return tree;
}

std::vector<HotKeyHolder> ReplyHotKeyHolders(const ReplyTree& tree, const std::vector<library::ReplyRecord>& records,
                                             int except_index) {
  std::vector<HotKeyHolder> holders;
  for (const CategoryNode& category : tree.categories())
    for (const ReplyNode& reply : category.replies) {
      if (reply.hotkey == 0 || reply.index == except_index) continue;
      const bool known = reply.index >= 0 && reply.index < static_cast<int>(records.size());
      holders.push_back({reply.hotkey, ReplyHotKeyName(known ? records[reply.index].Description : std::string())});
    }
  return holders;
}

}  // namespace tq::app
