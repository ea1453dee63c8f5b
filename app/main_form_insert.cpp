// TMainForm's global hotkeys and the insertion of replies into the control
// the user was typing in.
#include <exception>
#include <string>

#include "app/core/hotkey_registration.h"
#include "app/core/hotkey_value.h"
#include "app/core/reply_menu.h"
#include "app/main_form.h"
#include "app/core/reply_library.h"
#include "ui/message_box.h"

namespace tq::app {
namespace {

// The paste waits for Alt, Shift and the Windows keys for at most this many
// ticks of this many milliseconds before releasing them itself.
constexpr UINT kPasteTickMs = 10;
constexpr int kPasteMaxWaitTicks = 50;

constexpr char kNoTargetMessage[] =
    "In order to insert a response you must press the selected\n\nhotkey with the mouse pointer over the window you "
    "want to insert into.";

PasteKeyboard SystemKeyboard(HWND target) {
  HWND top = GetAncestor(target, GA_ROOT);
  return {[](unsigned vk) { return (GetAsyncKeyState(static_cast<int>(vk)) & 0x8000) != 0; },
          [](unsigned vk, bool up) {
            DWORD flags = up ? KEYEVENTF_KEYUP : 0;
            if (vk == kVkLWin || vk == kVkRWin) flags |= KEYEVENTF_EXTENDEDKEY;
            keybd_event(static_cast<BYTE>(vk), static_cast<BYTE>(MapVirtualKeyA(vk, 0)), flags, 0);
          },
          [target, top] {
            if (top != nullptr && GetForegroundWindow() != top) return false;
            // A window brought back to the front does not always give the
            // focus back to the control that had it: give it back.
            const DWORD thread = GetWindowThreadProcessId(target, nullptr);
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            if (thread == 0 || !GetGUIThreadInfo(thread, &info) || info.hwndFocus == target) return true;
            const DWORD self = GetCurrentThreadId();
            if (thread != self && AttachThreadInput(self, thread, TRUE)) {
              ::SetFocus(target);
              AttachThreadInput(self, thread, FALSE);
            }
            return false;
          }};
}

}  // namespace

HotKeyRegistrar TMainForm::Registrar() {
  return {[this](int id, unsigned modifiers, unsigned key) {
            return RegisterHotKey(Handle(), id, modifiers, key) != FALSE;
          },
          [this](const std::string& message) { ui::ShowErrorBox(Handle(), message); }};
}

void TMainForm::OnHotKey(int id) {
  if (DialogBusy) return;
  QueryPerformanceCounter(&hotKeyAt_);
  CaptureTarget();
  if (id == kMainHotKeyId) {
    Show();
    UpdateCommandStates();
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
  if (settings_.HideAfterInsert) Hide();
  // The foreground goes to the target's top-level window (given the control
  // itself, some systems leave no foreground window at all).
  HWND top = GetAncestor(TargetWindow, GA_ROOT);
  if (!top) top = TargetWindow;
  if (GetForegroundWindow() != top) SetForegroundWindow(top);
  // A timer finishes the paste when the hotkey's modifiers are still down:
  // the UI thread never sleeps.
  pasteTarget_ = TargetWindow;
  paste_.Start(kPasteMaxWaitTicks);
  PasteTick();
  if (paste_.Pending()) pasteTimer_.Start(kPasteTickMs);
}

void TMainForm::PasteTick() {
  if (!paste_.Tick(SystemKeyboard(pasteTarget_))) return;
  pasteTimer_.Stop();
  if (hotKeyAt_.QuadPart != 0) {
    // For a debugger or the benchmark: how long the way from the hotkey to
    // the last synthesised key took.
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const long long us = (now.QuadPart - hotKeyAt_.QuadPart) * 1000000 / frequency.QuadPart;
    OutputDebugStringA(("Tavrin Quillet: WM_HOTKEY to last key event " + std::to_string(us) + " us").c_str());
    hotKeyAt_.QuadPart = 0;
  }
  if (restoreAfterPaste_) {
    // Only once the keystrokes are on their way, or they would come to us.
    restoreAfterPaste_ = false;
    if (Visible()) {
      SetForegroundWindow(application_.Handle());
      SetForegroundWindow(Handle());
    }
  }
}

void TMainForm::FinishInsertion() {
  if (settings_.HideAfterInsert) {
    Hide();
    TargetWindow = nullptr;
    UpdateCommandStates();
  } else {
    restoreAfterPaste_ = true;
    if (!paste_.Pending()) PasteTick();
  }
}

void TMainForm::InsertMIClick() {
  if (!TargetWindow) {
    ui::ShowErrorBox(Handle(), kNoTargetMessage);
    return;
  }
  if (!CurrentIsFormatted) {
    InsertAsTextMIClick();
    return;
  }
  InsertRichEdit.SelectAll();
  InsertRichEdit.CopyToClipboard();
  InsertRichEdit.CollapseSelection();
  PasteIntoTarget();
  FinishInsertion();
}

void TMainForm::CopyPlainText() {
  // Without word wrap the preview's lines are its paragraphs.
  InsertRichEdit.SetWordWrap(false);
  std::string text;
  for (int i = 0, n = InsertRichEdit.LineCount(); i < n; ++i) text += InsertRichEdit.Line(i) + "\r\n";
  ExportMemo.SetText(text);
  ExportMemo.SelectAll();
  ExportMemo.CopyToClipboard();
  ExportMemo.SetSelection(0, 0);
}

void TMainForm::InsertAsTextMIClick() {
  if (!TargetWindow) {
    ui::ShowErrorBox(Handle(), kNoTargetMessage);
    return;
  }
  CopyPlainText();
  PasteIntoTarget();
  FinishInsertion();
  InsertRichEdit.SetWordWrap(true);
}

void TMainForm::CopyMIClick() {
  if (CurrentIsFormatted) {
    InsertRichEdit.SelectAll();
    InsertRichEdit.CopyToClipboard();
    InsertRichEdit.CollapseSelection();
  } else {
    CopyPlainText();
    InsertRichEdit.SetWordWrap(true);
  }
}

void TMainForm::InsertReply(int index, std::optional<bool> withFormat) {
  if (!LibraryOpen() || index < 0 || index >= table_.RecordCount()) return;
  try {
    LoadReplyText(GoToReply(table_, index).Response);
  } catch (const std::exception& e) {
    ui::ShowErrorBox(Handle(), e.what());
    return;
  }
  UpdateCommandStates();
  if (withFormat.value_or(settings_.DefaultWithFormat)) {
    InsertMIClick();
  } else {
    InsertAsTextMIClick();
  }
  TargetWindow = nullptr;
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
  ReplyMenu->Popup(Handle(), pt);
}

}  // namespace tq::app
