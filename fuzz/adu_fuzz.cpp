// Custom dictionary loader over arbitrary files after the 120-byte signature:
// counts, table size, slots and records all come from the input. Loading,
// lookups, additions (which may grow or rehash the table), removals, index
// lists and saving must neither fail nor loop.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "platform/env.h"
#include "spell/engine/custom_dictionary.h"

namespace {

using namespace tq;

std::string TempPath(const char* tag) {
  std::filesystem::path dir = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  return (dir / ("tq_adu_fuzz_" + std::to_string(std::random_device{}()) + tag)).string();
}

struct Cleanup {
  std::string path = TempPath(".adu");
  std::string copy = TempPath("-copy.adu");
  ~Cleanup() {
    std::filesystem::remove(path);
    std::filesystem::remove(copy);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Cleanup temp;
  std::string bytes(spell::kUserDictionarySignature);
  bytes += '\0';
  bytes.append(reinterpret_cast<const char*>(data), size);
  {
    std::unique_ptr<platform::File> file;
    if (!platform::Env::Default().OpenFile(temp.path, platform::FileAccess::ReadWrite, platform::FileShare::Read,
                                           platform::FileCreate::CreateAlways, &file))
      return 0;
    file->WriteAt(0, bytes.data(), bytes.size());
  }
  {
    spell::TCustomDictionary dict;
    dict.WriteFilename(temp.path);
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
    dict.SaveAs(temp.copy);
    dict.RemoveAll();
    dict.WriteModified(false);  // nothing goes back to the input file
  }
  spell::TCustomDictionary copy;
  copy.WriteFilename(temp.copy);
  copy.IgnoreExists("x");
  copy.ReadIgnoreCount();
  return 0;
}
