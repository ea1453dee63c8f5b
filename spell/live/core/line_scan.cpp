#include "spell/live/core/line_scan.h"

#include <algorithm>

#include "spell/engine/string_parser.h"

namespace tq::spell {

TLineCache& TLineCaches::Entry(int line) {
  if (line >= SlotCount()) slots_.resize(static_cast<size_t>(line) + 64);
  auto& slot = slots_[static_cast<size_t>(line)];
  if (!slot) slot = std::make_unique<TLineCache>();
  return *slot;
}

TLineCache* TLineCaches::Find(int line) {
  if (line < 0 || line >= SlotCount()) return nullptr;
  return slots_[static_cast<size_t>(line)].get();
}

void TLineCaches::MarkAllDirty() {
  for (auto& slot : slots_)
    if (slot) slot->Dirty = true;
}

void TLineCaches::MarkHeightsDirty() {
  for (auto& slot : slots_)
    if (slot) slot->CachedBottom = 0;
}

namespace {
// Calls visit(word, x) for each word of text, x the 1-based index just after
// it, until visit answers false.
template <typename Visit>
void ForEachWord(const std::string& text, TParsingEngine& cutter, Visit visit) {
  std::string line = text;
  TStringParser parser(line);
  cutter.Initialize(&parser, ctAll);
  std::string word;
  for (cutter.NextWord(word); !word.empty(); cutter.NextWord(word)) {
    int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    if (!visit(word, x)) break;
  }
}
}  // namespace

TLineScan ScanLine(const std::string& text, TParsingEngine& cutter, const TLiveWordTest& wordOK, bool trackPrevious,
                   int32_t caretColumn) {
  TLineScan scan;
  std::string previous;
  ForEachWord(text, cutter, [&](const std::string& word, int32_t x) {
    if (!wordOK(word, previous)) {
      const int32_t end = x - 1;
      if (end == caretColumn) {
        scan.keep = true;
      } else {
        scan.errors.push_back({end - static_cast<int32_t>(word.size()), end});
      }
    }
    if (trackPrevious) previous = word;
    return true;
  });
  return scan;
}

TWordAtColumn FindMisspeltWordAt(const std::string& text, int32_t column, TParsingEngine& cutter,
                                 const TLiveWordTest& wordOK, bool trackPrevious) {
  TWordAtColumn found;
  std::string previous;
  ForEachWord(text, cutter, [&](const std::string& word, int32_t x) {
    if (!wordOK(word, previous)) {
      const int32_t start = x - 1 - static_cast<int32_t>(word.size());
      if (start <= column && column <= x - 1) {
        found = {true, word, start};
        return false;
      }
      if (column < x) return false;  // the rejected word lies wholly after the position
    }
    if (trackPrevious) previous = word;
    return true;
  });
  return found;
}

TWordAndPrevious WordAtOrAfter(const std::string& text, int32_t column, TParsingEngine& cutter) {
  TWordAndPrevious at;
  std::string previous;
  ForEachWord(text, cutter, [&](const std::string& word, int32_t x) {
    if (x - 1 - static_cast<int32_t>(word.size()) >= column) {
      at = {true, word, previous};
      return false;
    }
    previous = word;
    return true;
  });
  return at;
}

TIgnoreOnceList::TIgnoreOnceList() : words_(std::make_unique<TCustomDictionary>()) {}

void TIgnoreOnceList::Add(const std::string& word, const std::string& previous) {
  words_->AddIgnore(word);
  index_[word].insert(previous);
}

bool TIgnoreOnceList::Accepts(const std::string& word, const std::string& previous) {
  if (!words_->IgnoreExists(word)) return false;
  const auto it = index_.find(word);
  return it != index_.end() && it->second.count(previous) > 0;
}

std::vector<TMarkerPoint> MarkerPoints(int32_t xs, int32_t xe, int32_t y) {
  std::vector<TMarkerPoint> points;
  for (int32_t x = xs; x < xe && points.size() < 1024; x += 2)
    points.push_back({x, points.size() % 2 == 0 ? y - 4 : y - 2});
  if (!points.empty()) points.back().x = xe;
  return points;
}

}  // namespace tq::spell
