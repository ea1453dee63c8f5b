#include "spell/engine/dictionary_hash.h"

#include <algorithm>
#include <array>

namespace tq::spell {

namespace {

constexpr std::array<int32_t, 24> kTableSizes = {251,      509,       1021,      2039,      4093,       8191,
                                                 16381,    32749,     65521,     131071,    262139,     524287,
                                                 1048573,  2097143,   4194301,   8388593,   16777213,   33554393,
                                                 67108859, 134217689, 268435399, 536870909, 1073741789, 2147483647};

int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

int32_t HashString(std::string_view text, int32_t n) {
  if (n < 2) return 0;
  int32_t r = 0;
  int32_t h = 31415;
  for (char ch : text) {
    if (ch == '\0') break;
    r = WrapAdd(WrapMul(h, r), static_cast<unsigned char>(ch)) % n;
    if (r < 0) r = (-r) % n;
    h = WrapMul(h, 27183) % (n - 1);
  }
  return r;
}

int32_t SecondaryHash(int32_t i) { return (i % 97) + 1; }

int32_t GetNextPrime(int32_t n) {
  for (int32_t size : kTableSizes)
    if (size > n) return size;
  return kTableSizes.back();
}

bool IsTableSize(int32_t n) { return std::find(kTableSizes.begin(), kTableSizes.end(), n) != kTableSizes.end(); }

}  // namespace tq::spell
