// TQuillLiveRichEdit: live spelling of one rich edit window. It asks the
// engine component for a verdict on each word of the visible lines, keeps the
// results per line, and draws a red zigzag under the misspelt words over the
// control's own painting: the document, its formatting and its undo history
// are never touched by marking. It also corrects a word as the user types a
// separator after it, opens the spelling menu on a marked word and keeps the
// ignore-once list. It is a plain object; TQuillRichEditSubclass feeds it the
// window's messages. It is made for the program's own rich edit.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "spell/engine/parsing_engine.h"
#include "spell/engine/quill_spell_base.h"
#include "spell/engine/spell_popup_menu.h"
#include "spell/engine/string_parser.h"
#include "spell/live/core/line_scan.h"
#include "spell/window/win_api_control_parser.h"

namespace tq::ui {
class Wnd;
}

namespace tq::spell {

class TQuillLiveRichEdit {
 public:
  using TWordCheckEvent = std::function<void(TQuillLiveRichEdit* Sender, const std::string& Word,
                                             std::string& Replacement, TWordCheckType& CheckType)>;

  TQuillLiveRichEdit();
  virtual ~TQuillLiveRichEdit();
  TQuillLiveRichEdit(const TQuillLiveRichEdit&) = delete;
  TQuillLiveRichEdit& operator=(const TQuillLiveRichEdit&) = delete;

  // Engine notifications (registered with the engine's listener lists).
  virtual void OnAddCustomIgnore(void* Sender);
  virtual void OnConfigChanged(void* Sender);
  virtual void OnParserIgnoreWord(void* Sender);
  virtual void OnPopupResult(void* Sender);

  virtual void VerifyHandle();
  virtual bool HandleAssigned();
  // Whether a paint renders off-screen and draws the markers over it.
  virtual bool CurrentlyDoubleBuffering();
  virtual void MarkLineHeightCacheDirty();
  virtual void MarkAllLinesDirty();
  // Works out whether marking and correction are on.
  virtual void CheckWatchSpelling();
  // The verdict on a word of the text, previous being the word before it.
  virtual bool WordOK(const std::string& word, const std::string& previous);
  virtual void WriteWinControl(ui::Wnd* control);
  virtual void WriteHWND(HWND handle);
  virtual void WriteParsingEngine(std::unique_ptr<TParsingEngine> engine);
  virtual void WriteLiveSpelling(bool on);
  virtual void WriteLiveCorrect(bool on);
  virtual void WriteQuillSpell(TQuillSpellBase* engine);
  virtual void WriteLiveColor(COLORREF color);
  virtual void WriteLiveOptions(bool on);
  virtual void WriteLiveReadOnly(bool on);
  // Replaces every exact occurrence of word in the window.
  virtual void SearchAndReplace(const std::string& word, const std::string& replacement);
  // iwIgnore: the selected occurrence joins the ignore-once list;
  // iwIgnoreAll, iwAdd: every line is checked again.
  virtual void IgnoreWord(TIgnoreWordState state);
  // A check run of the engine over the window.
  virtual void Check(TCheckType type);

  ui::Wnd* ReadWinControl() const { return WinControl; }
  HWND ReadHWND() const { return WindowHandle; }
  TQuillSpellBase* ReadQuillSpell() const { return QuillSpell; }
  bool ReadLiveSpelling() const { return LiveSpelling; }
  bool ReadLiveCorrect() const { return LiveCorrect; }
  bool ReadLiveOptions() const { return LiveOptions; }
  bool ReadLiveReadOnly() const { return LiveReadOnly; }
  COLORREF ReadLiveColor() const { return LiveColor; }
  bool ReadSpellingActive() const { return SpellingActive; }
  bool ReadCorrectingActive() const { return CorrectingActive; }
  bool ReadBusy() const { return Busy; }
  bool ReadBufferingAllowed() const { return BufferingAllowed; }
  bool ReadMarginDetected() const { return MarginDetected; }
  TParsingEngine& ReadParsingEngine() { return *ParsingEngine; }
  TLineCaches& ReadLineCaches() { return LineCaches; }
  TIgnoreOnceList& ReadIgnoreOnce() { return IgnoreOnce; }

  // Positions are the window's UTF-16 units; texts are engine text, one
  // byte per unit (spell/engine/control_text.h).
  int32_t SelStart() const;
  int32_t SelLength() const;
  std::string SelText() const;
  std::string GetLineString(int32_t line) const;
  bool WordWrap() const;
  bool ReadOnly() const;
  // Switches redrawing off for a change of the text and on again after it.
  void SetUpdateState(bool updating);

  // The characters after which typing corrects the word before them.
  static constexpr std::string_view kExpansionChars = " .,;:\t";

  // Plain settings of the owner.
  bool AggressiveContextMenu = false;
  TSpellPopupOptions LiveMenuOptions = TSpellPopupOptions::All();
  TWordCheckEvent OnWordCheck;
  // Runs the spell-check dialog over the window's selection: the menu's
  // dialog item. None: the item does nothing.
  std::function<void(HWND window)> RunDialog;

 protected:
  // Message handlers; those answering bool answer whether the message was
  // handled (WMPaint: whether it goes on to the control).
  bool WMPaint(bool& secondPass);
  void WMPaintCleanup();
  // Whether the control may erase the background.
  bool WMEraseBkgnd(HDC dc);
  void WMSize();
  bool WMContextMenu(LPARAM position);
  bool WMContextMenuInternal(POINT screen);
  bool WMRButtonDown(LPARAM position);
  bool WMKeyDown(WPARAM key);
  // character: the UTF-16 unit of WM_CHAR.
  void KeyPress(wchar_t character);
  void WMKeyUp();
  void EMSetReadOnly();
  void EMSetTargetDevice();
  void EMGetOleInterface();
  void NotifySelectionChange();
  void CheckCorrect(char character);

  // Scans the visible lines that need it and draws their markers; with
  // only, just the lines that reach into that client rectangle.
  void PaintSpellingErrors(HDC dc, const RECT* only = nullptr);
  // The zigzag from x = xs to xe with its bottom at y − 2.
  void DrawMarker(HDC dc, int32_t y, int32_t xs, int32_t xe);
  // The marker's y for a line whose first character is at top; nextIndex and
  // next: the next line's first character and its y (nextIndex -1: none).
  int32_t GetDrawingYPos(HDC dc, int32_t line, bool changed, const TSpellingError& firstError, int32_t top,
                         int32_t nextIndex, int32_t next);

  // Window helpers.
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(WindowHandle, msg, wp, lp); }
  int32_t LineIndex(int32_t line) const;
  POINT PosFromChar(int32_t index) const;
  RECT Client() const;
  void InvalidateAll() const;
  // Replaces the window's selection (with engine text) as one step the user
  // can undo.
  void ReplaceSelection(const std::string& text);

  ui::Wnd* WinControl = nullptr;
  HWND WindowHandle = nullptr;
  bool LiveSpelling = true;
  bool LiveCorrect = true;
  TQuillSpellBase* QuillSpell = nullptr;
  COLORREF LiveColor = RGB(255, 0, 0);
  bool LiveOptions = true;
  bool LiveReadOnly = false;
  char LastChar = 0;
  TWinAPIControlParser ControlParser;
  std::unique_ptr<TParsingEngine> ParsingEngine;
  bool SpellingActive = false;
  bool CorrectingActive = false;
  bool Busy = false;
  bool TrackPreviousWord = true;
  bool VersionUnchecked = true;
  bool NewRichEdit = false;
  bool PaintOk = true;
  int32_t LastFirstLine = 0;
  bool MarginDetected = false;
  bool BufferingAllowed = true;
  TLineCaches LineCaches;
  TIgnoreOnceList IgnoreOnce;
  std::unique_ptr<TWinAPIControlParser> CheckRunParser;
  // The height of a text line in the window's own device context, taken
  // once per paint.
  int32_t WindowLineHeight = 0;
  // What the control repaints in the current paint (client coordinates).
  RECT PaintArea{};
  bool PaintAreaKnown = false;

 private:
  void InstallHooks();
  void PaintBuffered();
  void RunDialogOnSelection();
  TLiveWordTest WordTest();
};

}  // namespace tq::spell
