// Main dictionary reader over arbitrary file bodies. Inputs starting with an
// odd byte are the file after its signature block: header fields, node
// tables, links, linkage lists and the first-character table all come from
// the input. Inputs starting with an even byte get a header that fits them,
// so that nearly every one loads and the links are what is tested. Lookups,
// prefix walks and suggestions must stay inside the file whatever the links
// say. The file lives in a file system held in memory: nothing touches disk.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/memory_env.h"
#include "spell/engine/main_dictionary.h"
#include "spell/engine/main_dictionary_format.h"
#include "spell/engine/phonetic_map.h"

namespace {

using namespace tq;

constexpr const char* kPath = "main.adm";

void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A file whose sizes agree with each other, its contents from the input.
std::string Shaped(const uint8_t* data, size_t size) {
  size_t at = 0;
  auto next = [&]() -> uint8_t { return at < size ? data[at++] : 0; };
  uint32_t sizes[spell::adm::kNodeTableCount];
  uint32_t total = 0;
  for (uint32_t& n : sizes) total += n = next() % 16;
  if (sizes[0] == 0) ++sizes[0], ++total;  // a root
  const bool wide = next() & 1;
  std::string f(spell::adm::kSignature);
  f.resize(spell::adm::kHeaderBlockSize, '\0');
  f += std::string(3, '\0');  // an empty title
  Put32(f, 1033);
  Put32(f, 0);
  Put32(f, wide ? 70000 : total);
  for (uint32_t n : sizes) Put32(f, n);
  for (int k = 0; k < spell::adm::kNodeTableCount; ++k)
    for (uint32_t i = 0; i < sizes[k] * static_cast<uint32_t>(spell::adm::kMinNodeSize + k); ++i)
      f += static_cast<char>(next());
  const uint32_t linkage = static_cast<uint32_t>(std::min<size_t>(size - std::min(at, size), 600));
  Put32(f, linkage);
  for (uint32_t i = 0; i < linkage; ++i) f += static_cast<char>(next());
  for (size_t i = 0; i < spell::adm::kFirstCharTableSize; ++i) f += static_cast<char>(size ? data[i % size] : 0);
  f += std::string(spell::adm::kCharSetBlockSize, '\0');
  return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static spell::TPhoneticsMap* map = [] {
    auto* m = new spell::TPhoneticsMap();  // lives for the whole run
    m->WriteLanguage(1033);
    return m;
  }();

  if (size == 0) return 0;
  std::string bytes;
  if (data[0] & 1) {
    bytes = spell::adm::kSignature;
    bytes.resize(spell::adm::kHeaderBlockSize, '\0');
    bytes.append(reinterpret_cast<const char*>(data) + 1, size - 1);
  } else {
    bytes = Shaped(data + 1, size - 1);
  }
  platform::MemoryEnv env;
  if (!platform::WriteWholeFile(env, kPath, bytes)) return 0;

  spell::TMainDictionary dict(env);
  dict.WriteFilename(kPath);
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
