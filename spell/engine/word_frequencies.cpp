#include "spell/engine/word_frequencies.h"

#include <algorithm>
#include <cstring>

#include "platform/env.h"
#include "spell/engine/ansi_text.h"

namespace tq::spell {

namespace {

constexpr char kMagic[8] = {'T', 'Q', 'F', 'R', 'Q', 0x1A, 1, 0};
constexpr size_t kHeader = sizeof(kMagic) + 4;

uint32_t Le32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

}  // namespace

uint32_t TWordFrequencies::Hash(std::string_view word) {
  uint32_t h = 0x811C9DC5u;
  for (char c : word) h = (h ^ static_cast<unsigned char>(AnsiLowerChar(c))) * 0x01000193u;
  return h;
}

std::string TWordFrequencies::SideFileOf(const std::string& dictionaryPath) {
  const size_t slash = dictionaryPath.find_last_of("/\\");
  const size_t dot = dictionaryPath.rfind('.');
  const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (extension ? dictionaryPath.substr(0, dot) : dictionaryPath) + ".frq";
}

TWordFrequencies TWordFrequencies::Read(platform::Env& env, const std::string& path) {
  TWordFrequencies out;
  std::string data;
  if (!env.FileExists(path) || !platform::ReadWholeFile(env, path, &data).ok()) return out;
  if (data.size() < kHeader || std::memcmp(data.data(), kMagic, sizeof(kMagic)) != 0) return out;
  const size_t n = Le32(data.data() + sizeof(kMagic));
  if (n > (data.size() - kHeader) / 5 || data.size() != kHeader + 5 * n) return out;
  out.hashes_.resize(n);
  for (size_t i = 0; i < n; ++i) {
    out.hashes_[i] = Le32(data.data() + kHeader + 4 * i);
    // A table out of order cannot be searched: all of it is refused.
    if (i > 0 && out.hashes_[i] <= out.hashes_[i - 1]) return TWordFrequencies();
  }
  const char* classes = data.data() + kHeader + 4 * n;
  out.classes_.assign(classes, classes + n);
  return out;
}

int TWordFrequencies::Class(std::string_view word) const {
  const uint32_t h = Hash(word);
  const auto at = std::lower_bound(hashes_.begin(), hashes_.end(), h);
  if (at == hashes_.end() || *at != h) return kFloor;
  return classes_[static_cast<size_t>(at - hashes_.begin())];
}

}  // namespace tq::spell
