// The hashing of custom dictionaries: slot of a word, probe step, and the
// table sizes (primes) the tables grow through. Stored tables depend on
// these exact values.
#pragma once

#include <cstdint>
#include <string_view>

namespace tq::spell {

// Slot index of text (up to its first zero byte) in a table of n slots,
// computed in wrapping 32-bit arithmetic. n must be at least 2.
int32_t HashString(std::string_view text, int32_t n);
// The probe step after slot i: (i mod 97) + 1.
int32_t SecondaryHash(int32_t i);
// The first table size greater than n (251 for any n below 251; the largest
// size for n at or past it).
int32_t GetNextPrime(int32_t n);
// Whether n is one of the table sizes.
bool IsTableSize(int32_t n);

}  // namespace tq::spell
