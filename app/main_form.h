// TMainForm: the program's main window, owned by the hidden application
// window. It holds the open library file and its reply tree, the preview,
// the first-use panel, the tray icon, the global hotkeys and the paste into
// the application the user was typing in.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/core/clipboard_restore.h"
#include "app/core/command_states.h"
#include "app/core/history_list.h"
#include "app/core/hotkey_holders.h"
#include "app/core/insertion_rules.h"
#include "app/core/paste_keys.h"
#include "app/core/reply_tree.h"
#include "app/core/said_once.h"
#include "app/core/settings.h"
#include "app/core/spelling_places.h"
#include "app/core/tree_selection.h"
#include "app/reopen_menu.h"
#include "app/search_form.h"
#include "app/tree_images.h"
#include "platform/key_store.h"
#include "storage/binary_data_set.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/clipboard_keeper.h"
#include "ui/dpi.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/form_enhance.h"
#include "ui/hints.h"
#include "ui/label.h"
#include "ui/link_label.h"
#include "ui/menu.h"
#include "ui/menu_item_tip.h"
#include "ui/panel.h"
#include "ui/rich_edit.h"
#include "ui/splitter.h"
#include "ui/timer.h"
#include "ui/tree_view.h"

namespace tq::app {

class TReplyPropForm;

// One line for a debugger, the benchmark and the tests: "Tavrin Quillet: "
// and `what`, ASCII text.
void DebugLine(const std::string& what);

class TMainForm : public ui::Form {
 public:
  // Creates the window and runs FormCreate; `argument` is the first
  // command-line argument, if any.
  TMainForm(ui::Application& application, platform::KeyStore& keys, std::optional<std::string> argument);
  ~TMainForm() override;

  // The text of the first-use panel, which names the title twice.
  static std::string FirstUseText(const std::string& title);

  bool OpenLibrary(const std::string& path);
  // No library open: the table closed, its tree and reply hotkeys gone, the
  // caption without a path.
  void CloseLibrary();

 protected:
  bool OnCreate() override;
  bool OnClose() override;
  void OnDestroy() override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnSize(int width, int height) override;

 private:
  void CreateMenus();
  void CreateFirstUsePanel();
  void CreateMainPanel();
  void FormCreate(const std::optional<std::string>& argument);
  void FormDestroy();

  // Library and tree.
  class DialogScope;
  void NewLibrary();
  void OpenMIClick();
  void RebuildReplyTree();
  void ReleaseReplyHotKeys();
  void ShowSelectedReply();
  void FillReplyTreeView(const TreeSelection& selection, const std::set<std::string>& expanded);
  std::set<std::string> ExpandedCategories() const;
  // After an edit of the tree model: sort it, show it with the reply selected.
  void ShowChangedTree(int selectReply);
  std::vector<std::string> CategoryTexts() const;
  int SelectedReplyIndex() const;  // -1 when no reply is selected

  // Reply commands and the configuration dialog.
  void AddMIClick();
  void EditMIClick();
  void DeleteMIClick();
  void RefreshMIClick();
  void OptionsMIClick();
  void CheckAllRepliesMIClick();
  void MoveShiftedHotKeys(const std::vector<int>& oldIndexes, int delta);
  // Before a change: whether the library's name still names the file that
  // was opened. When it does not, says so in an error box owned by `owner`
  // (with `advice` below) and the change must write nothing.
  bool LibraryUnchanged(HWND owner, const std::string& advice = "");
  // A change that failed: a library deleted or replaced since it was opened
  // in those words, anything else as `otherwise`.
  void ShowChangeFailure(const std::exception& failure, const std::string& otherwise);
  void SaveAllSettings();
  // What a second start asked for while a dialog was open or the start-up
  // was still running: showing the window, opening a library.
  void OpenPendingHandOver();
  void UpdateCommandStates();
  CommandStates CurrentCommandStates() const;
  // The control that takes the keyboard focus when the window is shown.
  const ui::Wnd& FocusOnShow() const;
  // Keeps both panes' buttons whole: the tree pane takes the height last
  // asked for by the splitter or the settings, as far as the window allows.
  void FitTreePane();
  int treePaneWish_ = 0;
  void LoadReplyText(const std::string& text);
  bool LibraryOpen() const { return !table_.TableName().empty() && table_.Active(); }
  // A library open for reading and writing: what Add, Edit, Delete and the
  // library's spelling check need, however they are reached.
  bool LibraryWritable() const { return LibraryOpen() && !table_.ReadOnly(); }

  // Showing and ending.
  void TPShowMIClick();
  void ExitMIClick();
  void OnCopyData(const COPYDATASTRUCT* data);
  void ShowForSecondStart();
  void HistoryListClick(const std::string& path);
  void CreateFormEnhance();

  // Hotkeys and insertion.
  HotKeyRegistrar Registrar();
  // The main window's, the menu's and the search's hotkeys, as the settings
  // say; fixedHotKeys_ then lists those held.
  void RegisterFixedHotKeys();
  // What the program's hotkeys hold, named, leaving out the reply of
  // except_index. Reading the replies moves the table's current record.
  std::vector<HotKeyHolder> HeldHotKeys(int except_index);
  // Registers the hotkey of a reply just saved; a refusal is always told.
  // The result is the hotkey the reply holds.
  uint32_t RegisterSavedReplyHotKey(const library::ReplyRecord& record, int index);
  void ShowHotKeyRefusals(const std::vector<std::string>& messages);
  void OnHotKey(int id, LPARAM keys);
  void CaptureTarget();
  void PasteIntoTarget();
  void PasteTick();
  void InsertMIClick();
  void InsertAsTextMIClick();
  void CopyMIClick();
  bool CopyPlainText();
  // Puts the preview's reply on the clipboard; false when it did not get there.
  bool CopyReply(bool formatted);
  // CopyReply for a paste: with RestoreClipboard, the user's clipboard is
  // saved first and the reply offered by delayed rendering.
  bool CopyReplyForPaste(bool formatted);
  // The key events for the target's paste method.
  std::vector<PasteKeyEvent> PasteKeysForTarget();
  void StartClipboardRestore(bool readExpected);
  void RestoreTick();
  void ShowNotPasted(std::string_view message);
  void FinishInsertion();
  void BringBackAfterPaste();
  // withFormat none: as DefaultWithFormat says.
  void InsertReply(int index, std::optional<bool> withFormat = std::nullopt);
  void RunInsertCommand(InsertCommand command);
  void ShowReplyMenu();
  void FreeReplyMenu();
  void ShowReplySearch();

  ui::Application& application_;
  platform::KeyStore& keys_;
  storage::TBinaryDataSet table_;
  Settings settings_;
  // Where Spell.cfg and the user's dictionaries are kept; chosen at start.
  SpellingPlaces spellingPlaces_;
  app::ReplyTree tree_;

  bool CloseAllowed = false;
  bool DialogBusy = false;
  bool fillingTree_ = false;  // selection events of a refill are not the user's
  bool started_ = false;      // FormCreate has run to its end
  std::optional<std::string> pendingHandOver_;
  bool pendingShow_ = false;
  HWND TargetWindow = nullptr;
  DWORD TargetThread = 0;
  bool CurrentIsFormatted = false;
  std::string currentResponse_;  // Response of the reply in the preview
  bool restoreAfterPaste_ = false;
  std::vector<HotKeyHolder> fixedHotKeys_;
  SaidOnce hotKeyRefusals_;                // a refusal is told once per change
  TReplyPropForm* replyDialog_ = nullptr;  // while Add or Edit shows it
  std::unique_ptr<ui::Menu> ReplyMenu;
  std::unique_ptr<TReplySearchForm> replySearchForm_;
  std::shared_ptr<ReplySearch> replySearch_;  // built at the first search after a change

  ui::Menu MainMenuBar{ui::Menu::Kind::Bar};
  ui::Menu TrayPopup{ui::Menu::Kind::Popup};
  ui::Menu* ReOpenMenu = nullptr;  // the "&ReOpen" submenu, owned by the menu bar
  std::unique_ptr<ReopenMenu> reopenItems_;
  ui::MenuItemTip reopenTip_;  // a recent file's full path beside its item
  void ShowReopenPath(HMENU menu, UINT item, UINT flags);
  std::unique_ptr<THistoryList> HistoryList;
  int HomePageMI = 0, AddMI = 0, RefreshMI = 0, EditMI = 0, DeleteMI = 0, InsertMI = 0, InsertAsTextMI = 0, CopyMI = 0,
      CheckAllMI = 0;

  ui::Panel FirstUsePanel;
  ui::Label FirstUseLabel, Step1Label, Step2Label;
  ui::LinkLabel ConfigureLink, NewLink, OpenLink;

  ui::Panel MainPanel, TopPanel, TopButtons, BottomPanel, BottomButtons;
  ui::TreeView ReplyTree;
  ui::Splitter Splitter;
  ui::RichEdit InsertRichEdit;
  ui::Edit ExportMemo;
  ui::Button AddBtn, EditBtn, DeleteBtn, RefreshBtn, InsertBtn, InsertAsTextBtn, CopyBtn;
  ui::Hints hints_;
  TreeImageList TreeImages{ui::ScreenDpi()};
  ui::UniqueFont previewFont_;

  // Placement under "WS", the tray icon with its menu; made with the window.
  std::unique_ptr<ui::TFormEnhance> FormEnhance;
  PasteKeys paste_;
  HWND pasteTarget_ = nullptr;        // the control the running paste is for
  DWORD pasteClipboardSequence_ = 0;  // the clipboard's sequence number once the reply was on it
  LARGE_INTEGER hotKeyAt_{};          // when the hotkey of the running paste arrived
  ui::Timer pasteTimer_;
  // RestoreClipboard: the user's clipboard from before the paste, the
  // keeper offering the reply, and the wait for the target to read it.
  std::optional<ui::ClipboardContents> savedClipboard_;
  ui::ClipboardKeeper clipboardKeeper_;
  ClipboardWatch restoreWatch_;
  DWORD restoreSequence_ = 0;        // the sequence number the reply's offer left
  bool pasteReadsClipboard_ = true;  // false when the running paste types the text
  ui::Timer restoreTimer_;
  ui::Timer bringBackTimer_;  // brings a kept main window back after a paste
  ui::Timer trayClickTimer_;  // tells a single click on the tray icon from a double one
};

}  // namespace tq::app
