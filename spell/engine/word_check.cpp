#include "spell/engine/word_check.h"

#include <cassert>

namespace tq::spell {

TWordCheck::TWordCheck(TQuillSpellBase& engine, TControlParser& parser, TCheckType type)
    : engine_(engine), parser_(parser), previousParser_(engine.currentParser_) {
  assert(!engine_.ReadChecking());
  engine_.ReadParsingEngine()->Initialize(&parser_, type);
  engine_.currentParser_ = &parser_;
}

TWordCheck::~TWordCheck() { engine_.currentParser_ = previousParser_; }

bool TWordCheck::NextWord(std::string& word) {
  engine_.ReadParsingEngine()->NextWord(word);
  return !word.empty();
}

}  // namespace tq::spell
