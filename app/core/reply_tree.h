// The reply tree as data: the root "Categories", one node per category below
// it, and below each category its replies, each carrying its reply index
// (the record's 0-based position in table order; its hotkey id is 6426 +
// index). The Win32 tree view is filled from it and changed along with it.
//
// Tree order, as the view scans it, is root, then each category followed by
// its replies. Nothing here sorts unless asked: BuildReplyTree sorts, while
// AddReplyNode and the other edits leave that to their caller.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/hotkey_holders.h"
#include "app/core/hotkey_registration.h"
#include "library/reply_record.h"

namespace tq::app {

// The reply's text in the tree and the popup menu: its Description, followed
// by " (" + HotKeyText + ")" when show_hotkey is on and it has a hotkey that
// has a text.
std::string ReplyNodeText(const library::ReplyRecord& record, bool show_hotkey);

inline constexpr std::string_view kReplyTreeRootText = "Categories";
// Node data of the root and of categories.
inline constexpr int kNoReplyIndex = -1;
// Images of TreeImageList: closed category (also the root), opened
// (selected) category, reply (selected or not).
inline constexpr int kCategoryImage = 0;
inline constexpr int kOpenCategoryImage = 1;
inline constexpr int kReplyImage = 2;

struct ReplyNode {
  std::string text;     // ReplyNodeText of the record, showing only a hotkey it holds
  int index = 0;        // node data: the reply index
  uint32_t hotkey = 0;  // the hotkey the reply holds (registered under its id), 0 for none
};

struct CategoryNode {
  std::string text;
  std::vector<ReplyNode> replies;
};

// Where a reply node is: category position under the root, reply position
// under that category.
struct ReplyPlace {
  int category = 0;
  int reply = 0;
  bool operator==(const ReplyPlace&) const = default;
};

// Compares two node texts as lstrcmpA does; the Win32 side may pass lstrcmpA.
using NodeTextCompare = std::function<int(std::string_view, std::string_view)>;

class ReplyTree {
 public:
  // Under the root, in tree order.
  const std::vector<CategoryNode>& categories() const { return categories_; }
  const ReplyNode& reply(ReplyPlace place) const { return categories_[place.category].replies[place.reply]; }
  size_t reply_count() const;

  // Files a reply under the first category in tree order whose text equals
  // record.Category exactly (same characters, same case), or under a new
  // category appended after the others; the reply node goes after its
  // siblings. So a category differing from an existing one only in letter
  // case gets a node of its own until the next rebuild. held_hotkey is the
  // hotkey the reply holds: its own when registered, otherwise 0; the node's
  // text shows no other.
  ReplyPlace AddReplyNode(const library::ReplyRecord& record, int index, bool show_hotkey, uint32_t held_hotkey);

  // A reply node after an edit in place: its text and the hotkey it holds.
  void SetReplyNode(ReplyPlace place, const library::ReplyRecord& record, bool show_hotkey, uint32_t held_hotkey);
  // Removes a reply node; its category stays, even when left empty.
  void DeleteReplyNode(ReplyPlace place);
  std::optional<ReplyPlace> FindReply(int index) const;

  // Adds delta to the index of every reply node whose index is at least
  // first, except the node at skip; returns the old indexes changed, in tree
  // order. (After an add: ShiftReplyIndexes(p, +1, new node); after a
  // delete: ShiftReplyIndexes(n + 1, -1).)
  std::vector<int> ShiftReplyIndexes(int first, int delta, std::optional<ReplyPlace> skip = std::nullopt);

  // Puts the categories, and the replies of each, in the order of their
  // texts; equal texts keep their order.
  void Sort();  // CompareWindowsText
  void Sort(const NodeTextCompare& compare);

  // The ids ReleaseReplyHotKeys unregisters: 6426 + index for every reply
  // node, in tree order.
  std::vector<int> ReplyHotKeyIds() const;

 private:
  std::vector<CategoryNode> categories_;
};

// RebuildReplyTree's model: walks the records in table order (record i has
// reply index i), merging categories whose names differ only in letter case
// into one node named as the first record spelt it, registers each non-zero
// HotKey under 6426 + index with RegisterReplyHotKey (a refusal is shown
// once per reply through the registrar, naming the reply and, among the
// hotkeys held, fixed ones those given in held, the one that has the
// combination; the build goes on), then sorts. Only a reply that holds its
// hotkey shows it. Release the old tree's ReplyHotKeyIds first. After it,
// the view expands every node and selects the root when AutoExpandTree is
// on, and otherwise shows the categories only.
ReplyTree BuildReplyTree(const std::vector<library::ReplyRecord>& records, bool show_hotkey_in_tree,
                         const HotKeyRegistrar& registrar, std::vector<HotKeyHolder> held = {});

// The hotkeys the tree's replies hold, each named after its reply (records
// by reply index), leaving out the reply of except_index.
std::vector<HotKeyHolder> ReplyHotKeyHolders(const ReplyTree& tree, const std::vector<library::ReplyRecord>& records,
                                             int except_index = -1);

}  // namespace tq::app
