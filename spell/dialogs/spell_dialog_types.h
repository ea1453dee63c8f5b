// Enumerations of the spelling dialogs: whether a run shows its dialog,
// where the dialog goes, when the end message appears, and the dialog
// commands an application can hide or disable.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace tq::spell {

enum TSpellUI : int { suiDialog = 0, suiSilent };

enum TSpellDialogInitialPos : int {
  ipScreenCenter = 0,
  ipUnderSelection,
  ipAvoidControl,
  ipUserDefined,
  ipLastUserPos,
  ipIgnore,
  ipDesktopCenter,
};

// How the dialog keeps out of the way of the word being checked.
enum TSpellDialogAvoidPos : int { saNone = 0, saAvoid, saAvoidUpDown, saMove, saMoveUpDown };

enum TSpellEndMessage : int { emNever = 0, emAlways, emExceptCancel, emNoDialog };

// The first ten belong to the spell-check dialog, the rest to the options
// and dictionary dialogs.
enum TSpellDialogCommand : int {
  sdcIgnore = 0,
  sdcIgnoreAll,
  sdcChange,
  sdcChangeAll,
  sdcAdd,
  sdcAutoCorrect,
  sdcUndo,
  sdcHelp,
  sdcCancel,
  sdcOptions,
  sdcCustomDictionary,
  sdcCustomDictionaries,
  sdcConfigOK,
  sdcAddedEdit,
  sdcAutoCorrectEdit,
  sdcExcludedEdit,
  sdcInternalEdit,
  sdcMainDictFolderBrowse,
  sdcResetDefaults,
};
inline constexpr int kSpellDialogCommandCount = 19;

// A set of dialog commands in a 32-bit word, bit n for command n.
class TSpellDialogCommands {
 public:
  constexpr TSpellDialogCommands() = default;
  constexpr TSpellDialogCommands(std::initializer_list<TSpellDialogCommand> commands) {
    for (TSpellDialogCommand c : commands) Include(c);
  }
  static constexpr TSpellDialogCommands All() { return FromBits((1u << kSpellDialogCommandCount) - 1); }
  static constexpr TSpellDialogCommands FromBits(uint32_t bits) {
    TSpellDialogCommands set;
    set.bits_ = bits;
    return set;
  }
  constexpr bool Contains(TSpellDialogCommand c) const { return (bits_ >> c) & 1u; }
  constexpr void Include(TSpellDialogCommand c) { bits_ |= 1u << c; }
  constexpr void Exclude(TSpellDialogCommand c) { bits_ &= ~(1u << c); }
  constexpr uint32_t Bits() const { return bits_; }
  friend constexpr bool operator==(TSpellDialogCommands, TSpellDialogCommands) = default;

 private:
  uint32_t bits_ = 0;
};

}  // namespace tq::spell
