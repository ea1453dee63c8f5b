#include "app/main_form.h"

#include <shellapi.h>

#include <exception>

#include "app/about/about_windows.h"
#include "app/core/app_identity.h"
#include "app/core/command_states.h"
#include "app/core/dialog_captions.h"
#include "app/core/hand_over.h"
#include "app/core/library_open_failure.h"
#include "app/core/main_layout.h"
#include "app/core/new_library_folder.h"
#include "app/core/reply_menu.h"
#include "app/reply_text_view.h"
#include "app/shell_open.h"
#include "app/single_instance.h"
#include "library/reply_library.h"
#include "platform/env.h"
#include "platform/system_info.h"
#include "platform/utf16.h"
#include "ui/dpi.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"

namespace tq::app {
namespace {

constexpr int kInitialWidth = 463;
constexpr int kInitialHeight = 427;
constexpr int kButtonColumn = kMainButtonColumnWidth;
constexpr char kLibraryFilter[] = "Ostrel Files (*.qdk)|*.qdk";

std::string Title() { return std::string(ApplicationTitle); }

// The place of the index-th button of a pane's button column.
ui::Rect ButtonBounds(int index) {
  return {kMainButtonLeft, kMainButtonTop + index * kMainButtonPitch, kMainButtonWidth, kMainButtonHeight};
}

}  // namespace

std::string TMainForm::FirstUseText(const std::string& title) {
  return "This appears to be your first time using " + title +
         ". You can now specify program options, including a hotkey to activate " + title +
         " from the system tray. Specify options below in the order shown.";
}

TMainForm::TMainForm(ui::Application& application, platform::KeyStore& keys, std::optional<std::string> argument)
    : application_(application), keys_(keys) {
  CreateMenus();
  SetMenu(&MainMenuBar);
  // A sizable tool window with only a system menu, placed by Windows. Its
  // caption is never the bare title, which names the application window
  // that a second start looks for.
  Create({.caption = Title() + " ",
          .width = kInitialWidth,
          .height = kInitialHeight,
          .style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
          .exStyle = WS_EX_TOOLWINDOW,
          .owner = application_.Handle()});
  FormCreate(argument);
}

TMainForm::~TMainForm() {
  // The window goes first, while the menu and the controls still exist.
  Destroy();
}

void TMainForm::CreateMenus() {
  ui::Menu& file = MainMenuBar.AddSubmenu(MainCaptions::FileMenu);
  file.AddItem(MainCaptions::New, [this] { NewLibrary(); });
  file.AddItem(MainCaptions::Open, [this] { OpenMIClick(); }, {'O', true});
  file.AddSeparator();
  ReOpenMenu = &file.AddSubmenu(MainCaptions::ReOpen);
  file.AddSeparator();
  file.AddItem(MainCaptions::Exit, [this] { ExitMIClick(); });

  ui::Menu& reply = MainMenuBar.AddSubmenu(MainCaptions::ReplyMenu);
  AddMI = reply.AddItem(MainCaptions::Add, [this] { AddMIClick(); });
  EditMI = reply.AddItem(MainCaptions::Edit, [this] { EditMIClick(); });
  DeleteMI = reply.AddItem(MainCaptions::Delete, [this] { DeleteMIClick(); });
  reply.AddSeparator();
  RefreshMI = reply.AddItem(MainCaptions::Refresh, [this] { RefreshMIClick(); });
  reply.AddSeparator();
  InsertMI = reply.AddItem(MainCaptions::Insert, [this] { InsertMIClick(); });
  InsertAsTextMI = reply.AddItem(MainCaptions::InsertAsText, [this] { InsertAsTextMIClick(); });
  reply.AddSeparator();
  CopyMI = reply.AddItem(MainCaptions::Copy, [this] { CopyMIClick(); });
  reply.AddSeparator();
  CheckAllMI = reply.AddItem(MainCaptions::CheckAll, [this] { CheckAllRepliesMIClick(); });

  MainMenuBar.AddItem(MainCaptions::Configure, [this] { OptionsMIClick(); });

  ui::Menu& help = MainMenuBar.AddSubmenu(MainCaptions::HelpMenu);
  help.AddItem(MainCaptions::HelpTopics, [this] { ShowHelpFile(Handle()); });
  help.AddSeparator();
  HomePageMI = help.AddItem(Title() + std::string(MainCaptions::HomePageAfterTitle),
                            [this] { OpenWebPage(Handle(), std::string(HomePage)); });
  help.AddSeparator();
  help.AddItem(MainCaptions::Support, [this] { OpenWebPage(Handle(), std::string(SupportPage)); });
  help.AddSeparator();
  help.AddItem(MainCaptions::About, [this] { ShowAbout(Handle()); });

  // The default item: a double click on the tray icon runs it.
  TrayPopup.SetDefaultItem(TrayPopup.AddItem(MainCaptions::TrayShow, [this] { TPShowMIClick(); }));
  TrayPopup.AddSeparator();
  TrayPopup.AddItem(MainCaptions::Configure, [this] { OptionsMIClick(); });
  TrayPopup.AddSeparator();
  TrayPopup.AddItem(MainCaptions::Exit, [this] { ExitMIClick(); });
}

bool TMainForm::OnCreate() {
  CreateFirstUsePanel();
  CreateMainPanel();
  return true;
}

void TMainForm::CreateFirstUsePanel() {
  FirstUsePanel.Create(*this, {0, 0, kInitialWidth, kInitialHeight});
  FirstUsePanel.SetAlign(ui::Align::Client);
  FirstUseLabel.Create(FirstUsePanel, {16, 16, 420, 60}, "");
  Step1Label.Create(FirstUsePanel, {16, 92, 60, 16}, "STEP 1:", {.wordWrap = false});
  ConfigureLink.Create(FirstUsePanel, {76, 92, 340, 16}, "Click here to set hotkeys and configuration options");
  Step2Label.Create(FirstUsePanel, {16, 132, 60, 16}, "STEP 2:", {.wordWrap = false});
  NewLink.Create(FirstUsePanel, {76, 132, 340, 16}, "Click here to create a new file");
  OpenLink.Create(FirstUsePanel, {76, 156, 340, 16}, "Click here to open an existing file");
  ConfigureLink.onClick = [this] { OptionsMIClick(); };
  NewLink.onClick = [this] { NewLibrary(); };
  OpenLink.onClick = [this] { OpenMIClick(); };
}

void TMainForm::CreateMainPanel() {
  MainPanel.Create(*this, {0, 0, kInitialWidth, kInitialHeight});
  MainPanel.SetAlign(ui::Align::Client);

  TopPanel.Create(MainPanel, {0, 0, kInitialWidth, kDefaultSplit});
  TopPanel.SetAlign(ui::Align::Top);
  // Tab goes in the order the controls are made: the tree, its buttons,
  // the preview, its buttons.
  // No expand button for the root: it always shows its categories.
  ReplyTree.Create(TopPanel, {0, 0, 200, kDefaultSplit}, {.linesAtRoot = false});
  ReplyTree.SetAlign(ui::Align::Client);
  ReplyTree.SetImageList(TreeImages.Handle());
  TopButtons.Create(TopPanel, {0, 0, kButtonColumn, kDefaultSplit});
  TopButtons.SetAlign(ui::Align::Right);
  AddBtn.Create(TopButtons, ButtonBounds(0), MainCaptions::AddBtn);
  EditBtn.Create(TopButtons, ButtonBounds(1), MainCaptions::EditBtn);
  DeleteBtn.Create(TopButtons, ButtonBounds(2), MainCaptions::DeleteBtn);
  RefreshBtn.Create(TopButtons, ButtonBounds(3), MainCaptions::RefreshBtn);

  Splitter.Create(MainPanel, TopPanel, kMainSplitterHeight);
  Splitter.minSize = MainTreePaneMinimum(Dpi());
  Splitter.onMoved = [this](int height) { treePaneWish_ = height; };

  BottomPanel.Create(MainPanel, {0, 0, kInitialWidth, 200});
  BottomPanel.SetAlign(ui::Align::Client);
  InsertRichEdit.Create(BottomPanel, {0, 0, 200, 200}, {.readOnly = true, .wordWrap = true, .vScroll = true});
  InsertRichEdit.SetAlign(ui::Align::Client);
  // The preview shows replies in Arial with a 13-pixel font.
  previewFont_.reset(CreateFontW(-ui::ScaleForDpi(13, ui::ScreenDpi()), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, L"Arial"));
  InsertRichEdit.SetFont(previewFont_.get());
  ExportMemo.Create(BottomPanel, {0, 0, 10, 10}, {.multiLine = true, .wordWrap = false});
  ExportMemo.SetVisible(false);
  BottomButtons.Create(BottomPanel, {0, 0, kButtonColumn, 200});
  BottomButtons.SetAlign(ui::Align::Right);
  InsertBtn.Create(BottomButtons, ButtonBounds(0), MainCaptions::InsertBtn);
  InsertAsTextBtn.Create(BottomButtons, ButtonBounds(1), MainCaptions::InsertAsTextBtn);
  CopyBtn.Create(BottomButtons, ButtonBounds(2), MainCaptions::CopyBtn);

  hints_.Add(*this, AddBtn, "Add Reply");
  hints_.Add(*this, EditBtn, "Reply Properties");
  hints_.Add(*this, DeleteBtn, "Delete Reply");
  hints_.Add(*this, RefreshBtn, "Refresh Treeview");
  hints_.Add(*this, InsertBtn, "Insert Reply");
  hints_.Add(*this, InsertAsTextBtn, "Insert Reply Without Formatting");
  hints_.Add(*this, CopyBtn, "Copy Reply to Clipboard");

  AddBtn.onClick = [this] { AddMIClick(); };
  EditBtn.onClick = [this] { EditMIClick(); };
  DeleteBtn.onClick = [this] { DeleteMIClick(); };
  RefreshBtn.onClick = [this] { RefreshMIClick(); };
  InsertBtn.onClick = [this] { InsertMIClick(); };
  InsertAsTextBtn.onClick = [this] { InsertAsTextMIClick(); };
  CopyBtn.onClick = [this] { CopyMIClick(); };
  ReplyTree.onSelectionChanged = [this](HTREEITEM) {
    if (!fillingTree_) ShowSelectedReply();
  };
  auto insertChosen = [this] {
    RunInsertCommand(
        TreeInsertCommand(TargetWindow != nullptr, SelectedReplyIndex() >= 0, settings_.DefaultWithFormat));
  };
  // A double click on a reply with nowhere to put it says so: Insert does.
  ReplyTree.onDoubleClick = [this, insertChosen] {
    if (!TargetWindow && SelectedReplyIndex() >= 0) {
      InsertMIClick();
      return;
    }
    insertChosen();
  };
  ReplyTree.onKeyUp = [this, insertChosen](UINT key) {
    if (key == VK_RETURN) {
      insertChosen();
    } else {
      ShowSelectedReply();
    }
  };
}

void TMainForm::FormCreate(const std::optional<std::string>& argument) {
  const std::string title = Title();
  application_.SetTitle(title);
  // One space after the title: a search for the title finds the application
  // window, never this one.
  SetText(title + " ");
  MainMenuBar.SetItemText(HomePageMI, title + std::string(MainCaptions::HomePageAfterTitle));
  FirstUseLabel.SetText(FirstUseText(title));
  ShowSplash(Handle());

  CreateFormEnhance();
  FormEnhance->LoadPlacement();
  // The recent files: up to five, under the settings key as "MRU".
  reopenItems_ = std::make_unique<ReopenMenu>(*ReOpenMenu);
  HistoryList = std::make_unique<THistoryList>(keys_, platform::Env::Default());
  HistoryList->SetMaxItems(5);
  HistoryList->SetRegKey("MRU");
  HistoryList->SetBaseMenu(reopenItems_.get());
  HistoryList->SetRegPath(std::string(SettingsKeyPath));
  HistoryList->OnClick = [this](THistoryList&, const std::string& path) { HistoryListClick(path); };
  reopenItems_->onClick = [this](int index) { HistoryList->ItemClicked(index); };

  settings_ = LoadSettings(keys_);
  spellingPlaces_ = ChooseSpellingPlaces(platform::Env::Default(), platform::ProgramFolder(),
                                         platform::SpecialFolderPath(platform::SpecialFolder::AppData));
  treePaneWish_ =
      InitialTreePaneHeight(settings_.SplitStored ? std::optional<int>(settings_.Split) : std::nullopt, Dpi());
  FitTreePane();
  if (TrayReminderDue(settings_) && !ShowTrayReminder(Handle())) {
    settings_.ShowTrayReminder = false;
    // No library is open yet: the one to open is kept as the last one.
    SaveSettings(keys_, settings_, settings_.MRUFileName, TopPanel.Bounds().height);
  }
  pasteTimer_.onTimer = [this] { PasteTick(); };
  restoreTimer_.onTimer = [this] { RestoreTick(); };
  bringBackTimer_.onTimer = [this] {
    bringBackTimer_.Stop();
    SetForegroundWindow(application_.Handle());
    SetForegroundWindow(Handle());
  };
  trayClickTimer_.onTimer = [this] {
    trayClickTimer_.Stop();
    FormEnhance->PopupAtCursor();
  };

  RegisterFixedHotKeys();

  if (argument) settings_.MRUFileName = *argument;
  if (!settings_.MRUFileName.empty()) OpenLibrary(settings_.MRUFileName);
  UpdateCommandStates();
  if (!LibraryOpen()) {
    MainPanel.SetVisible(false);
    ShowFocused(FocusOnShow());
  }
  FormEnhance->ShowIcon();
  started_ = true;
  OpenPendingHandOver();
}

void TMainForm::CreateFormEnhance() {
  FormEnhance = std::make_unique<ui::TFormEnhance>(*this, "MainForm", ui::TFormEnhance::Storage{.keys = keys_});
  FormEnhance->SaveName = std::string(SettingsKeyPath);
  FormEnhance->SaveKey = "WS";
  FormEnhance->SaveSize = true;
  FormEnhance->SetIcon(
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
  FormEnhance->SetIconHint(Title());
  FormEnhance->SetIconShowHint(true);
  FormEnhance->IconPopup = &TrayPopup;
  FormEnhance->IconEnabled = true;
  // The right button opens the menu at once. A left click opens it once the
  // double-click time is over, so that a double click shows the window (the
  // menu's default item) without a menu in the way.
  FormEnhance->OnClick = [this](ui::TFormEnhance&) { trayClickTimer_.Start(GetDoubleClickTime()); };
  FormEnhance->OnDblClick = [this](ui::TFormEnhance&) { trayClickTimer_.Stop(); };
}

void TMainForm::SaveAllSettings() {
  SaveSettings(keys_, settings_, LibraryOpen() ? table_.TableName() : std::string(), TopPanel.Bounds().height);
}

bool TMainForm::OpenLibrary(const std::string& path) {
  bool ok = false;
  try {
    library::OpenReplyTable(table_, path);
    if (HistoryList) HistoryList->AddFilename(path);
    FreeReplyMenu();
    // Every refusal of this library's hotkeys is news.
    hotKeyRefusals_.Forget();
    RebuildReplyTree();
    SetText(library::LibraryCaption(Title(), path, table_.ReadOnly()));
    ok = true;
  } catch (const std::exception& e) {
    ui::ShowErrorBox(Handle(), LibraryOpenErrorText(path, e));
    CloseLibrary();
  }
  if (ok) ShowSelectedReply();
  UpdateCommandStates();
  return ok;
}

void TMainForm::CloseLibrary() {
  table_.Close();
  table_.SetTableName("");
  ReleaseReplyHotKeys();
  tree_ = app::ReplyTree{};
  ReplyTree.Clear();
  FreeReplyMenu();
  SetText(Title() + " ");
}

void TMainForm::NewLibrary() {
  const std::string folder = NewLibraryFolder(LibraryOpen() ? table_.TableName() : std::string(),
                                              platform::SpecialFolderPath(platform::SpecialFolder::Documents));
  const std::string path =
      ui::SaveFileDialog(Handle(), {.filter = kLibraryFilter, .defaultExt = "qdk", .fileName = "", .folder = folder});
  if (path.empty()) return;
  try {
    library::CreateReplyTable(table_, path);
  } catch (const std::exception&) {
    // The open library was closed to make the new one: the window must not
    // go on showing it, its hotkeys doing nothing.
    CloseLibrary();
    UpdateCommandStates();
    ui::ShowErrorBox(Handle(), "Could not create " + path +
                                   "\n\nMake sure the filename is valid and you have the proper permissions.");
    return;
  }
  OpenLibrary(path);
}

void TMainForm::OpenMIClick() {
  const std::string path = ui::OpenFileDialog(Handle(), {.filter = kLibraryFilter, .defaultExt = "", .fileName = ""});
  if (!path.empty()) OpenLibrary(path);
}

void TMainForm::HistoryListClick(const std::string& path) {
  // File names compare without regard to case, as Windows compares them.
  auto upper = [](const std::string& s) {
    std::wstring w = platform::Wide(s);
    CharUpperBuffW(w.data(), static_cast<DWORD>(w.size()));
    return w;
  };
  if (upper(path) != upper(table_.TableName())) OpenLibrary(path);
}

void TMainForm::ShowReopenPath(HMENU menu, UINT item, UINT flags) {
  std::optional<std::string> path;
  if (ReOpenMenu && reopenItems_ && menu == ReOpenMenu->Handle() && !(flags & MF_POPUP) && flags != 0xFFFF)
    path = reopenItems_->PathOfCommand(static_cast<int>(item));
  if (!path) {
    reopenTip_.Hide();
    return;
  }
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == item) reopenTip_.Show(Handle(), menu, i, *path);
}

void TMainForm::ReleaseReplyHotKeys() {
  for (int id : tree_.ReplyHotKeyIds()) UnregisterHotKey(Handle(), id);
}

void TMainForm::RebuildReplyTree() {
  ReleaseReplyHotKeys();
  FreeReplyMenu();
  std::vector<library::ReplyRecord> records;
  try {
    records = library::ReadReplies(table_);
  } catch (const std::exception&) {
    // What was read stays; the tree shows it.
  }
  std::vector<std::string> refusals;
  HotKeyRegistrar collecting = Registrar();
  collecting.show_error = [&refusals](const std::string& message) { refusals.push_back(message); };
  tree_ = BuildReplyTree(records, settings_.ShowHotkeyInTree, collecting, fixedHotKeys_);
  std::set<std::string> expanded;
  if (settings_.AutoExpandTree)
    for (const CategoryNode& category : tree_.categories()) expanded.insert(category.text);
  TreeSelection selection;
  selection.root = settings_.AutoExpandTree;
  FillReplyTreeView(selection, expanded);
  // Told over the tree as it now is, and only what the last rebuild did not tell.
  ShowHotKeyRefusals(hotKeyRefusals_.AfterRebuild(refusals));
}

void TMainForm::ShowHotKeyRefusals(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) ui::ShowErrorBox(Handle(), message);
}

void TMainForm::LoadReplyText(const std::string& text) {
  // Up to the first zero character, as stored.
  const std::string stored = text.substr(0, text.find('\0'));
  ShowReplyText(InsertRichEdit, stored);
  currentResponse_ = stored;
}

void TMainForm::ShowSelectedReply() {
  const int index = SelectedReplyIndex();
  if (LibraryOpen() && index >= 0 && index < table_.RecordCount()) {
    try {
      LoadReplyText(library::GoToReply(table_, index).Response);
    } catch (const std::exception& e) {
      ui::ShowErrorBox(Handle(), e.what());
    }
  } else {
    InsertRichEdit.SetPlainText("");
    currentResponse_.clear();
  }
  UpdateCommandStates();
}

CommandStates TMainForm::CurrentCommandStates() const {
  return ComputeCommandStates({.library_open = LibraryOpen(),
                               .reply_selected = SelectedReplyIndex() >= 0,
                               .has_target = TargetWindow != nullptr,
                               .preview_empty = InsertRichEdit.PlainText().empty(),
                               .current_response = currentResponse_,
                               .read_only = LibraryOpen() && table_.ReadOnly()});
}

const ui::Wnd& TMainForm::FocusOnShow() const {
  if (CurrentCommandStates().focus_on_show == ShownFocus::ReplyTree) return ReplyTree;
  return ConfigureLink;
}

void TMainForm::UpdateCommandStates() {
  const CommandStates states = CurrentCommandStates();
  MainPanel.SetVisible(states.main_panel_visible);
  // The first-use panel shows through only where the main panel is hidden.
  FirstUsePanel.SetVisible(!states.main_panel_visible);
  AddBtn.SetEnabled(states.add_enabled);
  MainMenuBar.SetEnabled(AddMI, states.add_enabled);
  RefreshBtn.SetEnabled(states.refresh_enabled);
  MainMenuBar.SetEnabled(RefreshMI, states.refresh_enabled);
  EditBtn.SetEnabled(states.edit_enabled);
  DeleteBtn.SetEnabled(states.edit_enabled);
  MainMenuBar.SetEnabled(EditMI, states.edit_enabled);
  MainMenuBar.SetEnabled(DeleteMI, states.edit_enabled);
  CurrentIsFormatted = states.current_is_formatted;
  InsertBtn.SetEnabled(states.insert_enabled);
  MainMenuBar.SetEnabled(InsertMI, states.insert_enabled);
  InsertAsTextBtn.SetEnabled(states.insert_as_text_enabled);
  MainMenuBar.SetEnabled(InsertAsTextMI, states.insert_as_text_enabled);
  CopyBtn.SetEnabled(states.copy_enabled);
  MainMenuBar.SetEnabled(CopyMI, states.copy_enabled);
  MainMenuBar.SetEnabled(CheckAllMI, states.check_all_enabled);
}

void TMainForm::TPShowMIClick() {
  TargetWindow = nullptr;
  InsertBtn.SetEnabled(false);
  MainMenuBar.SetEnabled(InsertMI, false);
  InsertAsTextBtn.SetEnabled(false);
  MainMenuBar.SetEnabled(InsertAsTextMI, false);
  ShowFocused(FocusOnShow());
  SetForegroundWindow(application_.Handle());
  SetForegroundWindow(Handle());
}

void TMainForm::ExitMIClick() {
  CloseAllowed = true;
  Close();
}

void TMainForm::OpenPendingHandOver() {
  if (pendingShow_ && !HandOverWaits(HandOverRequest::Show, started_, DialogBusy)) {
    pendingShow_ = false;
    ShowForSecondStart();
  }
  if (!pendingHandOver_ || HandOverWaits(HandOverRequest::OpenLibrary, started_, DialogBusy)) return;
  const std::string path = *pendingHandOver_;
  pendingHandOver_.reset();
  OpenLibrary(path);
}

void TMainForm::OnCopyData(const COPYDATASTRUCT* data) {
  if (!data) return;
  if (std::optional<std::string> path = HandedOverPath(*data)) {
    if (HandOverWaits(HandOverRequest::OpenLibrary, started_, DialogBusy)) {
      pendingHandOver_ = *path;
    } else {
      OpenLibrary(*path);
    }
  } else if (HandOverWaits(HandOverRequest::Show, started_, DialogBusy)) {
    pendingShow_ = true;
  } else {
    ShowForSecondStart();
  }
}

void TMainForm::ShowForSecondStart() {
  SetForegroundWindow(application_.Handle());
  TPShowMIClick();
  if (IsIconic(application_.Handle())) ShowWindow(application_.Handle(), SW_RESTORE);
  if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
}

bool TMainForm::OnClose() {
  if (CloseAllowed) return true;
  // The program goes on in the tray.
  Hide();
  return false;
}

void TMainForm::FormDestroy() {
  // The placement is stored by FormEnhance as the window goes.
  SaveAllSettings();
  table_.Close();
  FreeReplyMenu();
  UnregisterHotKey(Handle(), kMainHotKeyId);
  UnregisterHotKey(Handle(), kMenuHotKeyId);
  UnregisterHotKey(Handle(), kSearchHotKeyId);
  ReleaseReplyHotKeys();
  pasteTimer_.Stop();
  restoreTimer_.Stop();
  bringBackTimer_.Stop();
  trayClickTimer_.Stop();
  if (FormEnhance) FormEnhance->HideIcon();
  if (HistoryList) HistoryList->Save();
}

void TMainForm::OnSize(int, int) { FitTreePane(); }

void TMainForm::FitTreePane() {
  if (!TopPanel || !MainPanel) return;
  ui::Rect b = TopPanel.Bounds();
  const int height =
      FitTreePaneHeight(treePaneWish_ > 0 ? treePaneWish_ : b.height, MainPanel.ClientRect().height,
                        MainTreePaneMinimum(Dpi()), MainPreviewPaneMinimum(Dpi()), Splitter.Bounds().height);
  if (height != b.height) {
    b.height = height;
    TopPanel.SetBounds(b);
  }
  // The splitter and the preview pane follow the tree pane, however its
  // height was set.
  MainPanel.Relayout();
}

void TMainForm::OnDestroy() {
  FormDestroy();
  // Closing the main window ends the program.
  ui::Application::Terminate(0);
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      // The frame and the menu bar as they are now, around the smallest
      // client area that keeps every button whole.
      const MainClientSize min = MainMinimumClient(Dpi());
      const ui::Rect outer = Bounds(), client = ClientRect();
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {outer.width - client.width + min.width, outer.height - client.height + min.height};
      return 0;
    }
    case WM_HOTKEY:
      OnHotKey(static_cast<int>(wp), lp);
      return 0;
    case WM_COPYDATA:
      OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
      return 0;
    case WM_QUERYENDSESSION:
      SaveAllSettings();
      CloseAllowed = true;
      return 1;
    case WM_ENDSESSION:
      if (wp) {
        // The process ends after this answer without WM_DESTROY: everything
        // that is otherwise kept as the window goes is kept now (the
        // placement by FormEnhance).
        SaveAllSettings();
        if (HistoryList) HistoryList->Save();
      } else {
        // The session goes on: closing the window hides it again.
        CloseAllowed = false;
      }
      return 0;
    case WM_HELP:
      ShowHelpFile(Handle(), kMainHelpContext);
      return TRUE;
    case WM_MENUSELECT:
      ShowReopenPath(reinterpret_cast<HMENU>(lp), LOWORD(wp), HIWORD(wp));
      return Form::WndProc(msg, wp, lp);
    case WM_EXITMENULOOP:
      reopenTip_.Hide();
      return Form::WndProc(msg, wp, lp);
    default:
      return Form::WndProc(msg, wp, lp);
  }
}

}  // namespace tq::app
