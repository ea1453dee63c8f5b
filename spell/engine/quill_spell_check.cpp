// The check run of the engine component: walking a text word by word,
// deciding on each word, stopping where the user must decide, and the
// sequences that make several runs behave as one.
#include <chrono>
#include <climits>

#include "spell/engine/ansi_text.h"
#include "spell/engine/control_text.h"
#include "spell/engine/quill_spell_base.h"
#include "spell/engine/string_parser.h"

namespace tq::spell {

void TQuillSpellBase::CheckString(std::string& text) {
  TStringParser parser(text);
  CheckParser(&parser, ctAll);
  // Without a message pump the run would wait on a cursor that is about to
  // go away; it ends here instead.
  if (checking_ && currentParser_ == &parser) StopCheck(true);
}

void TQuillSpellBase::CheckParser(TControlParser* parser, TCheckType type) {
  if (!parser || checking_ || (inSequence_ && cancelled_)) return;
  if (type == ctSmart) {
    CheckSmart(parser);
    return;
  }
  beforeChange_ = false;
  checking_ = true;
  cancelled_ = false;
  config_->EnsureLoaded();
  currentParser_ = parser;
  previousWord_.clear();
  repeated_ = false;
  parser->GetCursorPosition(caretX_, caretY_);
  parsingEngine_->Initialize(parser, type);
  undo_.clear();
  if (!inSequence_) {
    wordCount_ = 0;
    reorderCountdown_ = 100;
  }
  if (DialogShowImmediate) EnsureUI();
  OptimizeMainDictionaryOrder();
  if (!(DialogShowImmediate && DialogShowModal)) ContinueCheck();
  if (SynchronousCheck && PumpMessage)
    while (checking_ && currentParser_ == parser) PumpMessage();
}

void TQuillSpellBase::CheckSmart(TControlParser* parser) {
  const bool synchronous = SynchronousCheck;
  SynchronousCheck = true;
  StartSequenceCheck();
  int32_t startX = 0, startY = 0, endX = 0, endY = 0;
  parser->GetSelectionPosition(startX, startY, endX, endY);
  if (startX == endX && startY == endY) {
    int32_t caretX = 0, caretY = 0;
    parser->GetCursorPosition(caretX, caretY);
    CheckParser(parser, ctFromCursor);
    parser->SetPosition(0, 0, ptCurrent);
    parser->SetPosition(caretX, caretY, ptEnd);
    CheckParser(parser, ctCurrent);
  } else {
    CheckParser(parser, ctSelected);
    if (!cancelled_) {
      if (OnQuestion && OnQuestion(GetString(lsEndSelectionMessage), GetString(lsSpelling))) {
        parser->SetPosition(endX, endY, ptCurrent);
        parser->SetPosition(INT32_MAX, INT32_MAX, ptEnd);
        CheckParser(parser, ctCurrent);
        parser->SetPosition(0, 0, ptCurrent);
        parser->SetPosition(startX, startY, ptEnd);
        CheckParser(parser, ctCurrent);
      } else {
        cancelled_ = true;
      }
    }
  }
  StopSequenceCheck();
  SynchronousCheck = synchronous;
}

void TQuillSpellBase::StartSequenceCheck() {
  wordCount_ = 0;
  reorderCountdown_ = 100;
  cancelled_ = false;
  inSequence_ = true;
  sequenceKeepActive_ = keepDictionariesActive_;
  keepDictionariesActive_ = true;
}

void TQuillSpellBase::StopSequenceCheck() {
  if (!inSequence_) return;
  inSequence_ = false;
  ShowEndMessage();
  ShutdownUI();
  WriteKeepDictionariesActive(sequenceKeepActive_);
}

void TQuillSpellBase::StopCheck(bool cancel) {
  if (!checking_) return;
  cancelled_ = cancel;
  CompleteCheck();
}

void TQuillSpellBase::ContinueCheck() {
  if (!checking_ || !currentParser_) return;
  const int64_t started = TickCountMs();
  bool hourglass = false;
  const auto endHourglass = [&] {
    if (hourglass) ShowHourglass(false);
  };
  for (;;) {
    std::string word;
    parsingEngine_->NextWord(word);
    currentWord_ = word;
    if (word.empty()) {
      endHourglass();
      CompleteCheck();
      return;
    }
    ++wordCount_;
    if (reorderCountdown_ > 0 && --reorderCountdown_ == 0) OptimizeMainDictionaryOrder();

    std::string replacement;
    TWordCheckType verdict = JudgeWord(word, previousWord_, currentParser_, &replacement);
    if (OnWordCheck) OnWordCheck(this, word, verdict, replacement);
    if (UseHourglassCursor && !hourglass && TickCountMs() - started > 1000) {
      hourglass = true;
      ShowHourglass(true);
    }

    if (verdict == wcCorrected) {
      currentParser_->SelectWord(static_cast<int32_t>(word.size()));
      SetUndoAction(saChange, replacement, true);
      Fire_ReplaceWord(replacement, 2);
      continue;
    }
    if (verdict == wcAccepted) continue;
    endHourglass();
    repeated_ = verdict == wcRepeated;
    if (repeated_) currentWord_ = word + " " + word;
    currentParser_->SelectWord(static_cast<int32_t>(currentWord_.size()));
    currentParser_->CenterSelection();
    EnsureUI();
    if (checking_) DoWordPrompt();
    return;
  }
}

TWordVerdict TQuillSpellBase::Verdict(const std::string& word, bool seekCorrection) {
  TWordVerdict verdict;
  const auto corrected = [&](TWordCheckType otherwise) {
    return seekCorrection && WordHasCorrection(word, verdict.Replacement) ? wcCorrected : otherwise;
  };
  // Neither flagged nor corrected.
  if (HoldsForeignUnit(word)) return verdict;
  if (!WordAcceptable(word))
    verdict.Type = corrected(wcDenied);
  else if (UseExcludeWords && WordExcluded(word))
    verdict.Type = corrected(wcExcluded);
  else if (UseAutoCorrectFirst)
    verdict.Type = corrected(wcAccepted);
  return verdict;
}

TWordCheckType TQuillSpellBase::JudgeWord(const std::string& word, std::string& previous, TControlParser* parser,
                                          std::string* replacement) {
  TWordVerdict verdict = Verdict(word, replacement != nullptr);
  if (replacement) *replacement = std::move(verdict.Replacement);
  if (verdict.Type != wcAccepted) return verdict.Type;
  // A word beyond the code page is never counted as a repeat.
  if (HoldsForeignUnit(word)) {
    previous = word;
    return wcAccepted;
  }
  if (!repeatedWords_) return wcAccepted;
  const bool repeated = word == previous && ValidRepeatedWord(word, parser);
  previous = word;
  return repeated ? wcRepeated : wcAccepted;
}

void TQuillSpellBase::CompleteCheck() {
  if (OnCompleteCheck) OnCompleteCheck(this);
  ShowEndMessage();
  if (!cancelled_ && currentParser_) {
    if (EndCursorPosition == epHome)
      currentParser_->SetPosition(0, 0, ptCurrent);
    else if (EndCursorPosition == epOriginal)
      currentParser_->SetPosition(caretX_, caretY_, ptCurrent);
    currentParser_->SelectWord(0);
  }
  currentParser_ = nullptr;
  ShutdownUI();
  undo_.clear();
  checking_ = false;
  UnloadDictionaries();
}

int64_t TQuillSpellBase::TickCountMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void TQuillSpellBase::DoWordPrompt() {
  OptimizeMainDictionaryOrder();
  if (runUI_) runUI_->PromptWord();
  if (OnPromptWord) OnPromptWord(this, currentWord_, repeated_);
}

std::string TQuillSpellBase::GetString(TSpellLanguageString key) {
  std::string text = spell::GetString(key, UILanguage);
  if (OnGetString) OnGetString(this, key, text);
  return text;
}

void TQuillSpellBase::ShowEndMessage() {
  if (runUI_) {
    runUI_->ShowEndMessage();
    return;
  }
  if (inSequence_) return;  // the sequence's end shows it once
  if (OnShowEndMessage) OnShowEndMessage(this);
}

bool TQuillSpellBase::WordHasCorrection(const std::string& word, std::string& replacement) {
  config_->EnsureLoaded();
  if (activeCustom_ && activeCustom_->AutoCorrectExists(word, replacement)) return true;
  if (ignoreAll_->AutoCorrectExists(word, replacement)) return true;
  for (const auto& dict : customDictionaries_)
    if (dict->AutoCorrectExists(word, replacement)) return true;
  if (MappingAutoReplace && mappingDictionary_ && mappingDictionary_->AutoCorrectExists(word, replacement)) return true;
  if (SuggestionsAutoReplace && learningDictionary_ && learningDictionary_->AutoCorrectExists(word, replacement))
    return true;
  if (dualCaps_ && word.size() > 2) {
    const std::string rest = word.substr(2);
    const char a = word[0], b = word[1];
    std::string fixed = word;
    fixed[1] = AnsiLowerChar(b);
    const bool isLetter = AnsiLowerChar(a) != AnsiUpperChar(a) && AnsiLowerChar(b) != AnsiUpperChar(b);
    if (rest == AnsiLowerCase(rest) && a == AnsiUpperChar(a) && b == AnsiUpperChar(b) && fixed != word && isLetter &&
        WordAcceptable(fixed)) {
      replacement = fixed;
      return true;
    }
  }
  return false;
}

bool TQuillSpellBase::ValidRepeatedWord(const std::string& word, TControlParser* parser) {
  if (!parser || word.empty()) return false;
  int32_t x = 0, y = 0;
  parser->GetPosition(x, y);
  bool ok = true;
  for (size_t i = 0; ok && i < word.size(); ++i) ok = parser->MovePrevious();
  ok = ok && parser->MovePrevious() && parser->GetChar() == ' ';
  for (size_t i = word.size(); ok && i > 0; --i) ok = parser->MovePrevious() && parser->GetChar() == word[i - 1];
  parser->SetPosition(x, y, ptCurrent);
  return ok;
}

void TQuillSpellBase::Fire_ReplaceWord(const std::string& text, int32_t state) {
  if (!beforeChange_) {
    beforeChange_ = true;
    if (OnBeforeChange) OnBeforeChange(this);
  }
  if (OnParserReplaceWord) OnParserReplaceWord(this, true, text, state);
  if (currentParser_) currentParser_->ReplaceWord(text, state);
  if (OnParserReplaceWord) OnParserReplaceWord(this, false, text, state);
}

void TQuillSpellBase::Fire_IgnoreWord(TIgnoreWordState state) {
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, true, state);
  ignoreWordState_ = state;
  ignoreWordBefore_ = true;
  ignoreWord_.Notify(this);
  if (currentParser_) currentParser_->IgnoreWord(state);
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, false, state);
  ignoreWordBefore_ = false;
  ignoreWord_.Notify(this);
}

void TQuillSpellBase::Fire_UndoLast(int32_t state, TSpellAction action, int32_t& data) {
  if (OnParserUndoLast) OnParserUndoLast(this, state, action, data);
  if (currentParser_) currentParser_->UndoLast(state, action, data);
}

}  // namespace tq::spell
