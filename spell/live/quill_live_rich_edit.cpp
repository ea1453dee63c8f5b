// TQuillLiveRichEdit: attachment to a window and an engine, the switches,
// the word verdict and the window queries.
#include "spell/live/quill_live_rich_edit.h"

#include <richedit.h>

#include <algorithm>
#include <vector>

#include "spell/engine/control_text.h"
#include "ui/wnd.h"

namespace tq::spell {

TQuillLiveRichEdit::TQuillLiveRichEdit() : ParsingEngine(std::make_unique<TMainParsingEngine>()) {}

TQuillLiveRichEdit::~TQuillLiveRichEdit() {
  if (QuillSpell && CheckRunParser && QuillSpell->ReadCurrentParser() == CheckRunParser.get())
    QuillSpell->StopCheck(true);
  WriteQuillSpell(nullptr);
}

// --- Attachment ---------------------------------------------------------

void TQuillLiveRichEdit::WriteWinControl(ui::Wnd* control) {
  WinControl = control;
  WriteHWND(control ? control->Handle() : nullptr);
}

void TQuillLiveRichEdit::WriteHWND(HWND handle) {
  if (WinControl && WinControl->Handle() != handle) WinControl = nullptr;
  if (WindowHandle && IsWindow(WindowHandle)) InvalidateRect(WindowHandle, nullptr, FALSE);
  WindowHandle = handle;
  CheckWatchSpelling();
}

void TQuillLiveRichEdit::WriteQuillSpell(TQuillSpellBase* engine) {
  if (engine == QuillSpell) return;
  if (QuillSpell) {
    QuillSpell->OptionsChangedListeners().Remove(this);
    QuillSpell->ConfigurationChangedListeners().Remove(this);
    QuillSpell->IgnoreWordListeners().Remove(this);
    QuillSpell->PopupResultListeners().Remove(this);
  }
  QuillSpell = engine;
  if (QuillSpell) {
    QuillSpell->OptionsChangedListeners().Add(this, [this](void* s) { OnAddCustomIgnore(s); });
    QuillSpell->ConfigurationChangedListeners().Add(this, [this](void* s) { OnConfigChanged(s); });
    QuillSpell->IgnoreWordListeners().Add(this, [this](void* s) { OnParserIgnoreWord(s); });
    QuillSpell->PopupResultListeners().Add(this, [this](void* s) { OnPopupResult(s); });
  }
  InstallHooks();
  CheckWatchSpelling();
}

void TQuillLiveRichEdit::InstallHooks() {
  if (!ParsingEngine) return;
  if (QuillSpell) {
    TQuillSpellBase* engine = QuillSpell;
    ParsingEngine->InlineIgnore = [engine](char c, TControlParser* p, bool& ignore) {
      engine->RunInlineIgnore(c, p, ignore);
    };
    ParsingEngine->WordIgnore = [engine](const std::string& w, TControlParser* p, bool& ignore) {
      engine->RunPreCheckIgnore(w, p, ignore);
    };
  } else {
    ParsingEngine->InlineIgnore = nullptr;
    ParsingEngine->WordIgnore = nullptr;
  }
}

void TQuillLiveRichEdit::WriteParsingEngine(std::unique_ptr<TParsingEngine> engine) {
  if (!engine) return;
  ParsingEngine = std::move(engine);
  InstallHooks();
}

// --- Switches -----------------------------------------------------------

void TQuillLiveRichEdit::WriteLiveSpelling(bool on) {
  LiveSpelling = on;
  CheckWatchSpelling();
}

void TQuillLiveRichEdit::WriteLiveCorrect(bool on) {
  LiveCorrect = on;
  CheckWatchSpelling();
}

void TQuillLiveRichEdit::WriteLiveOptions(bool on) {
  LiveOptions = on;
  CheckWatchSpelling();
}

void TQuillLiveRichEdit::WriteLiveReadOnly(bool on) {
  LiveReadOnly = on;
  CheckWatchSpelling();
}

void TQuillLiveRichEdit::WriteLiveColor(COLORREF color) {
  if (color == LiveColor) return;
  LiveColor = color;
  if (HandleAssigned()) InvalidateAll();
}

void TQuillLiveRichEdit::CheckWatchSpelling() {
  bool a = LiveSpelling;
  bool b = LiveCorrect;
  const bool attached = QuillSpell && HandleAssigned();
  if (attached && LiveOptions) {
    if (LiveSpelling) QuillSpell->ConfigAvailableOptions.Include(soLiveSpelling);
    if (LiveCorrect) QuillSpell->ConfigAvailableOptions.Include(soLiveCorrect);
    const TSpellOptions options = QuillSpell->Configuration().ReadSpellOptions();
    a = options.Contains(soLiveSpelling) && QuillSpell->ConfigAvailableOptions.Contains(soLiveSpelling);
    b = options.Contains(soLiveCorrect) && QuillSpell->ConfigAvailableOptions.Contains(soLiveCorrect);
  }
  const bool writable = LiveReadOnly || !(HandleAssigned() && ReadOnly());
  const bool spelling = a && QuillSpell && LiveSpelling && writable;
  const bool correcting = b && QuillSpell && LiveCorrect && writable;
  if (spelling != SpellingActive) {
    SpellingActive = spelling;
    if (!SpellingActive) LineCaches.Clear();
    if (HandleAssigned()) InvalidateAll();
  }
  CorrectingActive = correcting;
}

// --- Engine notifications -------------------------------------------------

void TQuillLiveRichEdit::OnAddCustomIgnore(void*) {
  if (LiveOptions) CheckWatchSpelling();
}

void TQuillLiveRichEdit::OnConfigChanged(void*) {
  if (SpellingActive && HandleAssigned()) {
    MarkAllLinesDirty();
    InvalidateAll();
  }
  if (QuillSpell && QuillSpell->ReadMainDictionaryCount() > 0) {
    if (auto* cutter = dynamic_cast<TMainParsingEngine*>(ParsingEngine.get()))
      cutter->SetFrenchExceptions((QuillSpell->ReadMainDictionary(0)->ReadLanguage() & 0xFF) == 12);
  }
}

// --- Verdicts -------------------------------------------------------------

bool TQuillLiveRichEdit::WordOK(const std::string& word, const std::string& previous) {
  if (!QuillSpell) return true;
  TWordCheckType verdict = QuillSpell->Verdict(word).Type;
  bool ok = verdict == wcAccepted;
  if (!ok && TrackPreviousWord && IgnoreOnce.Accepts(word, previous)) ok = true;
  if (OnWordCheck) {
    std::string replacement;
    OnWordCheck(this, word, replacement, verdict);
  }
  return ok;
}

TLiveWordTest TQuillLiveRichEdit::WordTest() {
  return [this](const std::string& word, const std::string& previous) { return WordOK(word, previous); };
}

void TQuillLiveRichEdit::MarkAllLinesDirty() { LineCaches.MarkAllDirty(); }

void TQuillLiveRichEdit::MarkLineHeightCacheDirty() { LineCaches.MarkHeightsDirty(); }

void TQuillLiveRichEdit::Check(TCheckType type) {
  if (!QuillSpell || !HandleAssigned() || QuillSpell->ReadChecking()) return;
  // The cursor stays with this object: a run that waits for the user still
  // reads through it after this call returned.
  CheckRunParser = std::make_unique<TWinAPIControlParser>();
  CheckRunParser->InitializeFromHWND(WindowHandle);
  QuillSpell->CheckParser(CheckRunParser.get(), type);
}

// --- Window queries -------------------------------------------------------

void TQuillLiveRichEdit::VerifyHandle() {
  if (WinControl && WindowHandle && WinControl->Handle() && WinControl->Handle() != WindowHandle)
    WindowHandle = WinControl->Handle();
}

bool TQuillLiveRichEdit::HandleAssigned() {
  VerifyHandle();
  return WindowHandle != nullptr;
}

int32_t TQuillLiveRichEdit::SelStart() const {
  if (!WindowHandle) return 0;
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int32_t>(start);
}

int32_t TQuillLiveRichEdit::SelLength() const {
  if (!WindowHandle) return 0;
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int32_t>(end) - static_cast<int32_t>(start);
}

std::string TQuillLiveRichEdit::SelText() const {
  const int32_t length = SelLength();
  if (!WindowHandle || length <= 0 || length >= 4000) return {};
  // As UTF-16 whatever the window's own character form.
  std::u16string buffer(static_cast<size_t>(length) + 2, u'\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(buffer.size() * sizeof(char16_t));
  request.flags = GT_SELECTION;
  request.codepage = 1200;
  const LRESULT got = Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
  return EngineTextOfUtf16(buffer);
}

std::string TQuillLiveRichEdit::GetLineString(int32_t line) const {
  if (!WindowHandle) return {};
  constexpr int kChars = 4096;
  std::u16string buffer(kChars + 1, u'\0');
  buffer[0] = static_cast<char16_t>(kChars);
  const LRESULT got = Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, kChars)));
  return EngineTextOfUtf16(buffer);
}

bool TQuillLiveRichEdit::WordWrap() const {
  return WindowHandle && (GetWindowLongPtrW(WindowHandle, GWL_STYLE) & ES_MULTILINE) != 0;
}

bool TQuillLiveRichEdit::ReadOnly() const {
  return WindowHandle && (GetWindowLongPtrW(WindowHandle, GWL_STYLE) & ES_READONLY) != 0;
}

int32_t TQuillLiveRichEdit::LineIndex(int32_t line) const {
  return static_cast<int32_t>(Send(EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

POINT TQuillLiveRichEdit::PosFromChar(int32_t index) const {
  POINTL p{0, 0};
  Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), static_cast<LPARAM>(index));
  return POINT{p.x, p.y};
}

RECT TQuillLiveRichEdit::Client() const {
  RECT r{0, 0, 0, 0};
  if (WindowHandle) GetClientRect(WindowHandle, &r);
  return r;
}

void TQuillLiveRichEdit::InvalidateAll() const {
  if (WindowHandle) InvalidateRect(WindowHandle, nullptr, FALSE);
}

void TQuillLiveRichEdit::SetUpdateState(bool updating) {
  if (!HandleAssigned()) return;
  if (updating) {
    if (IsWindowVisible(WindowHandle)) Send(WM_SETREDRAW, FALSE, 0);
    return;
  }
  Send(WM_SETREDRAW, TRUE, 0);
  InvalidateRect(WindowHandle, nullptr, TRUE);
  UpdateWindow(WindowHandle);
  // The toolkit's controls raise their change event from this notification.
  if (HWND parent = GetParent(WindowHandle))
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(WindowHandle), EN_CHANGE),
                 reinterpret_cast<LPARAM>(WindowHandle));
}

void TQuillLiveRichEdit::ReplaceSelection(const std::string& text) {
  const std::u16string wide = Utf16OfEngineText(text);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace tq::spell
