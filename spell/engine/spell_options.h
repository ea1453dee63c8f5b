// The spelling options (TSpellOptions, a 16-bit set stored in the
// configuration) and where the configuration is kept (TConfigStorage).
#pragma once

#include <cstdint>
#include <initializer_list>

namespace tq::spell {

enum TSpellOption : int {
  soLiveSpelling = 0,
  soLiveCorrect,
  soUpcase,
  soNumbers,
  soHTML,
  soInternet,
  soQuoted,
  soAbbreviations,
  soPrimaryOnly,
  soRepeated,
  soDUalCaps,
  soUser1,
  soUser2,
  soUser3,
  soUser4,
  // Suggestions that look further (two edits away), break ties by sound,
  // keyboard and letter pairs, and take the misspelt word's case. Off by
  // default; the spelling options dialog offers it as a check box.
  soThoroughSuggestions,
};

inline constexpr int kSpellOptionCount = 16;

// A set of options; bit n stands for the option of value n.
class TSpellOptions {
 public:
  constexpr TSpellOptions() = default;
  constexpr TSpellOptions(std::initializer_list<TSpellOption> options) {
    for (TSpellOption o : options) Include(o);
  }
  static constexpr TSpellOptions FromBits(uint16_t bits) {
    TSpellOptions s;
    s.bits_ = bits;
    return s;
  }

  constexpr uint16_t bits() const { return bits_; }
  constexpr bool Contains(TSpellOption o) const { return (bits_ >> o) & 1; }
  constexpr void Include(TSpellOption o) { bits_ = static_cast<uint16_t>(bits_ | (1u << o)); }
  constexpr void Exclude(TSpellOption o) { bits_ = static_cast<uint16_t>(bits_ & ~(1u << o)); }
  constexpr void Set(TSpellOption o, bool on) { on ? Include(o) : Exclude(o); }
  friend constexpr bool operator==(TSpellOptions a, TSpellOptions b) { return a.bits_ == b.bits_; }

 private:
  uint16_t bits_ = 0;
};

enum TConfigStorage : int { csFile = 0, csRegistry = 1, csCallback = 2, csNone = 3 };

}  // namespace tq::spell
