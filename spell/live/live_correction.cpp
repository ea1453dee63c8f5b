// TQuillLiveRichEdit beyond marking: correction as the user types a word
// separator, the spelling menu on a marked word and what its choice does to
// the text, replace-all, and the ignore-once list.
#include <richedit.h>
#include <windowsx.h>

#include <chrono>

#include "spell/engine/control_text.h"
#include "spell/live/quill_live_rich_edit.h"

namespace tq::spell {

namespace {
// The hourglass while a long pass runs, the previous cursor back afterwards.
class HourglassAfter {
 public:
  explicit HourglassAfter(std::chrono::milliseconds delay) : start_(std::chrono::steady_clock::now()), delay_(delay) {}
  ~HourglassAfter() {
    if (shown_) SetCursor(previous_);
  }
  HourglassAfter(const HourglassAfter&) = delete;
  HourglassAfter& operator=(const HourglassAfter&) = delete;
  void Tick() {
    if (!shown_ && std::chrono::steady_clock::now() - start_ > delay_) {
      previous_ = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_WAIT))));
      shown_ = true;
    }
  }

 private:
  std::chrono::steady_clock::time_point start_;
  std::chrono::milliseconds delay_;
  bool shown_ = false;
  HCURSOR previous_ = nullptr;
};
}  // namespace

// --- Keyboard and mouse -------------------------------------------------------

bool TQuillLiveRichEdit::WMContextMenu(LPARAM position) {
  if (AggressiveContextMenu) return true;  // the menu opened on the button press
  return WMContextMenuInternal(POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)});
}

bool TQuillLiveRichEdit::WMRButtonDown(LPARAM position) {
  if (!AggressiveContextMenu || !HandleAssigned()) return false;
  POINT p{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ClientToScreen(WindowHandle, &p);
  return WMContextMenuInternal(p);
}

bool TQuillLiveRichEdit::WMKeyDown(WPARAM key) {
  if (!AggressiveContextMenu) return false;
  if (key == VK_APPS || (key == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000)))
    return WMContextMenuInternal(POINT{-1, -1});
  return false;
}

void TQuillLiveRichEdit::KeyPress(wchar_t character) { LastChar = EngineByteOfUnit(static_cast<char16_t>(character)); }

void TQuillLiveRichEdit::WMKeyUp() {
  if (!LastChar) return;
  const char typed = LastChar;
  LastChar = 0;
  CheckCorrect(typed);
}

// --- The spelling menu ----------------------------------------------------------

bool TQuillLiveRichEdit::WMContextMenuInternal(POINT screen) {
  if (!SpellingActive || !QuillSpell || !HandleAssigned()) return false;
  POINT p;
  if (screen.x < 0) {
    p = PosFromChar(SelStart());
    p.x += 1;
    p.y += 1;
  } else {
    p = screen;
    ScreenToClient(WindowHandle, &p);
  }
  const RECT client = Client();
  if (!PtInRect(&client, p)) return false;
  POINTL at{p.x, p.y};
  const int32_t index = static_cast<int32_t>(Send(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
  const int32_t line = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(index), 0));
  const int32_t column = index - LineIndex(line);
  const std::string text = GetLineString(line);
  if (QuillSpell->RunLineIgnore(text)) return false;
  const TWordAtColumn found = FindMisspeltWordAt(text, column, *ParsingEngine, WordTest(), TrackPreviousWord);
  if (!found.found) return false;

  const int32_t length = static_cast<int32_t>(found.word.size());
  ControlParser.InitializeFromHWND(WindowHandle);
  ControlParser.SetPosition(found.startX + length, line, ptCurrent);
  ControlParser.SelectWord(length);
  TSpellRect r;
  ControlParser.GetSelectionScreenPosition(r);

  std::string replacement = found.word;
  const TSpellPopupOption result =
      QuillSpell->ShowPopupMenu(WinControl, LiveMenuOptions, r.Left, r.Bottom, replacement);
  if (!HandleAssigned()) return true;  // the window went while the menu was open
  switch (result) {
    case spDialog:
      RunDialogOnSelection();
      break;
    case spAutoCorrect:
    case spReplace:
      ReplaceSelection(replacement);
      break;
    case spChangeAll:
      ReplaceSelection(replacement);
      SearchAndReplace(found.word, replacement);
      break;
    case spAdd:
    case spIgnoreAll:
      MarkAllLinesDirty();
      InvalidateAll();
      break;
    case spIgnore:
      IgnoreWord(iwIgnore);
      break;
    case spCancel:
      break;
  }
  POINT topLeft{r.Left, r.Top}, bottomRight{r.Right, r.Bottom};
  ScreenToClient(WindowHandle, &topLeft);
  ScreenToClient(WindowHandle, &bottomRight);
  RECT band{client.left, topLeft.y - 1, client.right, bottomRight.y + 1};
  InvalidateRect(WindowHandle, &band, FALSE);
  return true;
}

void TQuillLiveRichEdit::RunDialogOnSelection() {
  if (!RunDialog || !QuillSpell || QuillSpell->ReadChecking()) return;
  RunDialog(WindowHandle);
}

void TQuillLiveRichEdit::OnPopupResult(void* Sender) {
  if (Sender != QuillSpell || !QuillSpell) return;
  const TSpellPopupOption result = QuillSpell->ReadPopupResult();
  if ((result == spAdd || result == spIgnoreAll) && HandleAssigned()) {
    MarkAllLinesDirty();
    InvalidateAll();
  }
}

// --- Correction while typing ------------------------------------------------------

void TQuillLiveRichEdit::CheckCorrect(char character) {
  const int32_t caret = SelStart();
  if (!CorrectingActive || !QuillSpell || !HandleAssigned()) return;
  if (kExpansionChars.find(character) == std::string_view::npos || SelLength() != 0) return;
  const int32_t line = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(caret), 0));
  const int32_t start = LineIndex(line);
  ControlParser.InitializeFromHWND(WindowHandle);
  ParsingEngine->Initialize(&ControlParser, ctAll);
  ParsingEngine->AdjustToPosition(caret - start - 2, line);
  std::string word;
  ParsingEngine->NextWord(word);
  if (word.empty()) return;
  if (WordOK(word, "") && !QuillSpell->UseAutoCorrectFirst) return;
  std::string replacement;
  if (!QuillSpell->WordHasCorrection(word, replacement)) return;

  struct UpdateScope {
    TQuillLiveRichEdit& self;
    explicit UpdateScope(TQuillLiveRichEdit& s) : self(s) { self.SetUpdateState(true); }
    ~UpdateScope() { self.SetUpdateState(false); }
  } update(*this);
  ControlParser.SelectWord(static_cast<int32_t>(word.size()));
  ReplaceSelection(replacement);
  const int32_t after = caret + static_cast<int32_t>(replacement.size()) - static_cast<int32_t>(word.size());
  Send(EM_SETSEL, static_cast<WPARAM>(after), static_cast<LPARAM>(after));
}

void TQuillLiveRichEdit::SearchAndReplace(const std::string& word, const std::string& replacement) {
  if (word == replacement || Busy || !HandleAssigned()) return;
  HourglassAfter hourglass(std::chrono::milliseconds(500));
  DWORD selStart = 0, selEnd = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
  Busy = true;
  SetUpdateState(true);
  struct Restore {
    TQuillLiveRichEdit& self;
    DWORD start, end;
    ~Restore() {
      self.Send(EM_SETSEL, start, end);
      self.SetUpdateState(false);
      self.Busy = false;
      self.InvalidateAll();
    }
  } restore{*this, selStart, selEnd};
  ControlParser.InitializeFromHWND(WindowHandle);
  ParsingEngine->Initialize(&ControlParser, ctAll);
  std::string found;
  for (ParsingEngine->NextWord(found); !found.empty(); ParsingEngine->NextWord(found)) {
    hourglass.Tick();
    if (found != word) continue;
    ControlParser.SelectWord(static_cast<int32_t>(found.size()));
    ReplaceSelection(replacement);
    // On past the new text; the cursor reads its line again.
    int32_t x = 0, y = 0;
    ControlParser.GetPosition(x, y);
    ControlParser.SetPosition(x + static_cast<int32_t>(replacement.size()), y, ptCurrent);
  }
}

// --- Ignoring ------------------------------------------------------------------

void TQuillLiveRichEdit::IgnoreWord(TIgnoreWordState state) {
  if (!SpellingActive || !HandleAssigned()) return;
  if (state == iwIgnore) {
    ControlParser.InitializeFromHWND(WindowHandle);
    int32_t column = 0, line = 0;
    ControlParser.GetCursorPosition(column, line);
    ParsingEngine->Initialize(&ControlParser, ctAll);
    ParsingEngine->AdjustToPosition(column, line);
    std::string word;
    ParsingEngine->NextWord(word);
    if (word.empty() || word != SelText()) return;
    const TWordAndPrevious at = WordAtOrAfter(GetLineString(line), column, *ParsingEngine);
    if (!at.found || at.word != word) return;
    ControlParser.SelectWord(static_cast<int32_t>(word.size()));
    IgnoreOnce.Add(word, at.previous);
    if (TLineCache* entry = LineCaches.Find(line)) {
      TSpellRect r;
      ControlParser.GetSelectionScreenPosition(r);
      POINT topLeft{r.Left, r.Top}, bottomRight{r.Right, r.Bottom};
      ScreenToClient(WindowHandle, &topLeft);
      ScreenToClient(WindowHandle, &bottomRight);
      RECT area{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y + 4};
      InvalidateRect(WindowHandle, &area, FALSE);
      entry->Dirty = true;
    }
  } else if (state == iwIgnoreAll || state == iwAdd) {
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Send(EM_SETSEL, start, start);
    MarkAllLinesDirty();
    InvalidateAll();
    UpdateWindow(WindowHandle);
  }
}

void TQuillLiveRichEdit::OnParserIgnoreWord(void* Sender) {
  if (Sender != QuillSpell || !QuillSpell || QuillSpell->ReadIgnoreWordBefore() || !SpellingActive) return;
  const TIgnoreWordState state = QuillSpell->ReadIgnoreWordState();
  if (state == iwIgnoreAll || state == iwAdd || SelText() == QuillSpell->ReadCurrentWord()) IgnoreWord(state);
}

}  // namespace tq::spell
