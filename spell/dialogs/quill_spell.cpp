#include "spell/dialogs/quill_spell.h"

#include <string>

#include "platform/utf16.h"
#include "spell/dialogs/configuration_dialog_ctrl.h"
#include "spell/dialogs/dialog_placement.h"
#include "spell/dialogs/spell_dialog.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/control_text.h"
#include "spell/live/win_api_control_parser.h"
#include "ui/dpi.h"
#include "ui/form.h"
#include "ui/message_loop.h"

namespace tq::spell {

TQuillSpell::TQuillSpell(const TEngineServices& services) : TQuillSpellBase(services) {
  UIType = suiDialog;
  // A synchronous run keeps the program's windows (and its own dialog)
  // working: it handles the thread's messages until it ends.
  PumpMessage = [this] {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // The program is ending: the run ends with it, and the outer loop
      // still sees the quit message.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      StopCheck(true);
      return;
    }
    ui::DispatchThreadMessage(msg);
  };
  OnQuestion = [this](const std::string& text, const std::string& caption) {
    // Asked between two runs of a sequence, while the dialog stays on screen:
    // owned by the dialog, the answer gives the keyboard back to it rather
    // than raising the checked window over it.
    HWND dialog = dialogForm_ ? dialogForm_->Handle() : nullptr;
    HWND owner = dialog && IsWindowVisible(dialog) ? dialog : MessageOwner();
    return MessageBoxW(owner, platform::Wide(text).c_str(), platform::Wide(caption).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
  };
}

TQuillSpell::~TQuillSpell() {
  if (ReadChecking()) StopCheck(true);
}

// --- Checking windows ---

void TQuillSpell::CheckWinControl(ui::Wnd* control, TCheckType type) {
  if (!control) return;
  CheckControl(type, [control](TWinAPIControlParser& parser) { parser.Initialize(control); });
}

void TQuillSpell::CheckRichEdit(ui::Wnd* control, TCheckType type) {
  if (!control) return;
  CheckControl(type, [control](TWinAPIControlParser& parser) {
    parser.Initialize(control);
    parser.WriteControlType(actRichEdit);
  });
}

void TQuillSpell::CheckWinControlHWND(HWND window, TCheckType type) {
  if (!window) return;
  CheckControl(type, [window](TWinAPIControlParser& parser) { parser.InitializeFromHWND(window); });
}

void TQuillSpell::CheckControl(TCheckType type, const std::function<void(TWinAPIControlParser&)>& attach) {
  // A run in progress keeps its cursor; a second run is refused anyway.
  if (ReadChecking()) return;
  controlParser_ = std::make_unique<TWinAPIControlParser>();
  attach(*controlParser_);
  CheckParser(controlParser_.get(), type);
  // Dialogs of ended runs go once none of their handlers is running.
  if (!ReadChecking()) releasedDialogs_.clear();
}

int TQuillSpell::GetWordCountWinControl(ui::Wnd* control, TCheckType type) {
  TWinAPIControlParser parser;
  parser.Initialize(control);
  return GetWordCountParser(&parser, type);
}

int TQuillSpell::GetErrorCountWinControl(ui::Wnd* control, TCheckType type) {
  TWinAPIControlParser parser;
  parser.Initialize(control);
  return GetErrorCountParser(&parser, type);
}

bool TQuillSpell::ErrorsPresentInWinControl(ui::Wnd* control, TCheckType type) {
  TWinAPIControlParser parser;
  parser.Initialize(control);
  return ErrorsPresentInParser(&parser, type);
}

void TQuillSpell::ShowHourglass(bool on) {
  if (on) {
    cursorBeforeHourglass_ = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_WAIT))));
  } else {
    SetCursor(cursorBeforeHourglass_ ? cursorBeforeHourglass_
                                     : LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_ARROW))));
    cursorBeforeHourglass_ = nullptr;
  }
}

HWND TQuillSpell::MessageOwner() const {
  if (controlParser_ && controlParser_->ReadHandle() && IsWindow(controlParser_->ReadHandle())) {
    HWND root = GetAncestor(controlParser_->ReadHandle(), GA_ROOT);
    if (root && IsWindowVisible(root)) return root;
  }
  return nullptr;
}

// --- The dialog's life ---

TConfigurationDialogCtrl* TQuillSpell::SetupDialogControl(TSpellingForm* form, TCustomDictionary* dictionary) {
  TConfigurationDialogCtrl* control = form ? form->ConfigurationDialogCtrl() : nullptr;
  if (!control) return nullptr;
  control->WriteOwnerForm(form);
  control->WriteQuillSpell(this);
  control->WriteCustomDictionary(dictionary);
  return control;
}

void TQuillSpell::CreateSpellDialog() {
  // The dialog stays in front of the form that holds the checked control.
  HWND owner = nullptr;
  if (auto* parser = dynamic_cast<TWinAPIControlParser*>(ReadCurrentParser())) {
    if (ui::Wnd* control = parser->ReadControl()) {
      if (ui::Form* form = ui::Form::Of(control->Handle())) owner = form->Handle();
    }
  }
  ownedDialog_ = std::make_unique<TSpellDialog>(owner);
  dialogForm_ = ownedDialog_.get();
  SetupFormFonts(dialogForm_, true);
}

void TQuillSpell::EnsureUI() {
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
      showModal_ = DialogShowModal;
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

void TQuillSpell::ShutdownUI() {
  if (!dialogForm_) return;
  if (DialogInitialPos == ipLastUserPos && dialogForm_->Handle()) {
    RECT r{};
    GetWindowRect(dialogForm_->Handle(), &r);
    Configuration().WriteDialogX(r.left);
    Configuration().WriteDialogY(r.top);
  }
  // Within a sequence of runs the dialog stays on screen until its end.
  if (ReadInSequence() && !DialogShowModal) return;
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

void TQuillSpell::Form_OnShow(TSpellingForm* Sender) {
  if (DialogShowModal) {
    if (DialogShowImmediate)
      ContinueCheck();
    else
      DoWordPrompt();
  }
  if (savedOnShow_) savedOnShow_(Sender);
}

void TQuillSpell::Form_OnDeactivate(TSpellingForm* Sender) {
  if (!dialogDeactivated_) {
    dialogDeactivated_ = true;
    if (OnDialogDeactivate) OnDialogDeactivate(this);
  }
  if (savedOnDeactivate_) savedOnDeactivate_(Sender);
}

void TQuillSpell::Form_OnActivate(TSpellingForm* Sender) {
  if (savedOnActivate_) savedOnActivate_(Sender);
  if (dialogDeactivated_) {
    dialogDeactivated_ = false;
    if (OnDialogActivate) OnDialogActivate(this);
    // The user may have edited the text meanwhile: check again from there.
    Check_ControlEdited();
  }
}

void TQuillSpell::DoWordPrompt() {
  OptimizeMainDictionaryOrder();
  if (dialogControl_ && dialogControl_->OnPromptWord)
    dialogControl_->OnPromptWord(this, Utf8OfEngineText(ReadCurrentWord()), ReadRepeatedWord());
  if (OnPromptWord) OnPromptWord(this, ReadCurrentWord(), ReadRepeatedWord());
}

void TQuillSpell::ShowEndMessage() {
  if (UIType != suiDialog) return;
  bool show = false;
  switch (EndMessage) {
    case emNever:
      break;
    case emAlways:
      show = true;
      break;
    case emExceptCancel:
      show = !ReadCancelled();
      break;
    case emNoDialog:
      show = dialogShown_;
      break;
  }
  if (!show || ReadInSequence()) return;
  if (dialogForm_ && dialogForm_->Handle()) dialogForm_->Hide();
  if (OnShowEndMessage) {
    OnShowEndMessage(this);
    return;
  }
  std::string text = GetString(lsEndMessage);
  if (EndMessageWordCount) text += "\r\n\r\n" + GetString(lsWordsChecked) + " " + std::to_string(ReadWordCount());
  MessageBoxW(MessageOwner(), platform::Wide(text).c_str(), platform::Wide(GetString(lsSpelling)).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

// --- Placement ---

void TQuillSpell::SetInitialPosition() {
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
      if (!DialogShowImmediate) AdjustDialogToSelection(true, true);
      break;
    case ipAvoidControl:
      AdjustDialogToControl();
      break;
    case ipUserDefined:
      if (OnPositionDialog) OnPositionDialog(this);
      break;
    case ipLastUserPos:
      if (Configuration().ReadDialogX() == -1)
        AdjustDialogToControl();
      else
        AdjustDialogPosition(*dialogForm_, Configuration().ReadDialogX(), Configuration().ReadDialogY());
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

void TQuillSpell::AvoidSelection() {
  if (!dialogForm_ || !dialogForm_->Handle()) return;
  RECT word{}, dialog{}, overlap{};
  if (!SelectionRect(ReadCurrentParser(), word)) return;
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

void TQuillSpell::AdjustDialogToSelection(bool horizontal, bool vertical) {
  RECT word{};
  if (!dialogForm_ || !SelectionRect(ReadCurrentParser(), word)) return;
  AdjustDialogToRect(*dialogForm_, word, horizontal, vertical);
}

void TQuillSpell::AdjustDialogToControl() {
  TControlParser* parser = ReadCurrentParser();
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
  } else if (DialogShowImmediate) {
    AdjustDialogPosition(*dialogForm_, control.left + (control.right - control.left) / 2 - width / 2,
                         control.top + (control.bottom - control.top) / 2 - height / 2);
  } else {
    AdjustDialogToSelection(true, true);
  }
}

// --- Fonts ---

HFONT TQuillSpell::FontFor(const TUIFont& font, ui::UniqueFont& cache, std::string& cachedKey) {
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

void TQuillSpell::SetupFormFonts(ui::Form* form, bool textFonts) {
  if (!UILanguageUseFonts || !form || !form->Handle()) return;
  FormFonts fonts{FontFor(UILanguageFontControls, controlsFont_, controlsFontKey_), nullptr};
  fonts.text = textFonts ? FontFor(UILanguageFontText, textFont_, textFontKey_) : fonts.controls;
  EnumChildWindows(form->Handle(), SetChildFont, reinterpret_cast<LPARAM>(&fonts));
}

void TQuillSpell::ShowHelp(int32_t context) {
  if (OnHelp && context != 0) OnHelp(this, HelpFile, context);
}

}  // namespace tq::spell
