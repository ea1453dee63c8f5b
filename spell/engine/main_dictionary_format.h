// The main dictionary file (".adm"): constants shared by the reader
// (TMainDictionary) and the dictionary compiler. All integers little-endian
// unless a comment says otherwise.
//
//   0        1024 header block, beginning with kSignature
//   1024     title length n (UTF-16 units), then n units and a zero unit
//   +        language (LANGID), word count, node count, nine node table sizes
//   P0       the node tables: nodes of 4, 5, ... 12 bytes, in that order
//   E        linkage area size L, then L bytes of child lists
//   E+4+L    first-character table: 256 entries of 8 bytes
//   +2048    character-set block, 1024 bytes
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tq::spell::adm {

// Five lines, each ended by CR LF, the last one empty.
inline constexpr std::string_view kSignature =
    "Tavrin Quillet Dictionary Compiler Version 4.0\r\n"
    "Main dictionary: words in a packed character tree\r\n"
    "Made from a word list by adm_compiler or quillet dict compile\r\n"
    "Copyright Morvane\r\n"
    "\r\n";

inline constexpr size_t kHeaderBlockSize = 1024;
inline constexpr size_t kTitleOffset = 1024;
inline constexpr size_t kMaxTitleUnits = 255;
inline constexpr int kNodeTableCount = 9;
inline constexpr int kMinNodeSize = 4;
inline constexpr int kMaxChainLength = kNodeTableCount - 1;  // extra characters of a 12-byte node
inline constexpr size_t kFirstCharTableSize = 2048;
inline constexpr size_t kFirstCharEntrySize = 8;
inline constexpr size_t kCharSetBlockSize = 1024;
// Bytes after the linkage area: the first-character table and the
// character-set block.
inline constexpr size_t kTrailerSize = kFirstCharTableSize + kCharSetBlockSize;

// The 32-bit word that begins every node.
inline constexpr uint32_t kCharMask = 0xFF;
inline constexpr int kLinkShift = 8;
inline constexpr uint32_t kLinkMask = 0xFFFFF;  // 20 bits
inline constexpr int kCountShift = 28;
inline constexpr uint32_t kCountMask = 0x7;
inline constexpr uint32_t kWordEndBit = 0x80000000u;
// Link of a node without children (child count 0).
inline constexpr uint32_t kLeafLink = 0xFFFFF;
// Child counts above this are kept in the linkage area, in the byte at the
// link, and the node's own count is 0.
inline constexpr uint32_t kMaxInlineCount = 7;

// From this node count on, child numbers in the linkage area take 2 or 3
// bytes, big-endian: a first byte with its top bit set starts a 15-bit
// number, otherwise a 23-bit one. Below it they are 2 bytes little-endian.
inline constexpr uint32_t kWideChildNumbersFrom = 65535;
inline constexpr uint32_t kMaxShortWideNumber = 0x7FFF;
inline constexpr uint32_t kMaxWideNumber = 0x7FFFFF;

// The prefix walk builds candidates in a buffer of this many bytes,
// the terminating zero included.
inline constexpr size_t kCandidateBufferSize = 512;

inline constexpr uint32_t NodeWord(uint8_t ch, uint32_t link, uint32_t count, bool wordEnd) {
  return ch | ((link & kLinkMask) << kLinkShift) | ((count & kCountMask) << kCountShift) | (wordEnd ? kWordEndBit : 0);
}

}  // namespace tq::spell::adm
