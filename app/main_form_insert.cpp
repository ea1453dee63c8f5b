// TMainForm's global hotkeys and the insertion of replies into the control
// the user was typing in.
#include <exception>
#include <string>

#include "app/core/hotkey_registration.h"
#include "app/core/reply_menu.h"
#include "library/rtf_html.h"
#include "app/dialogs/reply_prop_form.h"
#include "app/main_form.h"
#include "app/main_form_dialog_scope.h"
#include "app/paste_target.h"
#include "library/hotkey_value.h"
#include "library/reply_library.h"
#include "library/reply_plain_text.h"
#include "platform/utf16.h"
#include "storage/reply_layout.h"
#include "ui/clipboard_copy.h"
#include "ui/message_box.h"

namespace tq::app {
namespace {

// The paste waits for Alt, Shift and the Windows keys for at most this many
// ticks of this many milliseconds before releasing them itself.
constexpr UINT kPasteTickMs = 10;
constexpr int kPasteMaxWaitTicks = 50;
// How long after the paste's keystrokes a kept main window comes back.
constexpr UINT kBringBackDelayMs = 250;
// The tick of the wait before the user's clipboard goes back.
constexpr UINT kRestoreTickMs = 10;

// For a debugger or the benchmark: how long a step took, in microseconds.
class DebugTiming {
 public:
  explicit DebugTiming(const char* what) : what_(what) { QueryPerformanceCounter(&start_); }
  ~DebugTiming() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const long long us = (now.QuadPart - start_.QuadPart) * 1000000 / frequency.QuadPart;
    DebugLine(std::string(what_) + " " + std::to_string(us) + " us");
  }
  DebugTiming(const DebugTiming&) = delete;
  DebugTiming& operator=(const DebugTiming&) = delete;

 private:
  const char* what_;
  LARGE_INTEGER start_;
};

constexpr char kNoTargetMessage[] =
    "In order to insert a response you must press the selected\n\nhotkey with the mouse pointer over the window you "
    "want to insert into.";

// The target's paste rule wants a rich reply as its plain text.
bool WantsPlainText(HWND target, const std::vector<PasteMethodRule>& rules) {
  return PastesPlainTextOnly(TargetProgram(target), TargetWindowClass(target), rules);
}

bool ExtendedKey(unsigned vk) {
  switch (vk) {
    case VK_LWIN:
    case VK_RWIN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return true;
  }
  return false;
}

PasteKeyboard SystemKeyboard(HWND target, DWORD clipboardSequence) {
  return {[](unsigned vk) { return (GetAsyncKeyState(static_cast<int>(vk)) & 0x8000) != 0; },
          [](unsigned vk, bool up) {
            DWORD flags = up ? KEYEVENTF_KEYUP : 0;
            if (ExtendedKey(vk)) flags |= KEYEVENTF_EXTENDEDKEY;
            keybd_event(static_cast<BYTE>(vk), static_cast<BYTE>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), flags, 0);
          },
          [target] {
            // A closed target has no root window and no thread: the keys
            // would go to whatever window Windows activated next.
            HWND top = IsWindow(target) ? GetAncestor(target, GA_ROOT) : nullptr;
            const DWORD thread = top ? GetWindowThreadProcessId(target, nullptr) : 0;
            if (thread == 0) return TargetState::Gone;
            if (GetForegroundWindow() != top) return TargetState::NotYet;
            // A window brought back to the front does not always give the
            // focus back to the control that had it: give it back.
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            if (!GetGUIThreadInfo(thread, &info) || info.hwndFocus == target) return TargetState::Ready;
            const DWORD self = GetCurrentThreadId();
            if (thread != self && AttachThreadInput(self, thread, TRUE)) {
              ::SetFocus(target);
              AttachThreadInput(self, thread, FALSE);
            }
            return TargetState::NotYet;
          },
          [clipboardSequence] { return GetClipboardSequenceNumber() == clipboardSequence; },
          [](unsigned unit, bool up) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = static_cast<WORD>(unit);
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            SendInput(1, &input, sizeof input);
          },
          [target] { return KeysWouldBeDropped(target, SystemIntegrity()); },
          [target] {
            // Joining the target's input and leaving it again resets that
            // thread's key state (so documented; Wine does the same), which
            // Windows would otherwise bring up to date only in its own time.
            const DWORD thread = GetWindowThreadProcessId(target, nullptr);
            const DWORD self = GetCurrentThreadId();
            if (thread != 0 && thread != self && AttachThreadInput(self, thread, TRUE))
              AttachThreadInput(self, thread, FALSE);
          }};
}

}  // namespace

void DebugLine(const std::string& what) {
  // The ANSI form: the text is ASCII, and Wine's debug channel, which the
  // end-to-end tests read, logs only that form.
  OutputDebugStringA(("Tavrin Quillet: " + what).c_str());
}

HotKeyRegistrar TMainForm::Registrar() {
  return {[this](int id, unsigned modifiers, unsigned key) {
            return RegisterHotKey(Handle(), id, modifiers, key) != FALSE;
          },
          [this](const std::string& message) { ui::ShowErrorBox(Handle(), message); }};
}

void TMainForm::RegisterFixedHotKeys() {
  const HotKeyRegistrar registrar = Registrar();
  fixedHotKeys_.clear();
  auto held = [this](int32_t value, std::string_view name) {
    if (library::HotKeyBits(static_cast<uint32_t>(value)) != 0)
      fixedHotKeys_.push_back({static_cast<uint32_t>(value), std::string(name)});
  };
  if (RegisterGlobalHotKey(registrar, static_cast<uint32_t>(settings_.MainHotKey), kMainHotKeyId))
    held(settings_.MainHotKey, kMainHotKeyName);
  if (RegisterGlobalHotKey(registrar, static_cast<uint32_t>(settings_.MenuHotKey), kMenuHotKeyId))
    held(settings_.MenuHotKey, kMenuHotKeyName);
  if (RegisterSearchHotKey(registrar, settings_.SearchHotKey, settings_.SearchHotKeyChosen))
    held(settings_.SearchHotKey, kSearchHotKeyName);
}

void TMainForm::OnHotKey(int id, LPARAM keys) {
  if (DialogBusy) {
    // The reply dialog's hotkey box never sees a combination registered
    // here: the dialog is told which one was pressed.
    if (replyDialog_)
      replyDialog_->HotKeyPressed(library::JoinHotKey({.modifiers = LOWORD(keys), .virtual_key = HIWORD(keys)}));
    return;
  }
  QueryPerformanceCounter(&hotKeyAt_);
  CaptureTarget();
  if (id == kMainHotKeyId) {
    UpdateCommandStates();
    ShowFocused(FocusOnShow());
    SetForegroundWindow(application_.Handle());
    SetForegroundWindow(Handle());
  } else if (id == kMenuHotKeyId) {
    ShowReplyMenu();
  } else if (id == kSearchHotKeyId) {
    ShowReplySearch();
  } else if (auto index = ReplyIndexOfHotKeyId(id); index && TargetWindow) {
    InsertReply(*index);
  }
}

void TMainForm::CaptureTarget() {
  HWND foreground = GetForegroundWindow();
  TargetThread = GetWindowThreadProcessId(foreground, nullptr);
  // The focus of another thread, read without joining its input: attaching
  // and detaching again can leave that thread with no active window.
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (TargetThread != 0 && GetGUIThreadInfo(TargetThread, &info)) {
    TargetWindow = info.hwndFocus;
    return;
  }
  const DWORD self = GetCurrentThreadId();
  const bool attached = TargetThread != 0 && TargetThread != self && AttachThreadInput(TargetThread, self, TRUE);
  TargetWindow = GetFocus();
  if (attached) AttachThreadInput(TargetThread, self, FALSE);
}

void TMainForm::PasteIntoTarget() {
  // With HideAfterInsert the window goes before the paste, not after: a
  // window still shown can take the foreground back (on some systems when
  // its late focus events arrive) and receive the keystrokes itself.
  if (MainWindowAfterPaste(settings_.HideAfterInsert, Visible()) == WindowAfterPaste::Hide) Hide();
  // The foreground goes to the target's top-level window (given the control
  // itself, some systems leave no foreground window at all).
  HWND top = GetAncestor(TargetWindow, GA_ROOT);
  if (!top) top = TargetWindow;
  if (GetForegroundWindow() != top) SetForegroundWindow(top);
  // A timer finishes the paste when the hotkey's modifiers are still down:
  // the UI thread never sleeps.
  pasteTarget_ = TargetWindow;
  paste_.Start(kPasteMaxWaitTicks, PasteKeysForTarget());
  PasteTick();
  if (paste_.Pending()) pasteTimer_.Start(kPasteTickMs);
}

void TMainForm::PasteTick() {
  const PasteOutcome outcome = paste_.Tick(SystemKeyboard(pasteTarget_, pasteClipboardSequence_));
  if (outcome == PasteOutcome::Waiting) return;
  pasteTimer_.Stop();
  if (outcome == PasteOutcome::Sent && hotKeyAt_.QuadPart != 0) {
    // For a debugger or the benchmark: how long the way from the hotkey to
    // the last synthesised key took.
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const long long us = (now.QuadPart - hotKeyAt_.QuadPart) * 1000000 / frequency.QuadPart;
    DebugLine("WM_HOTKEY to last key event " + std::to_string(us) + " us");
  }
  hotKeyAt_.QuadPart = 0;
  if (savedClipboard_) {
    if (RestoresAfter(outcome)) {
      StartClipboardRestore(pasteReadsClipboard_);
    } else {
      // The user is told the reply is on the clipboard: it stays.
      savedClipboard_.reset();
    }
  }
  if (restoreAfterPaste_) BringBackAfterPaste();
  const std::string_view message = NotPastedMessage(outcome);
  if (!message.empty()) ShowNotPasted(message);
}

std::vector<PasteKeyEvent> TMainForm::PasteKeysForTarget() {
  const PasteMethod method =
      ChoosePasteMethod(TargetProgram(pasteTarget_), TargetWindowClass(pasteTarget_), settings_.PasteMethods);
  pasteReadsClipboard_ = method != PasteMethod::TypeText;
  if (pasteReadsClipboard_) return PasteKeyEvents(method);
  // Typed, the reply is its plain text.
  return PasteKeyEvents(method, platform::Utf8ToUtf16(library::ReplyPlainText(currentResponse_)));
}

bool TMainForm::CopyReplyForPaste(bool formatted) {
  if (!settings_.RestoreClipboard) {
    savedClipboard_.reset();
    return CopyReply(formatted);
  }
  // A paste following another whose restore is still pending keeps the
  // clipboard saved before the first: what is on it now is a reply. Unless
  // something was copied over that reply since the last tick of the wait:
  // that copy is the user's now.
  if (!restoreTimer_.Running() || !savedClipboard_ || !clipboardKeeper_.StillOurs()) {
    DebugTiming timing("clipboard saved in");
    savedClipboard_ = ui::ReadClipboard(Handle());
  }
  restoreTimer_.Stop();
  if (!CopyReply(formatted)) {
    savedClipboard_.reset();
    return false;
  }
  if (!savedClipboard_) return true;  // unreadable: the reply simply stays
  // The reply is offered again by delayed rendering, so the program hears
  // when the target reads it.
  DebugTiming timing("reply offered in");
  std::optional<ui::ClipboardContents> reply = ui::ReadClipboard(Handle());
  if (!reply || !clipboardKeeper_.Offer(std::move(*reply))) {
    savedClipboard_.reset();
    return true;
  }
  pasteClipboardSequence_ = GetClipboardSequenceNumber();
  return true;
}

void TMainForm::StartClipboardRestore(bool readExpected) {
  restoreWatch_ = {.readExpected = readExpected};
  restoreSequence_ = GetClipboardSequenceNumber();
  RestoreTick();
  if (savedClipboard_) restoreTimer_.Start(kRestoreTickMs);
}

void TMainForm::RestoreTick() {
  ClipboardWatch& w = restoreWatch_;
  const int reads = clipboardKeeper_.Reads();
  if (reads != w.reads || w.openElsewhere) {
    // A render, or a reader's session, may move the sequence number on
    // (systems differ); it still is the reply.
    if (reads != w.reads) w.ticksSinceRead = 0;
    w.reads = reads;
    restoreSequence_ = GetClipboardSequenceNumber();
  }
  w.openElsewhere = GetOpenClipboardWindow() != nullptr;
  w.stillTheReply = clipboardKeeper_.StillOurs() && GetClipboardSequenceNumber() == restoreSequence_;
  const RestoreStep step = NextRestoreStep(w);
  ++w.ticksSinceKeys;
  ++w.ticksSinceRead;
  if (step == RestoreStep::Wait) return;
  restoreTimer_.Stop();
  DebugLine(std::string("clipboard ") + (step == RestoreStep::Restore ? "restored" : "left") + " after " +
            std::to_string(w.reads) + " reads, " + std::to_string(w.ticksSinceKeys) + " ticks");
  if (step == RestoreStep::Restore) {
    DebugTiming timing("clipboard restored in");
    clipboardKeeper_.Put(*savedClipboard_);
  }
  savedClipboard_.reset();
}

void TMainForm::ShowNotPasted(std::string_view message) {
  // Hand-overs and hotkeys wait while the message is up, as for any dialog.
  DialogScope busy(*this, DialogScope::Tray::Keep);
  ui::ShowErrorBox(Handle(), message, "Nothing pasted");
}

bool TMainForm::CopyReply(bool formatted) {
  bool copied;
  if (formatted) {
    InsertRichEdit.SelectAll();
    copied = InsertRichEdit.CopyToClipboard();
    InsertRichEdit.CollapseSelection();
    // Browsers, and the editors built on them, take formatting only as HTML.
    if (copied && storage::IsFormattedReply(currentResponse_))
      ui::AddClipboardFormat(Handle(), L"HTML Format", library::ClipboardHtml(library::RtfHtml(currentResponse_)));
  } else {
    copied = CopyPlainText();
  }
  pasteClipboardSequence_ = GetClipboardSequenceNumber();
  return copied;
}

void TMainForm::BringBackAfterPaste() {
  // The keystrokes are on their way, but the target reads them from its own
  // queue in its own time: a window taking the foreground back at once can
  // receive them itself. It comes back a moment later, the UI thread never
  // waiting.
  restoreAfterPaste_ = false;
  bringBackTimer_.Start(kBringBackDelayMs);
}

void TMainForm::FinishInsertion() {
  switch (MainWindowAfterPaste(settings_.HideAfterInsert, Visible())) {
    case WindowAfterPaste::Hide:
      Hide();
      TargetWindow = nullptr;
      UpdateCommandStates();
      break;
    case WindowAfterPaste::BringToFront:
      // A paste still waiting for the hotkey's modifiers brings the window
      // back when its keys have gone; one already sent does it now.
      if (paste_.Pending()) {
        restoreAfterPaste_ = true;
      } else {
        BringBackAfterPaste();
      }
      break;
    case WindowAfterPaste::LeaveHidden:
      break;
  }
}

void TMainForm::InsertMIClick() {
  if (!TargetWindow) {
    ui::ShowErrorBox(Handle(), kNoTargetMessage);
    return;
  }
  if (!CurrentIsFormatted || WantsPlainText(TargetWindow, settings_.PasteMethods)) {
    InsertAsTextMIClick();
    return;
  }
  if (!CopyReplyForPaste(true)) {
    ShowNotPasted(kClipboardBusyMessage);
    return;
  }
  PasteIntoTarget();
  FinishInsertion();
}

bool TMainForm::CopyPlainText() {
  ExportMemo.SetText(library::ReplyPlainText(currentResponse_));
  ExportMemo.SelectAll();
  const bool copied = ExportMemo.CopyToClipboard();
  ExportMemo.SetSelection(0, 0);
  return copied;
}

void TMainForm::InsertAsTextMIClick() {
  if (!TargetWindow) {
    ui::ShowErrorBox(Handle(), kNoTargetMessage);
    return;
  }
  const bool copied = CopyReplyForPaste(false);
  if (!copied) {
    ShowNotPasted(kClipboardBusyMessage);
    return;
  }
  PasteIntoTarget();
  FinishInsertion();
}

void TMainForm::CopyMIClick() {
  const bool copied = CopyReply(CurrentIsFormatted);
  if (!copied) ui::ShowErrorBox(Handle(), kClipboardBusyMessage);
}

void TMainForm::InsertReply(int index, std::optional<bool> withFormat) {
  if (!LibraryOpen() || index < 0 || index >= table_.RecordCount()) return;
  try {
    LoadReplyText(library::GoToReply(table_, index).Response);
  } catch (const std::exception& e) {
    ui::ShowErrorBox(Handle(), e.what());
    return;
  }
  UpdateCommandStates();
  RunInsertCommand(DirectInsertCommand(withFormat.value_or(settings_.DefaultWithFormat)));
  TargetWindow = nullptr;
}

void TMainForm::RunInsertCommand(InsertCommand command) {
  switch (command) {
    case InsertCommand::Insert:
      InsertMIClick();
      break;
    case InsertCommand::InsertAsText:
      InsertAsTextMIClick();
      break;
    case InsertCommand::None:
      break;
  }
}

void TMainForm::FreeReplyMenu() {
  ReplyMenu.reset();
  // The search lists the same replies: it is built again when next opened.
  replySearch_.reset();
  if (replySearchForm_ && replySearchForm_->Visible()) replySearchForm_->Dismiss();
}

void TMainForm::ShowReplyMenu() {
  if (!ReplyMenu) {
    ReplyMenu = std::make_unique<ui::Menu>(ui::Menu::Kind::Popup);
    for (const ReplyMenuItem& item : BuildReplyMenu(tree_)) {
      switch (item.kind) {
        case ReplyMenuItem::Kind::Submenu: {
          ui::Menu& sub = ReplyMenu->AddSubmenu(item.caption);
          for (const ReplyMenuItem& reply : item.items) {
            const int index = reply.reply_index;
            sub.AddItem(reply.caption, [this, index] { InsertReply(index); });
          }
          break;
        }
        case ReplyMenuItem::Kind::Reply: {
          const int index = item.reply_index;
          ReplyMenu->AddItem(item.caption, [this, index] { InsertReply(index); });
          break;
        }
        case ReplyMenuItem::Kind::Separator:
          ReplyMenu->AddSeparator();
          break;
        case ReplyMenuItem::Kind::Close:
          ReplyMenu->AddItem(item.caption, [] {});
          break;
      }
    }
  }
  POINT pt;
  GetCursorPos(&pt);
  // A hand-over while the menu is open would free it under its own Popup.
  DialogScope busy(*this, DialogScope::Tray::Keep);
  ReplyMenu->Popup(Handle(), pt);
}

}  // namespace tq::app
