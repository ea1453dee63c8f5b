// The spelling engine's settings in this program: the configuration kept in
// Spell.cfg per Windows user, American.adm as the main dictionary, Spell.adu
// for added words, learned suggestions in Spell.adl, the default options and
// the phonetic suggestion tuning. The reply dialog's live spelling and the
// check of the whole library both start from them, so both see the same
// words and options.
#pragma once

#include "app/core/spelling_places.h"
#include "library/reply_spelling.h"
#include "spell/engine/quill_spell_base.h"

namespace tq::app {

// Sets the engine-level properties; the live-spelling and dialog classes add
// their own on top.
void ApplySpellSettings(spell::TQuillSpellBase& engine, const SpellingPlaces& places);

}  // namespace tq::app
