// Window-free logic of live spelling: the misspelt words of one line as the
// marker sees them, the per-line results kept between paints, the ignore-once
// list, and the word a spelling menu is opened on.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "spell/engine/custom_dictionary.h"
#include "spell/engine/parsing_engine.h"

namespace tq::spell {

// A misspelt word of a line: 0-based columns of its first character and just
// after its last.
struct TSpellingError {
  int32_t StartX = 0;
  int32_t EndX = 0;
  friend bool operator==(const TSpellingError&, const TSpellingError&) = default;
};

// The scan result of one line.
struct TLineCache {
  std::string Text;
  std::vector<TSpellingError> Errors;
  bool Dirty = true;  // scan again at the next paint
  int32_t HeightKey = 0;
  int32_t CachedBottom = 0;  // 0: no measured marker position
  // The markers' x coordinates (start and end of each error) as last drawn,
  // valid while the line starts at XKeyLeft and its last error ends at
  // XKeyRight: asking the control for character positions is slow.
  std::vector<int32_t> MarkerX;
  int32_t XKeyLeft = 0;
  int32_t XKeyRight = -1;
};

// Scan results by line number; a slot may be empty.
class TLineCaches {
 public:
  // The entry of line, made (empty, dirty) when missing; the list grows to
  // line + 64 slots when it is too short.
  TLineCache& Entry(int line);
  TLineCache* Find(int line);
  int SlotCount() const { return static_cast<int>(slots_.size()); }
  void Clear() { slots_.clear(); }
  void MarkAllDirty();
  void MarkHeightsDirty();

 private:
  std::vector<std::unique_ptr<TLineCache>> slots_;
};

// Whether a word is acceptable where it stands; previous is the word before
// it on its line (empty at the line's start).
using TLiveWordTest = std::function<bool(const std::string& word, const std::string& previous)>;

// The words of a line the engine rejects. A rejected word ending exactly at
// caretColumn (the user may still be typing it) is left out and reported in
// keep. Previous words are passed only with trackPrevious.
struct TLineScan {
  std::vector<TSpellingError> errors;
  bool keep = false;
};
TLineScan ScanLine(const std::string& text, TParsingEngine& cutter, const TLiveWordTest& wordOK, bool trackPrevious,
                   int32_t caretColumn);

// The rejected word on or just after whose last character column lies.
struct TWordAtColumn {
  bool found = false;
  std::string word;
  int32_t startX = 0;  // 0-based column of its first character
};
TWordAtColumn FindMisspeltWordAt(const std::string& text, int32_t column, TParsingEngine& cutter,
                                 const TLiveWordTest& wordOK, bool trackPrevious);

// The first word of a line that starts at or after column, with the word
// read before it (empty when none).
struct TWordAndPrevious {
  bool found = false;
  std::string word;
  std::string previous;
};
TWordAndPrevious WordAtOrAfter(const std::string& text, int32_t column, TParsingEngine& cutter);

// Words the user ignored once, each with the words that preceded it where
// it was ignored. Kept in memory only.
class TIgnoreOnceList {
 public:
  TIgnoreOnceList();
  void Add(const std::string& word, const std::string& previous);
  // Whether word was ignored after previous (exact comparison).
  bool Accepts(const std::string& word, const std::string& previous);
  TCustomDictionary& Words() { return *words_; }

 private:
  std::unique_ptr<TCustomDictionary> words_;
  std::map<std::string, std::set<std::string>> index_;
};

// The zigzag under a word from x = xs to xe with its upper points at y − 4
// and lower at y − 2: a point every 2 pixels (at most 1024), the last moved to
// xe. Empty when xs >= xe.
struct TMarkerPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TMarkerPoint&, const TMarkerPoint&) = default;
};
std::vector<TMarkerPoint> MarkerPoints(int32_t xs, int32_t xe, int32_t y);

}  // namespace tq::spell
