// Main dictionary reader over arbitrary file bodies: header fields, node
// tables, links, linkage lists and the first-character table are all taken
// from the input (the signature block is put in front so that every input
// gets past it). Lookups, prefix walks and suggestions must stay inside the
// file whatever the links say.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/env.h"
#include "spell/engine/main_dictionary.h"
#include "spell/engine/main_dictionary_format.h"
#include "spell/engine/phonetic_map.h"

namespace {

using namespace tq;

std::string TempPath() {
  // Written once per input: a memory file system when there is one.
  std::filesystem::path dir = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  return (dir / ("tq_adm_fuzz_" + std::to_string(std::random_device{}()) + ".adm")).string();
}

struct Cleanup {
  std::string path = TempPath();
  ~Cleanup() { std::filesystem::remove(path); }
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::unique_ptr<platform::File> file;
  if (platform::Env::Default().OpenFile(path, platform::FileAccess::ReadWrite, platform::FileShare::Read,
                                        platform::FileCreate::CreateAlways, &file))
    file->WriteAt(0, bytes.data(), bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Cleanup temp;
  static spell::TPhoneticsMap* map = [] {
    auto* m = new spell::TPhoneticsMap();  // lives for the whole run
    m->WriteLanguage(1033);
    return m;
  }();

  std::string bytes(spell::adm::kSignature);
  bytes.resize(spell::adm::kHeaderBlockSize, '\0');
  bytes.append(reinterpret_cast<const char*>(data), size);
  WriteFile(temp.path, bytes);

  spell::TMainDictionary dict;
  dict.WriteFilename(temp.path);
  std::vector<std::string> words = {"a", "an", "and", "apple", "be", "bee", "zz", "xylophone", "Zebra", "\xE9t\xE9"};
  // Words made of the input's own bytes reach the links it sets up.
  for (size_t at = 0; at + 1 < size && words.size() < 40; at += 7)
    words.emplace_back(reinterpret_cast<const char*>(data) + at, std::min<size_t>(2 + data[at] % 10, size - at));
  for (const std::string& w : words) dict.WordExists(w);
  size_t reported = 0;
  for (const std::string& w : words) {
    dict.EnumeratePrefixWords(w.substr(0, 1 + w.size() % 2), [&](std::string_view candidate) {
      if (candidate.empty() || candidate.size() >= spell::adm::kCandidateBufferSize) __builtin_trap();
      return ++reported > 5000;
    });
  }
  std::vector<std::string> list;
  for (size_t i = 0; i < words.size() && i < 12; ++i) dict.Suggest(words[i], *map, list);
  if (list.size() > spell::TMainDictionary::kMaxSuggestList + 1) __builtin_trap();
  return 0;
}
