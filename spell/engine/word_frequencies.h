// TWordFrequencies: how common each word of a main dictionary's language is,
// read from the side file beside the dictionary (American.frq beside
// American.adm; tools/compile_frequencies.py writes it). A dictionary without
// one, or with a damaged one, has every word at the floor, so the
// suggestions rank as if all were equally common.
//
// The file, little-endian: the 8 bytes "TQFRQ", 0x1A, 1, 0; a uint32 count N;
// N uint32 hashes of the lower-case words (Windows-1252), ascending and
// distinct; N class bytes, one for each hash, 1 + round(8 * log2(count)).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tq::platform {
class Env;
}

namespace tq::spell {

class TWordFrequencies {
 public:
  // The class of a word the file does not name: below every word it names.
  static constexpr int kFloor = 0;

  TWordFrequencies() = default;
  // The side file at path; empty when it is missing or damaged.
  static TWordFrequencies Read(platform::Env& env, const std::string& path);
  // Where a main dictionary's side file lies: its name with the extension .frq.
  static std::string SideFileOf(const std::string& dictionaryPath);
  // FNV-1a, 32 bits, of word in lower case (Windows-1252).
  static uint32_t Hash(std::string_view word);

  // word's class (any letter case): kFloor, or 1 up to 255, commoner higher.
  int Class(std::string_view word) const;
  size_t Count() const { return hashes_.size(); }
  // Bytes the table takes in memory.
  size_t MemoryBytes() const { return hashes_.capacity() * sizeof(uint32_t) + classes_.capacity(); }

 private:
  std::vector<uint32_t> hashes_;
  std::vector<uint8_t> classes_;
};

}  // namespace tq::spell
