#include "spell/dialogs/spell_dialogs.h"

#include <string>

#include "platform/utf16.h"
#include "spell/dialogs/configuration_dialog_ctrl.h"
#include "spell/dialogs/dialog_placement.h"
#include "spell/dialogs/spell_dialog.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/control_text.h"
#include "spell/window/win_api_control_parser.h"
#include "ui/dpi.h"
#include "ui/form.h"
#include "ui/message_loop.h"

namespace tq::spell {

TSpellDialogs::TSpellDialogs(TQuillSpellBase& engine) : engine_(engine) {
  engine_.WriteCheckRunUI(this);
  // A synchronous run keeps the program's windows (and its own dialog)
  // working: it handles the thread's messages until it ends.
  engine_.PumpMessage = [this] {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // The program is ending: the run ends with it, and the outer loop
      // still sees the quit message.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      engine_.StopCheck(true);
      return;
    }
    ui::DispatchThreadMessage(msg);
  };
  engine_.OnQuestion = [this](const std::string& text, const std::string& caption) {
    // Asked between two runs of a sequence, while the dialog stays on screen:
    // owned by the dialog, the answer gives the keyboard back to it rather
    // than raising the checked window over it.
    HWND dialog = dialogForm_ ? dialogForm_->Handle() : nullptr;
    HWND owner = dialog && IsWindowVisible(dialog) ? dialog : MessageOwner();
    return MessageBoxW(owner, platform::Wide(text).c_str(), platform::Wide(caption).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
  };
}

TSpellDialogs::~TSpellDialogs() {
  if (engine_.ReadChecking()) engine_.StopCheck(true);
  engine_.WriteCheckRunUI(nullptr);
  engine_.PumpMessage = nullptr;
  engine_.OnQuestion = nullptr;
}

// --- Checking windows ---

void TSpellDialogs::CheckWinControl(ui::Wnd* control, TCheckType type) {
  if (!control) return;
  CheckControl(type, [control](TWinAPIControlParser& parser) { parser.Initialize(control); });
}

void TSpellDialogs::CheckRichEdit(ui::Wnd* control, TCheckType type) {
  if (!control) return;
  CheckControl(type, [control](TWinAPIControlParser& parser) {
    parser.Initialize(control);
    parser.WriteControlType(actRichEdit);
  });
}

void TSpellDialogs::CheckWinControlHWND(HWND window, TCheckType type) {
  if (!window) return;
  CheckControl(type, [window](TWinAPIControlParser& parser) { parser.InitializeFromHWND(window); });
}

void TSpellDialogs::CheckControl(TCheckType type, const std::function<void(TWinAPIControlParser&)>& attach) {
  // A run in progress keeps its cursor; a second run is refused anyway.
  if (engine_.ReadChecking()) return;
  controlParser_ = std::make_unique<TWinAPIControlParser>();
  attach(*controlParser_);
  engine_.CheckParser(controlParser_.get(), type);
  // Dialogs of ended runs go once none of their handlers is running.
  if (!engine_.ReadChecking()) releasedDialogs_.clear();
}

void TSpellDialogs::CheckSelectionFromMenu(HWND window) {
  if (engine_.ReadChecking()) return;
  struct Restore {
    TSpellDialogs& dialogs;
    TSpellEndMessage endMessage;
    TSpellDialogInitialPos initialPos;
    ~Restore() {
      dialogs.EndMessage = endMessage;
      dialogs.DialogInitialPos = initialPos;
    }
  } restore{*this, EndMessage, DialogInitialPos};
  EndMessage = emNever;
  DialogInitialPos = ipUnderSelection;
  CheckWinControlHWND(window, ctSelected);
}

int TSpellDialogs::GetWordCountWinControl(ui::Wnd* control, TCheckType type) {
  TWinAPIControlParser parser;
  parser.Initialize(control);
  return engine_.GetWordCountParser(&parser, type);
}

int TSpellDialogs::GetErrorCountWinControl(ui::Wnd* control, TCheckType type) {
  TWinAPIControlParser parser;
  parser.Initialize(control);
  return engine_.GetErrorCountParser(&parser, type);
}

bool TSpellDialogs::ErrorsPresentInWinControl(ui::Wnd* control, TCheckType type) {
  TWinAPIControlParser parser;
  parser.Initialize(control);
  return engine_.ErrorsPresentInParser(&parser, type);
}

void TSpellDialogs::ShowHourglass(bool on) {
  if (on) {
    cursorBeforeHourglass_ = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_WAIT))));
  } else {
    SetCursor(cursorBeforeHourglass_ ? cursorBeforeHourglass_
                                     : LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_ARROW))));
    cursorBeforeHourglass_ = nullptr;
  }
}

HWND TSpellDialogs::MessageOwner() const {
  if (controlParser_ && controlParser_->ReadHandle() && IsWindow(controlParser_->ReadHandle())) {
    HWND root = GetAncestor(controlParser_->ReadHandle(), GA_ROOT);
    if (root && IsWindowVisible(root)) return root;
  }
  return nullptr;
}

// --- The dialog's life ---

TConfigurationDialogCtrl* TSpellDialogs::SetupDialogControl(TSpellingForm* form, TCustomDictionary* dictionary) {
  TConfigurationDialogCtrl* control = form ? form->ConfigurationDialogCtrl() : nullptr;
  if (!control) return nullptr;
  control->WriteOwnerForm(form);
  control->WriteSpellDialogs(this);
  control->WriteCustomDictionary(dictionary);
  return control;
}

void TSpellDialogs::CreateSpellDialog() {
  // The dialog stays in front of the form that holds the checked control.
  HWND owner = nullptr;
  if (auto* parser = dynamic_cast<TWinAPIControlParser*>(engine_.ReadCurrentParser())) {
    if (ui::Wnd* control = parser->ReadControl()) {
      if (ui::Form* form = ui::Form::Of(control->Handle())) owner = form->Handle();
    }
  }
  ownedDialog_ = std::make_unique<TSpellDialog>(owner);
  dialogForm_ = ownedDialog_.get();
  SetupFormFonts(dialogForm_, true);
}

void TSpellDialogs::EnsureUI() {
  if (UIType != suiDialog) return;
  if (!dialogControl_) {
    dialogDeactivated_ = false;
    if (!dialogForm_) {
      releasedDialogs_.clear();
      if (OnCreateSpellDialog) {
        TSpellingForm* form = nullptr;
        OnCreateSpellDialog(this, form, true);
        dialogForm_ = form;
      } else {
        CreateSpellDialog();
      }
    }
    if (dialogForm_) dialogControl_ = SetupDialogControl(dialogForm_, nullptr);
  }
  if (!dialogShown_) {
    dialogShown_ = true;
    if (OnSpellDialogShow) OnSpellDialogShow(this);
    SetInitialPosition();
    if (dialogForm_) {
      showModal_ = engine_.DialogShowModal;
      if (!showModal_) dialogForm_->Show();
      savedOnShow_ = std::move(dialogForm_->OnShow);
      savedOnDeactivate_ = std::move(dialogForm_->OnDeactivate);
      savedOnActivate_ = std::move(dialogForm_->OnActivate);
      dialogForm_->OnShow = [this](TSpellingForm* f) { Form_OnShow(f); };
      dialogForm_->OnDeactivate = [this](TSpellingForm* f) { Form_OnDeactivate(f); };
      dialogForm_->OnActivate = [this](TSpellingForm* f) { Form_OnActivate(f); };
    }
  }
  AvoidSelection();
  if (showModal_ && dialogForm_) {
    showModal_ = false;
    dialogForm_->ShowModal();
  }
}

void TSpellDialogs::ShutdownUI() {
  if (!dialogForm_) return;
  if (DialogInitialPos == ipLastUserPos && dialogForm_->Handle()) {
    RECT r{};
    GetWindowRect(dialogForm_->Handle(), &r);
    engine_.Configuration().WriteDialogX(r.left);
    engine_.Configuration().WriteDialogY(r.top);
  }
  // Within a sequence of runs the dialog stays on screen until its end.
  if (engine_.ReadInSequence() && !engine_.DialogShowModal) return;
  dialogShown_ = false;
  dialogForm_->OnShow = std::move(savedOnShow_);
  dialogForm_->OnDeactivate = std::move(savedOnDeactivate_);
  dialogForm_->OnActivate = std::move(savedOnActivate_);
  if (dialogForm_->IsModal())
    dialogForm_->SetModalResult(ui::mrOk);
  else if (dialogForm_->Handle())
    dialogForm_->Hide();
  if (OnSpellDialogHide) OnSpellDialogHide(this);
  dialogControl_ = nullptr;
  if (OnCreateSpellDialog) {
    OnCreateSpellDialog(this, dialogForm_, false);
  } else if (ownedDialog_) {
    // A command of the dialog itself may have ended the run: the form is
    // destroyed once that handler has returned.
    releasedDialogs_.push_back(std::move(ownedDialog_));
  }
  dialogForm_ = nullptr;
}

void TSpellDialogs::Form_OnShow(TSpellingForm* Sender) {
  if (engine_.DialogShowModal) {
    if (engine_.DialogShowImmediate)
      engine_.ContinueCheck();
    else
      engine_.DoWordPrompt();
  }
  if (savedOnShow_) savedOnShow_(Sender);
}

void TSpellDialogs::Form_OnDeactivate(TSpellingForm* Sender) {
  if (!dialogDeactivated_) {
    dialogDeactivated_ = true;
    if (OnDialogDeactivate) OnDialogDeactivate(this);
  }
  if (savedOnDeactivate_) savedOnDeactivate_(Sender);
}

void TSpellDialogs::Form_OnActivate(TSpellingForm* Sender) {
  if (savedOnActivate_) savedOnActivate_(Sender);
  if (dialogDeactivated_) {
    dialogDeactivated_ = false;
    if (OnDialogActivate) OnDialogActivate(this);
    // The user may have edited the text meanwhile: check again from there.
    engine_.Check_ControlEdited();
  }
}

void TSpellDialogs::PromptWord() {
  if (dialogControl_ && dialogControl_->OnPromptWord)
    dialogControl_->OnPromptWord(this, Utf8OfEngineText(engine_.ReadCurrentWord()), engine_.ReadRepeatedWord());
}

void TSpellDialogs::ShowEndMessage() {
  if (UIType != suiDialog) return;
  bool show = false;
  switch (EndMessage) {
    case emNever:
      break;
    case emAlways:
      show = true;
      break;
    case emExceptCancel:
      show = !engine_.ReadCancelled();
      break;
    case emNoDialog:
      show = dialogShown_;
      break;
  }
  if (!show || engine_.ReadInSequence()) return;
  if (dialogForm_ && dialogForm_->Handle()) dialogForm_->Hide();
  if (engine_.OnShowEndMessage) {
    engine_.OnShowEndMessage(&engine_);
    return;
  }
  std::string text = engine_.GetString(lsEndMessage);
  if (EndMessageWordCount)
    text += "\r\n\r\n" + engine_.GetString(lsWordsChecked) + " " + std::to_string(engine_.ReadWordCount());
  MessageBoxW(MessageOwner(), platform::Wide(text).c_str(), platform::Wide(engine_.GetString(lsSpelling)).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

// --- Placement ---

void TSpellDialogs::SetInitialPosition() {
  if (!dialogForm_ || !dialogForm_->Handle()) return;
  RECT r{};
  GetWindowRect(dialogForm_->Handle(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  switch (DialogInitialPos) {
    case ipScreenCenter:
      AdjustDialogPosition(*dialogForm_, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                           (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
      break;
    case ipUnderSelection:
      if (!engine_.DialogShowImmediate) AdjustDialogToSelection(true, true);
      break;
    case ipAvoidControl:
      AdjustDialogToControl();
      break;
    case ipUserDefined:
      if (OnPositionDialog) OnPositionDialog(this);
      break;
    case ipLastUserPos:
      if (engine_.Configuration().ReadDialogX() == -1)
        AdjustDialogToControl();
      else
        AdjustDialogPosition(*dialogForm_, engine_.Configuration().ReadDialogX(),
                             engine_.Configuration().ReadDialogY());
      break;
    case ipIgnore:
      break;
    case ipDesktopCenter:
      SetWindowPos(dialogForm_->Handle(), nullptr,
                   GetSystemMetrics(SM_XVIRTUALSCREEN) + (GetSystemMetrics(SM_CXVIRTUALSCREEN) - width) / 2,
                   GetSystemMetrics(SM_YVIRTUALSCREEN) + (GetSystemMetrics(SM_CYVIRTUALSCREEN) - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
  }
}

namespace {

bool SelectionRect(TControlParser* parser, RECT& rect) {
  if (!parser) return false;
  TSpellRect sel;
  parser->GetSelectionScreenPosition(sel);
  if (sel.Left == -1 && sel.Top == -1 && sel.Right == -1 && sel.Bottom == -1) return false;
  rect = {sel.Left, sel.Top, sel.Right, sel.Bottom};
  return true;
}

}  // namespace

void TSpellDialogs::AvoidSelection() {
  if (!dialogForm_ || !dialogForm_->Handle()) return;
  RECT word{}, dialog{}, overlap{};
  if (!SelectionRect(engine_.ReadCurrentParser(), word)) return;
  GetWindowRect(dialogForm_->Handle(), &dialog);
  // A word of no width still counts where it stands.
  RECT probe = word;
  if (probe.right <= probe.left) probe.right = probe.left + 1;
  const bool intersects = IntersectRect(&overlap, &probe, &dialog) != FALSE;
  switch (DialogSelectionAvoid) {
    case saNone:
      break;
    case saAvoid:
      if (intersects) AdjustDialogToSelection(true, true);
      break;
    case saAvoidUpDown:
      if (intersects) AdjustDialogToSelection(false, true);
      break;
    case saMove:
      AdjustDialogToSelection(true, true);
      break;
    case saMoveUpDown:
      AdjustDialogToSelection(false, true);
      break;
  }
}

void TSpellDialogs::AdjustDialogToSelection(bool horizontal, bool vertical) {
  RECT word{};
  if (!dialogForm_ || !SelectionRect(engine_.ReadCurrentParser(), word)) return;
  AdjustDialogToRect(*dialogForm_, word, horizontal, vertical);
}

void TSpellDialogs::AdjustDialogToControl() {
  TControlParser* parser = engine_.ReadCurrentParser();
  if (!dialogForm_ || !dialogForm_->Handle() || !parser) return;
  RECT control = MonitorRectOf(*dialogForm_);
  TSpellRect box;
  parser->GetControlScreenPosition(box);
  if (!(box.Left == -1 && box.Top == -1 && box.Right == -1 && box.Bottom == -1))
    control = {box.Left, box.Top, box.Right, box.Bottom};
  RECT dialog{};
  GetWindowRect(dialogForm_->Handle(), &dialog);
  const int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
  if (auto at = DialogPositionBesideControl(MonitorRectOf(*dialogForm_), control, width, height)) {
    AdjustDialogPosition(*dialogForm_, at->x, at->y);
  } else if (engine_.DialogShowImmediate) {
    AdjustDialogPosition(*dialogForm_, control.left + (control.right - control.left) / 2 - width / 2,
                         control.top + (control.bottom - control.top) / 2 - height / 2);
  } else {
    AdjustDialogToSelection(true, true);
  }
}

// --- Fonts ---

HFONT TSpellDialogs::FontFor(const TUIFont& font, ui::UniqueFont& cache, std::string& cachedKey) {
  const std::string key = font.Name + "/" + std::to_string(font.Size);
  if (!cache || cachedKey != key) {
    cache.reset(CreateFontW(-MulDiv(font.Size, ui::ScreenDpi(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, platform::Wide(font.Name).c_str()));
    cachedKey = key;
  }
  return cache.get();
}

namespace {

struct FormFonts {
  HFONT controls;
  HFONT text;
};

// Labels, buttons, check boxes, group boxes and tabs take the controls'
// font; edits, lists and combo boxes the text font.
BOOL CALLBACK SetChildFont(HWND child, LPARAM data) {
  const FormFonts& fonts = *reinterpret_cast<const FormFonts*>(data);
  wchar_t cls[64] = {};
  GetClassNameW(child, cls, 64);
  const std::string name = AnsiLowerCase(platform::Utf8(cls));
  HFONT font = nullptr;
  if (name == "static" || name == "button" || name == "systabcontrol32")
    font = fonts.controls;
  else if (name == "edit" || name == "listbox" || name == "combobox" || name == "syslistview32" ||
           name.find("richedit") != std::string::npos)
    font = fonts.text;
  if (font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return TRUE;
}

}  // namespace

void TSpellDialogs::SetupFormFonts(ui::Form* form, bool textFonts) {
  if (!UILanguageUseFonts || !form || !form->Handle()) return;
  FormFonts fonts{FontFor(UILanguageFontControls, controlsFont_, controlsFontKey_), nullptr};
  fonts.text = textFonts ? FontFor(UILanguageFontText, textFont_, textFontKey_) : fonts.controls;
  EnumChildWindows(form->Handle(), SetChildFont, reinterpret_cast<LPARAM>(&fonts));
}

void TSpellDialogs::ShowHelp(int32_t context) {
  if (OnHelp && context != 0) OnHelp(this, HelpFile, context);
}

}  // namespace tq::spell
