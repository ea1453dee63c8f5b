// How the replies of a library are spell-checked, so that the program and
// quillet's "check --library" agree on what is misspelt.
#pragma once

#include "spell/engine/check_types.h"

namespace tq::library {

// Which letter cases of a dictionary word are accepted: a word in capitals
// is not accepted by itself.
inline constexpr spell::TCaseModification kProgramAllowedCases = spell::cmInitialCaps;

}  // namespace tq::library
