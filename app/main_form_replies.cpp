// TMainForm's reply commands (Add, Edit, Delete, Refresh), the configuration
// dialog, and the tree view shown from the tree model.
#include <exception>
#include <set>
#include <string>

#include "app/core/config_values.h"
#include "app/core/reply_hotkeys.h"
#include "app/core/start_with_windows.h"
#include "app/dialogs/config_form.h"
#include "app/dialogs/reply_prop_form.h"
#include "app/main_form.h"
#include "app/main_form_dialog_scope.h"
#include "library/reply_library.h"
#include "platform/system_info.h"
#include "ui/message_box.h"

namespace tq::app {
namespace {

// Points at the reply dialog while it is shown.
class ShownDialog {
 public:
  ShownDialog(TReplyPropForm*& slot, TReplyPropForm& dialog) : slot_(slot) { slot_ = &dialog; }
  ~ShownDialog() { slot_ = nullptr; }
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

 private:
  TReplyPropForm*& slot_;
};

}  // namespace

std::vector<std::string> TMainForm::CategoryTexts() const {
  std::vector<std::string> texts;
  for (const CategoryNode& category : tree_.categories()) texts.push_back(category.text);
  return texts;
}

int TMainForm::SelectedReplyIndex() const {
  HTREEITEM selected = ReplyTree.Selected();
  const LPARAM data = selected ? ReplyTree.ItemData(selected) : kNoReplyIndex;
  return data >= 0 ? static_cast<int>(data) : -1;
}

void TMainForm::FillReplyTreeView(const TreeSelection& selection, const std::set<std::string>& expanded) {
  fillingTree_ = true;
  SendMessageW(ReplyTree.Handle(), WM_SETREDRAW, FALSE, 0);
  ReplyTree.Clear();
  HTREEITEM root = ReplyTree.AddItem(nullptr, kReplyTreeRootText, kNoReplyIndex);
  ReplyTree.SetItemImages(root, kCategoryImage, kOpenCategoryImage);
  HTREEITEM select = selection.root ? root : nullptr;
  for (const CategoryNode& category : tree_.categories()) {
    HTREEITEM node = ReplyTree.AddItem(root, category.text, kNoReplyIndex);
    ReplyTree.SetItemImages(node, kCategoryImage, kOpenCategoryImage);
    if (selection.category && *selection.category == category.text) select = node;
    for (const ReplyNode& reply : category.replies) {
      HTREEITEM leaf = ReplyTree.AddItem(node, reply.text, reply.index);
      ReplyTree.SetItemImages(leaf, kReplyImage, kReplyImage);
      if (selection.reply && *selection.reply == reply.index) select = leaf;
    }
    if (expanded.contains(category.text)) ReplyTree.Expand(node);
  }
  ReplyTree.Expand(root);
  // Selecting scrolls the node into view and opens its category.
  if (select) ReplyTree.Select(select);
  SendMessageW(ReplyTree.Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(ReplyTree.Handle(), nullptr, TRUE);
  fillingTree_ = false;
}

std::set<std::string> TMainForm::ExpandedCategories() const {
  std::set<std::string> expanded;
  HTREEITEM root = ReplyTree.FirstRoot();
  if (!root) return expanded;
  for (HTREEITEM node = ReplyTree.FirstChild(root); node; node = ReplyTree.NextSibling(node))
    if (ReplyTree.Expanded(node)) expanded.insert(ReplyTree.ItemText(node));
  return expanded;
}

void TMainForm::ShowChangedTree(int selectReply) {
  const std::set<std::string> expanded = ExpandedCategories();
  tree_.Sort();
  TreeSelection selection;
  selection.reply = selectReply;
  FillReplyTreeView(selection, expanded);
  // The reply just written shows selected, and the keyboard goes on there.
  ReplyTree.SetFocus();
  ShowSelectedReply();
  FreeReplyMenu();
}

void TMainForm::MoveShiftedHotKeys(const std::vector<int>& oldIndexes, int delta) {
  if (oldIndexes.empty()) return;
  // Only a hotkey a reply held moves with it: one that lost a clash stays
  // lost until the next rebuild instead of taking the key from its holder.
  std::vector<std::string> refusals;
  HotKeyRegistrar collecting = Registrar();
  collecting.show_error = [&refusals](const std::string& message) { refusals.push_back(message); };
  MoveReplyHotKeys(
      oldIndexes, delta, [this](int id) { UnregisterHotKey(Handle(), id); }, collecting,
      [this](int index) {
        const auto place = tree_.FindReply(index);
        return place ? static_cast<int32_t>(tree_.reply(*place).hotkey) : 0;
      });
  ShowHotKeyRefusals(hotKeyRefusals_.NotYetSaid(refusals));
}

std::vector<HotKeyHolder> TMainForm::HeldHotKeys(int except_index) {
  std::vector<library::ReplyRecord> records;
  try {
    records = library::ReadReplies(table_);
  } catch (const std::exception&) {
    // The replies holding keys go unnamed.
  }
  std::vector<HotKeyHolder> held = fixedHotKeys_;
  for (HotKeyHolder& reply : ReplyHotKeyHolders(tree_, records, except_index)) held.push_back(std::move(reply));
  return held;
}

uint32_t TMainForm::RegisterSavedReplyHotKey(const library::ReplyRecord& record, int index) {
  HotKeyRegistrar telling = Registrar();
  telling.show_error = [this](const std::string& message) {
    hotKeyRefusals_.Said(message);
    ui::ShowErrorBox(Handle(), message);
  };
  return RegisterReplyHotKey(telling, static_cast<uint32_t>(record.HotKey), record.Description, index,
                             HeldHotKeys(index));
}

bool TMainForm::LibraryUnchanged(HWND owner, const std::string& advice) {
  const std::string changed = library::LibraryChangedText(table_);
  if (changed.empty()) return true;
  ui::ShowErrorBox(owner, advice.empty() ? changed : changed + "\n\n" + advice);
  return false;
}

void TMainForm::ShowChangeFailure(const std::exception& failure, const std::string& otherwise) {
  const std::string changed = library::LibraryChangedText(failure);
  ui::ShowErrorBox(Handle(), changed.empty() ? otherwise : changed);
}

namespace {

// Said over the reply dialog when its library went away while it was open.
constexpr const char* kReplyKeptAdvice =
    "Your reply is still in the Reply Properties window: copy what you want to keep, then press Cancel.";

}  // namespace

void TMainForm::AddMIClick() {
  if (!LibraryWritable() || DialogBusy) return;
  // Said before the user writes anything that could not be stored.
  if (!LibraryUnchanged(Handle())) return;
  DialogScope busy(*this);
  bool posted = false;
  try {
    const std::vector<HotKeyHolder> held = HeldHotKeys(-1);
    table_.Insert();
    TReplyPropForm dialog(table_, {.owner = Handle(),
                                   .categories = CategoryTexts(),
                                   .saveWithFormatting = settings_.SaveFormat,
                                   .liveSpelling = settings_.LiveSpelling,
                                   .spellingPlaces = spellingPlaces_,
                                   .hotKeyHolders = held,
                                   .canSave = [this](HWND d) { return LibraryUnchanged(d, kReplyKeptAdvice); }});
    ShownDialog shown(replyDialog_, dialog);
    if (dialog.ShowModal() != ui::mrOk) {
      table_.Cancel();
      return;
    }
    table_.Post();
    posted = true;
    const library::ReplyRecord record = library::CurrentReply(table_);
    const int p = library::CurrentReplyIndex(table_);
    const ReplyPlace place = tree_.AddReplyNode(record, p, settings_.ShowHotkeyInTree, 0);
    MoveShiftedHotKeys(tree_.ShiftReplyIndexes(p, +1, place), +1);
    tree_.SetReplyNode(place, record, settings_.ShowHotkeyInTree, RegisterSavedReplyHotKey(record, p));
    ShowChangedTree(p);
  } catch (const std::exception& e) {
    if (table_.State() == storage::dsInsert) table_.Cancel();
    // A reply the user wrote and that could not be stored is not dropped
    // without a word.
    if (!posted) ShowChangeFailure(e, std::string("The reply could not be saved: ") + e.what());
    RebuildReplyTree();
    ShowSelectedReply();
  }
}

void TMainForm::EditMIClick() {
  const int n = SelectedReplyIndex();
  if (n < 0 || !LibraryWritable() || DialogBusy) return;
  if (!LibraryUnchanged(Handle())) return;
  ShowSelectedReply();
  DialogScope busy(*this);
  try {
    const std::vector<HotKeyHolder> held = HeldHotKeys(n);
    const std::string oldCategory = library::GoToReply(table_, n).Category;
    table_.Edit();
    TReplyPropForm dialog(table_, {.owner = Handle(),
                                   .categories = CategoryTexts(),
                                   .saveWithFormatting = CurrentIsFormatted,
                                   .liveSpelling = settings_.LiveSpelling,
                                   .spellingPlaces = spellingPlaces_,
                                   .hotKeyHolders = held,
                                   .canSave = [this](HWND d) { return LibraryUnchanged(d, kReplyKeptAdvice); }});
    ShownDialog shown(replyDialog_, dialog);
    if (dialog.ShowModal() != ui::mrOk) {
      table_.Cancel();
      return;
    }
    table_.Post();
    UnregisterHotKey(Handle(), ReplyHotKeyId(n));
    const library::ReplyRecord record = library::CurrentReply(table_);
    const uint32_t holds = RegisterSavedReplyHotKey(record, n);
    if (const auto place = tree_.FindReply(n)) {
      if (record.Category == oldCategory) {
        tree_.SetReplyNode(*place, record, settings_.ShowHotkeyInTree, holds);
      } else {
        tree_.DeleteReplyNode(*place);
        tree_.AddReplyNode(record, n, settings_.ShowHotkeyInTree, holds);
      }
    }
    ShowChangedTree(n);
  } catch (const std::exception& e) {
    ShowChangeFailure(e, "EXCEPTION: Edit Node");
    // An edit that could not be stored must not hold the table in edit mode.
    if (table_.State() == storage::dsEdit) table_.Cancel();
  }
}

void TMainForm::DeleteMIClick() {
  const int n = SelectedReplyIndex();
  if (n < 0 || !LibraryWritable() || DialogBusy) return;
  // A hand-over arriving while the question is up opens its library only
  // after the delete: "Yes" means record n of this library.
  DialogScope busy(*this, DialogScope::Tray::Keep);
  if (!LibraryUnchanged(Handle())) return;
  // The question names the reply, so that a slip of the selection shows.
  std::string question = "Delete selected reply?";
  try {
    const std::string description = library::GoToReply(table_, n).Description;
    if (!description.empty()) question += "\n\n" + description;
  } catch (const std::exception&) {
    // The question goes without the name; the delete below reports the failure.
  }
  if (!ui::ConfirmBox(Handle(), question)) return;
  try {
    library::GoToReply(table_, n);
    table_.Delete();
  } catch (const std::exception& e) {
    ShowChangeFailure(e, e.what());
    return;
  }
  UnregisterHotKey(Handle(), ReplyHotKeyId(n));
  const TreeSelection next = SelectionAfterDelete(tree_, n);
  if (const auto place = tree_.FindReply(n)) tree_.DeleteReplyNode(*place);
  try {
    MoveShiftedHotKeys(tree_.ShiftReplyIndexes(n + 1, -1), -1);
  } catch (const std::exception&) {
    // The table could not be read again: Refresh sets everything right.
  }
  FillReplyTreeView(next, ExpandedCategories());
  ShowSelectedReply();
  FreeReplyMenu();
}

void TMainForm::RefreshMIClick() {
  FreeReplyMenu();
  RebuildReplyTree();
  ShowSelectedReply();
}

void TMainForm::OptionsMIClick() {
  if (DialogBusy) return;
  DialogScope busy(*this);
  UnregisterHotKey(Handle(), kMainHotKeyId);
  UnregisterHotKey(Handle(), kMenuHotKeyId);
  UnregisterHotKey(Handle(), kSearchHotKeyId);
  fixedHotKeys_.clear();
  try {
    ConfigValues shown = ConfigValuesOf(settings_);
    shown.StartWithWindows = StartsWithWindows(keys_, platform::ProgramPath());
    TConfigForm dialog(Handle(), shown);
    if (dialog.ShowModal() == ui::mrOk) {
      const ConfigValues v = dialog.Values();
      if (ApplyConfigValues(v, settings_)) {
        FreeReplyMenu();
        if (LibraryOpen()) {
          RebuildReplyTree();
          ShowSelectedReply();
        }
      }
      SaveAllSettings();
      if (v.StartWithWindows != shown.StartWithWindows) {
        SetStartWithWindows(keys_, platform::ProgramPath(), v.StartWithWindows);
      }
    }
  } catch (const std::exception&) {
    // The hotkeys are registered again below whatever happened.
  }
  RegisterFixedHotKeys();
}

}  // namespace tq::app
