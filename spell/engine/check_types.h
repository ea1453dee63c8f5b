// Enumerations of the check run that the word cutting, the cursors and the
// spelling windows share.
#pragma once

namespace tq::spell {

// What a check run covers.
enum TCheckType : int { ctSelected = 0, ctFromCursor, ctAll, ctSmart, ctCurrent };

// The verdict on one word.
enum TWordCheckType : int { wcAccepted = 0, wcExcluded, wcCorrected, wcDenied, wcRepeated };

// What the user did with a word (recorded for undo).
enum TSpellAction : int { saIgnore = 0, saIgnoreAll, saChange, saChangeAll, saAdd, saAutoCorrect };

enum TCaseModification : int { cmNone = 0, cmInitialCaps, cmInitialCapsOrUpcase, cmAnyCase, cmCustom };

// What the user did to the word a run passes, as the cursor and the
// engine's ignore listeners are told.
enum TIgnoreWordState : int { iwNone = 0, iwIgnore = 10, iwIgnoreAll = 11, iwAdd = 12 };

enum TSpellEndPosition : int { epHome = 0, epOriginal, epNoModify };

}  // namespace tq::spell
