// TWordCheck: a check of a text's words outside the engine's check run (as
// the command line makes one): the engine's word cutter walks the cursor's
// text, and while the check lives the engine's ignore rules read around
// that cursor, as they read around a run's. Nothing is selected, changed or
// asked of the user.
#pragma once

#include <string>

#include "spell/engine/quill_spell_base.h"

namespace tq::spell {

class TWordCheck {
 public:
  // Starts the cutter at what `type` covers of parser's text; both the
  // engine and the cursor outlive the check. Not while the engine runs a
  // check: the cutter is the run's.
  TWordCheck(TQuillSpellBase& engine, TControlParser& parser, TCheckType type = ctAll);
  // The engine's rules read the cursor they read before the check.
  ~TWordCheck();
  TWordCheck(const TWordCheck&) = delete;
  TWordCheck& operator=(const TWordCheck&) = delete;

  // The next word; false (and word empty) at the end of the text.
  bool NextWord(std::string& word);
  TWordVerdict Verdict(const std::string& word) { return engine_.Verdict(word); }
  TControlParser& Parser() const { return parser_; }

 private:
  TQuillSpellBase& engine_;
  TControlParser& parser_;
  TControlParser* const previousParser_;
};

}  // namespace tq::spell
