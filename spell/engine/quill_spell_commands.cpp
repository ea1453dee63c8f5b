// The commands that answer a check run's stop, undo, and the word and
// error counts.
#include "spell/engine/quill_spell_base.h"
#include "spell/engine/string_parser.h"

namespace tq::spell {

void TQuillSpellBase::Check_Ignore() {
  if (!RunCommandAllowed(true)) return;
  SetUndoAction(saIgnore, "", false);
  Fire_IgnoreWord(iwIgnore);
  ContinueCheck();
}

void TQuillSpellBase::Check_RepeatIgnore() { Check_Ignore(); }

void TQuillSpellBase::Check_IgnoreAll() {
  if (!RunCommandAllowed(false)) return;
  SetUndoAction(saIgnoreAll, "", false);
  ignoreAll_->AddIgnore(currentWord_);
  Fire_IgnoreWord(iwIgnoreAll);
  ContinueCheck();
}

void TQuillSpellBase::Check_Change(const std::string& replacement) {
  if (!RunCommandAllowed(false)) return;
  const std::string word = currentWord_;
  SetUndoAction(saChange, replacement, false);
  Fire_ReplaceWord(replacement, 0);
  if (RecheckReplacedWords && currentParser_) {
    int32_t x = 0, y = 0;
    currentParser_->GetPosition(x, y);
    currentParser_->SetPosition(x - static_cast<int32_t>(replacement.size()), y, ptCurrent);
  }
  LearnSuggestion(word, replacement);
  ContinueCheck();
}

void TQuillSpellBase::Check_ChangeAll(const std::string& replacement) {
  if (!RunCommandAllowed(false)) return;
  const std::string word = currentWord_;
  SetUndoAction(saChangeAll, replacement, false);
  ignoreAll_->AddAutoCorrect(word, replacement);
  Fire_ReplaceWord(replacement, 1);
  LearnSuggestion(word, replacement);
  ContinueCheck();
}

void TQuillSpellBase::Check_Add() {
  if (!RunCommandAllowed(false)) return;
  SetUndoAction(saAdd, "", false);
  if (activeCustom_) activeCustom_->AddIgnore(currentWord_);
  Fire_IgnoreWord(iwAdd);
  ContinueCheck();
}

void TQuillSpellBase::Check_AutoCorrect(const std::string& replacement) {
  if (!RunCommandAllowed(false)) return;
  const std::string word = currentWord_;
  SetUndoAction(saAutoCorrect, replacement, false);
  if (activeCustom_) activeCustom_->AddAutoCorrect(word, replacement);
  LearnSuggestion(word, replacement);
  Fire_ReplaceWord(replacement, 2);
  ContinueCheck();
}

void TQuillSpellBase::Check_Undo() {
  if (!checking_ || !ReadCanUndo()) return;
  PerformUndo();
  ContinueCheck();
}

void TQuillSpellBase::Check_RepeatDelete() {
  if (!checking_ || !currentParser_ || !repeated_) return;
  SetUndoAction(saChange, previousWord_, false);
  Fire_ReplaceWord(previousWord_, 0);
  ContinueCheck();
}

void TQuillSpellBase::Check_ControlEdited() {
  if (!checking_ || !currentParser_) return;
  undo_.clear();
  int32_t x = 0, y = 0, caretX = 0, caretY = 0;
  currentParser_->GetPosition(x, y);
  x = std::max(x - static_cast<int32_t>(currentWord_.size()), 0);
  currentParser_->GetCursorPosition(caretX, caretY);
  if (!ResumeFromLastPosition || caretY < y || (caretY == y && caretX < x)) {
    x = caretX;
    y = caretY;
  }
  parsingEngine_->AdjustToPosition(x, y);
  ContinueCheck();
}

void TQuillSpellBase::Check_Cancel() {
  if (!checking_) return;
  cancelled_ = true;
  CompleteCheck();
}

void TQuillSpellBase::SetUndoAction(TSpellAction action, const std::string& data, bool chained) {
  if (!currentParser_ || MaxUndo == 0) return;
  TQuillUndo entry;
  currentParser_->GetPosition(entry.X, entry.Y);
  entry.OldWord = currentWord_;
  entry.Action = action;
  entry.Data = data;
  entry.Chained = chained;
  undo_.push_back(entry);
  Fire_UndoLast(0, action, undo_.back().Owner);
  if (MaxUndo != -1)
    while (undo_.size() > static_cast<size_t>(std::max(MaxUndo, 0))) undo_.erase(undo_.begin());
}

void TQuillSpellBase::PerformUndo() {
  if (undo_.empty() || !currentParser_) return;
  TQuillUndo entry = undo_.back();
  Fire_UndoLast(1, entry.Action, entry.Owner);
  TControlParser& parser = *currentParser_;
  auto undoChange = [&](int32_t state) {
    parser.SetPosition(entry.X + static_cast<int32_t>(entry.Data.size()), entry.Y, ptCurrent);
    parser.SelectWord(static_cast<int32_t>(entry.Data.size()));
    Fire_ReplaceWord(entry.OldWord, state);
  };
  switch (entry.Action) {
    case saIgnore:
      break;
    case saIgnoreAll:
      ignoreAll_->RemoveIgnore(entry.OldWord);
      break;
    case saChange:
      undoChange(3);
      break;
    case saChangeAll:
      ignoreAll_->RemoveAutoCorrect(entry.OldWord);
      undoChange(4);
      break;
    case saAdd:
      if (activeCustom_) activeCustom_->RemoveIgnore(entry.OldWord);
      break;
    case saAutoCorrect:
      if (activeCustom_) activeCustom_->RemoveAutoCorrect(entry.OldWord);
      ignoreAll_->RemoveAutoCorrect(entry.OldWord);
      undoChange(5);
      break;
  }
  parser.SetPosition(entry.X, entry.Y, ptCurrent);
  undo_.pop_back();
  Fire_UndoLast(2, entry.Action, entry.Owner);
  if (entry.Chained) PerformUndo();
}

void TQuillSpellBase::CountWords(TControlParser* parser, TCheckType type, int& words, int& errors, bool& present,
                                   bool stopAtFirst, bool countErrors) {
  words = errors = 0;
  present = false;
  if (!parser || (type != ctAll && type != ctSelected)) return;
  config_->EnsureLoaded();
  int32_t caretX = 0, caretY = 0;
  parser->GetCursorPosition(caretX, caretY);
  // A cutter of our own, alike to the run's, so a running check is not disturbed.
  TMainParsingEngine cutter;
  if (auto* main = dynamic_cast<TMainParsingEngine*>(parsingEngine_.get())) cutter = *main;
  cutter.InlineIgnore = [this](char c, TControlParser* p, bool& ignore) { RunInlineIgnore(c, p, ignore); };
  cutter.WordIgnore = [this](const std::string& w, TControlParser* p, bool& ignore) {
    RunPreCheckIgnore(w, p, ignore);
  };
  cutter.Initialize(parser, type);
  TControlParser* const runParser = currentParser_;
  currentParser_ = parser;
  std::string previous, word;
  for (cutter.NextWord(word); !word.empty(); cutter.NextWord(word)) {
    ++words;
    if (!countErrors) continue;
    if (JudgeWord(word, previous, parser, nullptr) != wcAccepted) {
      ++errors;
      if (stopAtFirst) break;
    }
  }
  currentParser_ = runParser;
  if (EndCursorPosition == epHome)
    parser->SetPosition(0, 0, ptCurrent);
  else if (EndCursorPosition == epOriginal)
    parser->SetPosition(caretX, caretY, ptCurrent);
  present = errors > 0;
}

int TQuillSpellBase::GetWordCountParser(TControlParser* parser, TCheckType type) {
  int words = 0, errors = 0;
  bool present = false;
  CountWords(parser, type, words, errors, present, false, false);
  return words;
}

int TQuillSpellBase::GetErrorCountParser(TControlParser* parser, TCheckType type) {
  int words = 0, errors = 0;
  bool present = false;
  CountWords(parser, type, words, errors, present, false, true);
  return errors;
}

bool TQuillSpellBase::ErrorsPresentInParser(TControlParser* parser, TCheckType type) {
  int words = 0, errors = 0;
  bool present = false;
  CountWords(parser, type, words, errors, present, true, true);
  return present;
}

int TQuillSpellBase::GetWordCountString(const std::string& text) {
  std::string copy = text;
  TStringParser parser(copy);
  return GetWordCountParser(&parser, ctAll);
}

int TQuillSpellBase::GetErrorCountString(const std::string& text) {
  std::string copy = text;
  TStringParser parser(copy);
  return GetErrorCountParser(&parser, ctAll);
}

bool TQuillSpellBase::ErrorsPresentInString(const std::string& text) {
  std::string copy = text;
  TStringParser parser(copy);
  return ErrorsPresentInParser(&parser, ctAll);
}

}  // namespace tq::spell
