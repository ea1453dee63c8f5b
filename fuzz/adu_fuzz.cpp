// Custom dictionary loader over arbitrary files after the 120-byte signature:
// counts, table size, slots and records all come from the input. Loading,
// lookups, additions (which may grow or rehash the table), removals, index
// lists and saving must neither fail nor loop.
#include <cstdint>
#include <string>

#include "platform/memory_env.h"
#include "spell/engine/custom_dictionary.h"

namespace {

using namespace tq;

// In a file system held in memory: nothing touches disk.
constexpr const char* kPath = "custom.adu";
constexpr const char* kCopy = "custom-copy.adu";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::MemoryEnv env;
  std::string bytes(spell::kUserDictionarySignature);
  bytes += '\0';
  bytes.append(reinterpret_cast<const char*>(data), size);
  if (!platform::WriteWholeFile(env, kPath, bytes)) return 0;
  {
    spell::TCustomDictionary dict(env);
    dict.WriteFilename(kPath);
    std::string word, replacement;
    const int count = dict.ReadIgnoreCount() + dict.ReadExcludeCount() + dict.ReadAutoCorrectCount();
    for (int i = 0; i < dict.ReadIgnoreCount(); ++i) {
      dict.GetIgnoreWord(i, word);
      dict.IgnoreExists(word);
    }
    for (int i = 0; i < dict.ReadAutoCorrectCount(); ++i) {
      dict.GetAutoCorrectWord(i, word, replacement);
      dict.AutoCorrectExists(word, replacement);
    }
    // Words cut from the input, added and removed: the table grows and
    // collects removed slots.
    for (size_t at = 0; at + 1 < size && at < 4000; at += 5) {
      std::string w(reinterpret_cast<const char*>(data) + at, std::min<size_t>(1 + data[at] % 12, size - at));
      if (data[at] & 1) {
        dict.AddIgnore(w);
      } else if (data[at] & 2) {
        dict.AddAutoCorrect(w, "x");
      } else {
        dict.RemoveIgnore(w);
      }
      dict.ExcludeExists(w);
    }
    if (count < 0) __builtin_trap();
    dict.SaveAs(kCopy);
    dict.RemoveAll();
    dict.WriteModified(false);  // nothing goes back to the input file
  }
  spell::TCustomDictionary copy(env);
  copy.WriteFilename(kCopy);
  copy.IgnoreExists("x");
  copy.ReadIgnoreCount();
  return 0;
}
