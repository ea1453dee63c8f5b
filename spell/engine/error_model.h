// How likely a misspelling is as a way of typing a word: the cost of the
// cheapest string of edits from what was meant to what was typed, each edit
// priced by how often people make it. Slips of sound (a vowel for another,
// "ph" for "f", "c" for "s"), a doubled letter dropped or a single one
// doubled, and two neighbours swapped cost little; a letter next to the
// right one on the keyboard less than any other; a wrong first letter more,
// as it is rarely wrong. Letter case is ignored. 1 is a plain edit.
#pragma once

#include <string_view>

namespace tq::spell {

double TypingErrorCost(std::string_view typed, std::string_view meant);

}  // namespace tq::spell
