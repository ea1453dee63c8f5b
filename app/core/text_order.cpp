// The word-sort order of lstrcmpA over Windows-1252 text, as sort keys, for
// UTF-8 text (characters beyond the code page at the end of the file).
//
// Each byte has up to two sort elements (ligatures such as "æ" and "ß" expand
// to two letters). An element has a script group and a weight (level 1), an
// accent weight (level 2) and a case weight (level 3). A text's key is its
// level-1 weights, then its accent weights, then its case weights, each run
// closed by 01 (the smallest byte), then the "special" characters (hyphen,
// apostrophe, dashes, control characters) with their positions. Accent and
// case runs lose their trailing plain weights (02), so "a" and "a" + nothing
// compare by length alone. Comparing two keys byte by byte gives the order.
//
// The weights are those Windows' default sorting table gives the code page's
// characters under the English locale (checked against lstrcmpA and
// LCMapStringA by text_order_win_test.cpp).
#include "app/core/text_order.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "app/core/text_case.h"
#include "platform/utf16.h"
#include "storage/reply_text_codec.h"

namespace tq::app {
namespace {

enum Kind : uint8_t {
  kEnd,      // the zero byte: the text ends here
  kIgnored,  // no weight at any level
  kSpecial,  // weighed only at level 4; the weight is in first.weight
  kOne,      // one sort element
  kTwo,      // two sort elements
};

struct Element {
  uint8_t script;
  uint8_t weight;
  uint8_t accent;
  uint8_t letter_case;
};

struct CharWeights {
  Kind kind;
  Element first;
  Element second;
};

constexpr uint8_t kSeparator = 0x01;
constexpr uint8_t kPlain = 0x02;        // accent or case weight of a plain element
constexpr uint8_t kSpecialTail = 0x12;  // closes every level-4 entry

// Indexed by the Windows-1252 byte.
constexpr CharWeights kWeights[256] = {
    {kEnd, {}, {}},                                              // 00 end of text
    {kSpecial, {0, 0x03, 0, 0}, {}},                             // 01 control
    {kSpecial, {0, 0x04, 0, 0}, {}},                             // 02 control
    {kSpecial, {0, 0x05, 0, 0}, {}},                             // 03 control
    {kSpecial, {0, 0x06, 0, 0}, {}},                             // 04 control
    {kSpecial, {0, 0x07, 0, 0}, {}},                             // 05 control
    {kSpecial, {0, 0x08, 0, 0}, {}},                             // 06 control
    {kSpecial, {0, 0x09, 0, 0}, {}},                             // 07 control
    {kSpecial, {0, 0x0a, 0, 0}, {}},                             // 08 control
    {kOne, {0x07, 0x05, 0x02, 0x02}, {}},                        // 09 tab
    {kOne, {0x07, 0x06, 0x02, 0x02}, {}},                        // 0a line feed
    {kOne, {0x07, 0x07, 0x02, 0x02}, {}},                        // 0b vertical tab
    {kOne, {0x07, 0x08, 0x02, 0x02}, {}},                        // 0c form feed
    {kOne, {0x07, 0x09, 0x02, 0x02}, {}},                        // 0d carriage return
    {kSpecial, {0, 0x0b, 0, 0}, {}},                             // 0e control
    {kSpecial, {0, 0x0c, 0, 0}, {}},                             // 0f control
    {kSpecial, {0, 0x0d, 0, 0}, {}},                             // 10 control
    {kSpecial, {0, 0x0e, 0, 0}, {}},                             // 11 control
    {kSpecial, {0, 0x0f, 0, 0}, {}},                             // 12 control
    {kSpecial, {0, 0x10, 0, 0}, {}},                             // 13 control
    {kSpecial, {0, 0x11, 0, 0}, {}},                             // 14 control
    {kSpecial, {0, 0x12, 0, 0}, {}},                             // 15 control
    {kSpecial, {0, 0x13, 0, 0}, {}},                             // 16 control
    {kSpecial, {0, 0x14, 0, 0}, {}},                             // 17 control
    {kSpecial, {0, 0x15, 0, 0}, {}},                             // 18 control
    {kSpecial, {0, 0x16, 0, 0}, {}},                             // 19 control
    {kSpecial, {0, 0x17, 0, 0}, {}},                             // 1a control
    {kSpecial, {0, 0x18, 0, 0}, {}},                             // 1b control
    {kSpecial, {0, 0x19, 0, 0}, {}},                             // 1c control
    {kSpecial, {0, 0x1a, 0, 0}, {}},                             // 1d control
    {kSpecial, {0, 0x1b, 0, 0}, {}},                             // 1e control
    {kSpecial, {0, 0x1c, 0, 0}, {}},                             // 1f control
    {kOne, {0x07, 0x02, 0x02, 0x02}, {}},                        // 20 space
    {kOne, {0x07, 0x1c, 0x02, 0x02}, {}},                        // 21 !
    {kOne, {0x07, 0x1d, 0x02, 0x02}, {}},                        // 22 "
    {kOne, {0x07, 0x1f, 0x02, 0x02}, {}},                        // 23 #
    {kOne, {0x07, 0x21, 0x02, 0x02}, {}},                        // 24 $
    {kOne, {0x07, 0x23, 0x02, 0x02}, {}},                        // 25 %
    {kOne, {0x07, 0x25, 0x02, 0x02}, {}},                        // 26 &
    {kSpecial, {0, 0x80, 0, 0}, {}},                             // 27 '
    {kOne, {0x07, 0x27, 0x02, 0x02}, {}},                        // 28 (
    {kOne, {0x07, 0x2a, 0x02, 0x02}, {}},                        // 29 )
    {kOne, {0x07, 0x2d, 0x02, 0x02}, {}},                        // 2a *
    {kOne, {0x08, 0x03, 0x02, 0x02}, {}},                        // 2b +
    {kOne, {0x07, 0x2f, 0x02, 0x02}, {}},                        // 2c ,
    {kSpecial, {0, 0x82, 0, 0}, {}},                             // 2d -
    {kOne, {0x07, 0x33, 0x02, 0x02}, {}},                        // 2e .
    {kOne, {0x07, 0x35, 0x02, 0x02}, {}},                        // 2f /
    {kOne, {0x0d, 0x03, 0x02, 0x02}, {}},                        // 30 0
    {kOne, {0x0d, 0x1a, 0x02, 0x02}, {}},                        // 31 1
    {kOne, {0x0d, 0x1c, 0x02, 0x02}, {}},                        // 32 2
    {kOne, {0x0d, 0x1e, 0x02, 0x02}, {}},                        // 33 3
    {kOne, {0x0d, 0x20, 0x02, 0x02}, {}},                        // 34 4
    {kOne, {0x0d, 0x22, 0x02, 0x02}, {}},                        // 35 5
    {kOne, {0x0d, 0x24, 0x02, 0x02}, {}},                        // 36 6
    {kOne, {0x0d, 0x26, 0x02, 0x02}, {}},                        // 37 7
    {kOne, {0x0d, 0x28, 0x02, 0x02}, {}},                        // 38 8
    {kOne, {0x0d, 0x2a, 0x02, 0x02}, {}},                        // 39 9
    {kOne, {0x07, 0x37, 0x02, 0x02}, {}},                        // 3a :
    {kOne, {0x07, 0x3a, 0x02, 0x02}, {}},                        // 3b ;
    {kOne, {0x08, 0x0e, 0x02, 0x02}, {}},                        // 3c <
    {kOne, {0x08, 0x12, 0x02, 0x02}, {}},                        // 3d =
    {kOne, {0x08, 0x14, 0x02, 0x02}, {}},                        // 3e >
    {kOne, {0x07, 0x3c, 0x02, 0x02}, {}},                        // 3f ?
    {kOne, {0x07, 0x3e, 0x02, 0x02}, {}},                        // 40 @
    {kOne, {0x0e, 0x02, 0x02, 0x12}, {}},                        // 41 A
    {kOne, {0x0e, 0x09, 0x02, 0x12}, {}},                        // 42 B
    {kOne, {0x0e, 0x0a, 0x02, 0x12}, {}},                        // 43 C
    {kOne, {0x0e, 0x1a, 0x02, 0x12}, {}},                        // 44 D
    {kOne, {0x0e, 0x21, 0x02, 0x12}, {}},                        // 45 E
    {kOne, {0x0e, 0x23, 0x02, 0x12}, {}},                        // 46 F
    {kOne, {0x0e, 0x25, 0x02, 0x12}, {}},                        // 47 G
    {kOne, {0x0e, 0x2c, 0x02, 0x12}, {}},                        // 48 H
    {kOne, {0x0e, 0x32, 0x02, 0x12}, {}},                        // 49 I
    {kOne, {0x0e, 0x35, 0x02, 0x12}, {}},                        // 4a J
    {kOne, {0x0e, 0x36, 0x02, 0x12}, {}},                        // 4b K
    {kOne, {0x0e, 0x48, 0x02, 0x12}, {}},                        // 4c L
    {kOne, {0x0e, 0x51, 0x02, 0x12}, {}},                        // 4d M
    {kOne, {0x0e, 0x70, 0x02, 0x12}, {}},                        // 4e N
    {kOne, {0x0e, 0x7c, 0x02, 0x12}, {}},                        // 4f O
    {kOne, {0x0e, 0x7e, 0x02, 0x12}, {}},                        // 50 P
    {kOne, {0x0e, 0x89, 0x02, 0x12}, {}},                        // 51 Q
    {kOne, {0x0e, 0x8a, 0x02, 0x12}, {}},                        // 52 R
    {kOne, {0x0e, 0x91, 0x02, 0x12}, {}},                        // 53 S
    {kOne, {0x0e, 0x99, 0x02, 0x12}, {}},                        // 54 T
    {kOne, {0x0e, 0x9f, 0x02, 0x12}, {}},                        // 55 U
    {kOne, {0x0e, 0xa2, 0x02, 0x12}, {}},                        // 56 V
    {kOne, {0x0e, 0xa4, 0x02, 0x12}, {}},                        // 57 W
    {kOne, {0x0e, 0xa6, 0x02, 0x12}, {}},                        // 58 X
    {kOne, {0x0e, 0xa7, 0x02, 0x12}, {}},                        // 59 Y
    {kOne, {0x0e, 0xa9, 0x02, 0x12}, {}},                        // 5a Z
    {kOne, {0x07, 0x3f, 0x02, 0x02}, {}},                        // 5b [
    {kOne, {0x07, 0x41, 0x02, 0x02}, {}},                        // 5c backslash
    {kOne, {0x07, 0x42, 0x02, 0x02}, {}},                        // 5d ]
    {kOne, {0x07, 0x43, 0x02, 0x02}, {}},                        // 5e ^
    {kOne, {0x07, 0x44, 0x02, 0x02}, {}},                        // 5f _
    {kOne, {0x07, 0x48, 0x02, 0x02}, {}},                        // 60 `
    {kOne, {0x0e, 0x02, 0x02, 0x02}, {}},                        // 61 a
    {kOne, {0x0e, 0x09, 0x02, 0x02}, {}},                        // 62 b
    {kOne, {0x0e, 0x0a, 0x02, 0x02}, {}},                        // 63 c
    {kOne, {0x0e, 0x1a, 0x02, 0x02}, {}},                        // 64 d
    {kOne, {0x0e, 0x21, 0x02, 0x02}, {}},                        // 65 e
    {kOne, {0x0e, 0x23, 0x02, 0x02}, {}},                        // 66 f
    {kOne, {0x0e, 0x25, 0x02, 0x02}, {}},                        // 67 g
    {kOne, {0x0e, 0x2c, 0x02, 0x02}, {}},                        // 68 h
    {kOne, {0x0e, 0x32, 0x02, 0x02}, {}},                        // 69 i
    {kOne, {0x0e, 0x35, 0x02, 0x02}, {}},                        // 6a j
    {kOne, {0x0e, 0x36, 0x02, 0x02}, {}},                        // 6b k
    {kOne, {0x0e, 0x48, 0x02, 0x02}, {}},                        // 6c l
    {kOne, {0x0e, 0x51, 0x02, 0x02}, {}},                        // 6d m
    {kOne, {0x0e, 0x70, 0x02, 0x02}, {}},                        // 6e n
    {kOne, {0x0e, 0x7c, 0x02, 0x02}, {}},                        // 6f o
    {kOne, {0x0e, 0x7e, 0x02, 0x02}, {}},                        // 70 p
    {kOne, {0x0e, 0x89, 0x02, 0x02}, {}},                        // 71 q
    {kOne, {0x0e, 0x8a, 0x02, 0x02}, {}},                        // 72 r
    {kOne, {0x0e, 0x91, 0x02, 0x02}, {}},                        // 73 s
    {kOne, {0x0e, 0x99, 0x02, 0x02}, {}},                        // 74 t
    {kOne, {0x0e, 0x9f, 0x02, 0x02}, {}},                        // 75 u
    {kOne, {0x0e, 0xa2, 0x02, 0x02}, {}},                        // 76 v
    {kOne, {0x0e, 0xa4, 0x02, 0x02}, {}},                        // 77 w
    {kOne, {0x0e, 0xa6, 0x02, 0x02}, {}},                        // 78 x
    {kOne, {0x0e, 0xa7, 0x02, 0x02}, {}},                        // 79 y
    {kOne, {0x0e, 0xa9, 0x02, 0x02}, {}},                        // 7a z
    {kOne, {0x07, 0x4a, 0x02, 0x02}, {}},                        // 7b {
    {kOne, {0x07, 0x4c, 0x02, 0x02}, {}},                        // 7c |
    {kOne, {0x07, 0x4e, 0x02, 0x02}, {}},                        // 7d }
    {kOne, {0x07, 0x50, 0x02, 0x02}, {}},                        // 7e ~
    {kSpecial, {0, 0x1d, 0, 0}, {}},                             // 7f control
    {kOne, {0x07, 0xa9, 0x02, 0x02}, {}},                        // 80 €
    {kOne, {0x0c, 0xfa, 0x1e, 0x02}, {}},                        // 81 control
    {kOne, {0x07, 0x7b, 0x02, 0x02}, {}},                        // 82 ‚
    {kOne, {0x0e, 0x23, 0x43, 0x02}, {}},                        // 83 ƒ
    {kOne, {0x07, 0x7f, 0x02, 0x02}, {}},                        // 84 „
    {kOne, {0x0a, 0x10, 0x02, 0x02}, {}},                        // 85 …
    {kOne, {0x0b, 0x25, 0x02, 0x02}, {}},                        // 86 †
    {kOne, {0x0b, 0x26, 0x02, 0x02}, {}},                        // 87 ‡
    {kOne, {0x07, 0x43, 0x02, 0x02}, {}},                        // 88 ˆ
    {kOne, {0x0b, 0x2c, 0x0c, 0x02}, {}},                        // 89 ‰
    {kOne, {0x0e, 0x91, 0x14, 0x12}, {}},                        // 8a Š
    {kOne, {0x07, 0x88, 0x02, 0x02}, {}},                        // 8b ‹
    {kTwo, {0x0e, 0x7c, 0x02, 0x12}, {0x0e, 0x21, 0x02, 0x12}},  // 8c Œ
    {kOne, {0x0c, 0xfa, 0x2a, 0x02}, {}},                        // 8d control
    {kOne, {0x0e, 0xa9, 0x14, 0x12}, {}},                        // 8e Ž
    {kOne, {0x0c, 0xfa, 0x2c, 0x02}, {}},                        // 8f control
    {kOne, {0x0c, 0xfa, 0x2d, 0x02}, {}},                        // 90 control
    {kOne, {0x07, 0x79, 0x02, 0x02}, {}},                        // 91 ‘
    {kOne, {0x07, 0x7a, 0x02, 0x02}, {}},                        // 92 ’
    {kOne, {0x07, 0x7d, 0x02, 0x02}, {}},                        // 93 “
    {kOne, {0x07, 0x7e, 0x02, 0x02}, {}},                        // 94 ”
    {kOne, {0x0b, 0x27, 0x02, 0x02}, {}},                        // 95 •
    {kSpecial, {0, 0x89, 0, 0}, {}},                             // 96 –
    {kSpecial, {0, 0x90, 0, 0}, {}},                             // 97 —
    {kOne, {0x07, 0x5d, 0x02, 0x02}, {}},                        // 98 ˜
    {kOne, {0x0e, 0x9c, 0x02, 0x12}, {}},                        // 99 ™
    {kOne, {0x0e, 0x91, 0x14, 0x02}, {}},                        // 9a š
    {kOne, {0x07, 0x89, 0x02, 0x02}, {}},                        // 9b ›
    {kTwo, {0x0e, 0x7c, 0x02, 0x02}, {0x0e, 0x21, 0x02, 0x02}},  // 9c œ
    {kOne, {0x0c, 0xfa, 0x3a, 0x02}, {}},                        // 9d control
    {kOne, {0x0e, 0xa9, 0x14, 0x02}, {}},                        // 9e ž
    {kOne, {0x0e, 0xa7, 0x13, 0x12}, {}},                        // 9f Ÿ
    {kOne, {0x07, 0x04, 0x02, 0x02}, {}},                        // a0 no-break space
    {kOne, {0x07, 0x51, 0x02, 0x02}, {}},                        // a1 ¡
    {kOne, {0x07, 0x97, 0x02, 0x02}, {}},                        // a2 ¢
    {kOne, {0x07, 0x98, 0x02, 0x02}, {}},                        // a3 £
    {kOne, {0x07, 0x99, 0x02, 0x02}, {}},                        // a4 ¤
    {kOne, {0x07, 0x9a, 0x02, 0x02}, {}},                        // a5 ¥
    {kOne, {0x07, 0x52, 0x02, 0x02}, {}},                        // a6 ¦
    {kOne, {0x0a, 0x06, 0x02, 0x02}, {}},                        // a7 §
    {kOne, {0x07, 0x53, 0x02, 0x02}, {}},                        // a8 ¨
    {kOne, {0x0a, 0x07, 0x02, 0x02}, {}},                        // a9 ©
    {kOne, {0x0e, 0x02, 0x03, 0x0e}, {}},                        // aa ª
    {kOne, {0x08, 0x18, 0x02, 0x02}, {}},                        // ab «
    {kOne, {0x0a, 0x08, 0x02, 0x02}, {}},                        // ac ¬
    {kIgnored, {}, {}},                                          // ad soft hyphen
    {kOne, {0x0a, 0x09, 0x02, 0x02}, {}},                        // ae ®
    {kOne, {0x07, 0x54, 0x02, 0x02}, {}},                        // af ¯
    {kOne, {0x0a, 0x0a, 0x02, 0x02}, {}},                        // b0 °
    {kOne, {0x08, 0x17, 0x02, 0x02}, {}},                        // b1 ±
    {kOne, {0x0d, 0x1c, 0x02, 0x0e}, {}},                        // b2 ²
    {kOne, {0x0d, 0x1e, 0x02, 0x0e}, {}},                        // b3 ³
    {kOne, {0x07, 0x55, 0x02, 0x02}, {}},                        // b4 ´
    {kOne, {0x0a, 0x0b, 0x02, 0x02}, {}},                        // b5 µ
    {kOne, {0x0a, 0x0c, 0x02, 0x02}, {}},                        // b6 ¶
    {kOne, {0x0a, 0x0d, 0x02, 0x02}, {}},                        // b7 ·
    {kOne, {0x07, 0x56, 0x02, 0x02}, {}},                        // b8 ¸
    {kOne, {0x0d, 0x1a, 0x02, 0x0e}, {}},                        // b9 ¹
    {kOne, {0x0e, 0x7c, 0x03, 0x0e}, {}},                        // ba º
    {kOne, {0x08, 0x1a, 0x02, 0x02}, {}},                        // bb »
    {kOne, {0x0d, 0x0d, 0x02, 0x02}, {}},                        // bc ¼
    {kOne, {0x0d, 0x11, 0x02, 0x02}, {}},                        // bd ½
    {kOne, {0x0d, 0x15, 0x02, 0x02}, {}},                        // be ¾
    {kOne, {0x07, 0x57, 0x02, 0x02}, {}},                        // bf ¿
    {kOne, {0x0e, 0x02, 0x0f, 0x12}, {}},                        // c0 À
    {kOne, {0x0e, 0x02, 0x0e, 0x12}, {}},                        // c1 Á
    {kOne, {0x0e, 0x02, 0x12, 0x12}, {}},                        // c2 Â
    {kOne, {0x0e, 0x02, 0x19, 0x12}, {}},                        // c3 Ã
    {kOne, {0x0e, 0x02, 0x13, 0x12}, {}},                        // c4 Ä
    {kOne, {0x0e, 0x02, 0x1a, 0x12}, {}},                        // c5 Å
    {kTwo, {0x0e, 0x02, 0x02, 0x12}, {0x0e, 0x21, 0x02, 0x12}},  // c6 Æ
    {kOne, {0x0e, 0x0a, 0x1c, 0x12}, {}},                        // c7 Ç
    {kOne, {0x0e, 0x21, 0x0f, 0x12}, {}},                        // c8 È
    {kOne, {0x0e, 0x21, 0x0e, 0x12}, {}},                        // c9 É
    {kOne, {0x0e, 0x21, 0x12, 0x12}, {}},                        // ca Ê
    {kOne, {0x0e, 0x21, 0x13, 0x12}, {}},                        // cb Ë
    {kOne, {0x0e, 0x32, 0x0f, 0x12}, {}},                        // cc Ì
    {kOne, {0x0e, 0x32, 0x0e, 0x12}, {}},                        // cd Í
    {kOne, {0x0e, 0x32, 0x12, 0x12}, {}},                        // ce Î
    {kOne, {0x0e, 0x32, 0x13, 0x12}, {}},                        // cf Ï
    {kOne, {0x0e, 0x1a, 0x68, 0x12}, {}},                        // d0 Ð
    {kOne, {0x0e, 0x70, 0x19, 0x12}, {}},                        // d1 Ñ
    {kOne, {0x0e, 0x7c, 0x0f, 0x12}, {}},                        // d2 Ò
    {kOne, {0x0e, 0x7c, 0x0e, 0x12}, {}},                        // d3 Ó
    {kOne, {0x0e, 0x7c, 0x12, 0x12}, {}},                        // d4 Ô
    {kOne, {0x0e, 0x7c, 0x19, 0x12}, {}},                        // d5 Õ
    {kOne, {0x0e, 0x7c, 0x13, 0x12}, {}},                        // d6 Ö
    {kOne, {0x08, 0x1c, 0x02, 0x02}, {}},                        // d7 ×
    {kOne, {0x0e, 0x7c, 0x21, 0x12}, {}},                        // d8 Ø
    {kOne, {0x0e, 0x9f, 0x0f, 0x12}, {}},                        // d9 Ù
    {kOne, {0x0e, 0x9f, 0x0e, 0x12}, {}},                        // da Ú
    {kOne, {0x0e, 0x9f, 0x12, 0x12}, {}},                        // db Û
    {kOne, {0x0e, 0x9f, 0x13, 0x12}, {}},                        // dc Ü
    {kOne, {0x0e, 0xa7, 0x0e, 0x12}, {}},                        // dd Ý
    {kTwo, {0x0e, 0x99, 0x02, 0x12}, {0x0e, 0x2c, 0x02, 0x12}},  // de Þ
    {kTwo, {0x0e, 0x91, 0x02, 0x02}, {0x0e, 0x91, 0x02, 0x02}},  // df ß
    {kOne, {0x0e, 0x02, 0x0f, 0x02}, {}},                        // e0 à
    {kOne, {0x0e, 0x02, 0x0e, 0x02}, {}},                        // e1 á
    {kOne, {0x0e, 0x02, 0x12, 0x02}, {}},                        // e2 â
    {kOne, {0x0e, 0x02, 0x19, 0x02}, {}},                        // e3 ã
    {kOne, {0x0e, 0x02, 0x13, 0x02}, {}},                        // e4 ä
    {kOne, {0x0e, 0x02, 0x1a, 0x02}, {}},                        // e5 å
    {kTwo, {0x0e, 0x02, 0x02, 0x02}, {0x0e, 0x21, 0x02, 0x02}},  // e6 æ
    {kOne, {0x0e, 0x0a, 0x1c, 0x02}, {}},                        // e7 ç
    {kOne, {0x0e, 0x21, 0x0f, 0x02}, {}},                        // e8 è
    {kOne, {0x0e, 0x21, 0x0e, 0x02}, {}},                        // e9 é
    {kOne, {0x0e, 0x21, 0x12, 0x02}, {}},                        // ea ê
    {kOne, {0x0e, 0x21, 0x13, 0x02}, {}},                        // eb ë
    {kOne, {0x0e, 0x32, 0x0f, 0x02}, {}},                        // ec ì
    {kOne, {0x0e, 0x32, 0x0e, 0x02}, {}},                        // ed í
    {kOne, {0x0e, 0x32, 0x12, 0x02}, {}},                        // ee î
    {kOne, {0x0e, 0x32, 0x13, 0x02}, {}},                        // ef ï
    {kOne, {0x0e, 0x1a, 0x68, 0x02}, {}},                        // f0 ð
    {kOne, {0x0e, 0x70, 0x19, 0x02}, {}},                        // f1 ñ
    {kOne, {0x0e, 0x7c, 0x0f, 0x02}, {}},                        // f2 ò
    {kOne, {0x0e, 0x7c, 0x0e, 0x02}, {}},                        // f3 ó
    {kOne, {0x0e, 0x7c, 0x12, 0x02}, {}},                        // f4 ô
    {kOne, {0x0e, 0x7c, 0x19, 0x02}, {}},                        // f5 õ
    {kOne, {0x0e, 0x7c, 0x13, 0x02}, {}},                        // f6 ö
    {kOne, {0x08, 0x1d, 0x02, 0x02}, {}},                        // f7 ÷
    {kOne, {0x0e, 0x7c, 0x21, 0x02}, {}},                        // f8 ø
    {kOne, {0x0e, 0x9f, 0x0f, 0x02}, {}},                        // f9 ù
    {kOne, {0x0e, 0x9f, 0x0e, 0x02}, {}},                        // fa ú
    {kOne, {0x0e, 0x9f, 0x12, 0x02}, {}},                        // fb û
    {kOne, {0x0e, 0x9f, 0x13, 0x02}, {}},                        // fc ü
    {kOne, {0x0e, 0xa7, 0x0e, 0x02}, {}},                        // fd ý
    {kTwo, {0x0e, 0x99, 0x02, 0x02}, {0x0e, 0x2c, 0x02, 0x02}},  // fe þ
    {kOne, {0x0e, 0xa7, 0x13, 0x02}, {}},                        // ff ÿ
};

void AppendTrimmed(std::string* key, const std::string& run) {
  size_t end = run.size();
  while (end > 0 && static_cast<uint8_t>(run[end - 1]) == kPlain) --end;
  key->append(run, 0, end);
  key->push_back(static_cast<char>(kSeparator));
}

// Script groups beyond the code page's, after Latin (0x0e) as Windows has
// them; characters of no group here sort last, by code point.
constexpr uint8_t kGreek = 0x0f;
constexpr uint8_t kCyrillic = 0x10;
constexpr uint8_t kOtherHigh = 0xe0;  // + plane: the first element of any other character
constexpr uint8_t kOtherLow = 0x03;   // its second element
constexpr uint8_t kUpper = 0x12;      // case weight of a capital

// Greek lower-case letters with marks and their base letters.
constexpr std::pair<char32_t, char32_t> kGreekBase[] = {
    {0x03AC, 0x03B1}, {0x03AD, 0x03B5}, {0x03AE, 0x03B7}, {0x03AF, 0x03B9}, {0x03CC, 0x03BF}, {0x03CD, 0x03C5},
    {0x03CE, 0x03C9}, {0x03CA, 0x03B9}, {0x03CB, 0x03C5}, {0x0390, 0x03B9}, {0x03B0, 0x03C5}, {0x03C2, 0x03C3}};

// The character at text[*at] (UTF-8) and its code point; a byte that is not
// UTF-8 is its Windows-1252 character. Moves *at past it. Returns the
// Windows-1252 byte, or -1 for a character the code page lacks.
int NextCharacter(std::string_view text, size_t* at, char32_t* cp) {
  const auto b = static_cast<uint8_t>(text[*at]);
  const size_t len = b < 0x80                 ? 1
                     : b >= 0xC2 && b <= 0xDF ? 2
                     : b >= 0xE0 && b <= 0xEF ? 3
                     : b >= 0xF0 && b <= 0xF4 ? 4
                                              : 0;
  char32_t c = len == 1 ? b : b & (0x7F >> len);
  bool valid = len != 0 && *at + len <= text.size();
  for (size_t k = 1; valid && k < len; ++k) {
    const auto next = static_cast<uint8_t>(text[*at + k]);
    valid = (next & 0xC0) == 0x80;
    c = (c << 6) | (next & 0x3F);
  }
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (!valid || c < kMin[len] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
    ++*at;
    *cp = b;
    return b;
  }
  *at += len;
  *cp = c;
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  const std::string cp1252 = platform::Utf16ToCp1252(platform::Utf8ToUtf16(text.substr(*at - len, len)), '\0');
  return cp1252.size() == 1 && cp1252[0] != '\0' ? static_cast<uint8_t>(cp1252[0]) : -1;
}

// Weights of a character the code page lacks.
CharWeights OtherWeights(std::string_view utf8, char32_t cp) {
  const std::string lower = LowerCase(utf8);
  const uint8_t letterCase = lower != utf8 ? kUpper : kPlain;
  size_t at = 0;
  char32_t l = cp;
  NextCharacter(lower, &at, &l);
  if (l >= 0x0100 && l <= 0x024F) {
    // A Latin letter with a mark: its base letter, the mark at level 2.
    const std::string base = storage::NameStandIn(lower, 2);
    if (base.size() == 1 && base[0] >= 'a' && base[0] <= 'z') {
      Element e = kWeights[static_cast<uint8_t>(base[0])].first;
      e.accent = static_cast<uint8_t>(0x30 + (l & 0x3F));
      e.letter_case = letterCase;
      return {kOne, e, {}};
    }
  }
  if (l >= 0x0390 && l <= 0x03CE) {
    char32_t base = l;
    uint8_t accent = kPlain;
    for (auto [marked, plain] : kGreekBase)
      if (l == marked) base = plain, accent = static_cast<uint8_t>(0x0e + (l & 0x0F));
    if (base >= 0x03B1 && base <= 0x03C9)
      return {kOne, {kGreek, static_cast<uint8_t>(2 + (base - 0x03B1) * 2), accent, letterCase}, {}};
  }
  if (l >= 0x0430 && l <= 0x052F) {
    uint8_t weight;
    if (l <= 0x044F)
      weight = static_cast<uint8_t>(4 + (l - 0x0430) * 4);
    else if (l == 0x0451)  // ё just after е
      weight = 4 + 5 * 4 + 1;
    else if (l <= 0x045F)
      weight = static_cast<uint8_t>(140 + (l - 0x0450));
    else
      weight = static_cast<uint8_t>(160 + std::min<char32_t>((l - 0x0460) / 2, 95));
    return {kOne, {kCyrillic, weight, kPlain, letterCase}, {}};
  }
  return {kTwo,
          {static_cast<uint8_t>(kOtherHigh + (cp >> 16)), static_cast<uint8_t>((cp >> 8) & 0xFF), kPlain, kPlain},
          {kOtherLow, static_cast<uint8_t>(cp & 0xFF), kPlain, kPlain}};
}

// The weights of the character at text[*at]; moves *at past it.
CharWeights WeightsAt(std::string_view text, size_t* at) {
  const size_t start = *at;
  char32_t cp = 0;
  const int byte = NextCharacter(text, at, &cp);
  if (byte >= 0) return kWeights[byte];
  return OtherWeights(text.substr(start, *at - start), cp);
}

}  // namespace

std::string WindowsTextSortKey(std::string_view text) {
  // Level 1 goes straight into the key; the other levels wait their turn.
  std::string key, accents, cases, specials;
  key.reserve(text.size() * 4 + 8);
  accents.reserve(text.size());
  cases.reserve(text.size());
  size_t elements = 0;
  auto add = [&](const Element& e) {
    key.push_back(static_cast<char>(e.script));
    key.push_back(static_cast<char>(e.weight));
    accents.push_back(static_cast<char>(e.accent));
    cases.push_back(static_cast<char>(e.letter_case));
    ++elements;
  };
  for (size_t at = 0; at < text.size();) {
    const CharWeights w = WeightsAt(text, &at);
    if (w.kind == kEnd) break;
    switch (w.kind) {
      case kIgnored:
      case kEnd:
        break;
      case kSpecial: {
        // Its place counts down from FFFF with the level-1 elements before
        // it, so at equal weights an earlier special character sorts later.
        uint16_t place = static_cast<uint16_t>(0xFFFF - std::min<size_t>(elements, 0xFFFF));
        specials.push_back(static_cast<char>(place >> 8));
        specials.push_back(static_cast<char>(place & 0xFF));
        specials.push_back(static_cast<char>(w.first.weight));
        specials.push_back(static_cast<char>(kSpecialTail));
        break;
      }
      case kOne:
        add(w.first);
        break;
      case kTwo:
        add(w.first);
        add(w.second);
        break;
    }
  }
  key.push_back(static_cast<char>(kSeparator));
  AppendTrimmed(&key, accents);
  AppendTrimmed(&key, cases);
  key.push_back(static_cast<char>(kSeparator));  // no East Asian extra weights here
  key += specials;
  key.push_back('\0');
  return key;
}

namespace {

// Walks a text's level-1 elements one by one.
class PrimaryWeights {
 public:
  explicit PrimaryWeights(std::string_view text) : text_(text) {}

  // The next element's script and weight as one number; 0 at the end.
  unsigned Next() {
    if (pending_) return std::exchange(pending_, 0);
    while (at_ < text_.size()) {
      const CharWeights w = WeightsAt(text_, &at_);
      switch (w.kind) {
        case kEnd:
          at_ = text_.size();
          return 0;
        case kIgnored:
        case kSpecial:
          continue;
        case kTwo:
          pending_ = Packed(w.second);
          return Packed(w.first);
        case kOne:
          return Packed(w.first);
      }
    }
    return 0;
  }

 private:
  static unsigned Packed(const Element& e) { return (unsigned{e.script} << 8) | e.weight; }

  std::string_view text_;
  size_t at_ = 0;
  unsigned pending_ = 0;
};

}  // namespace

int CompareWindowsText(std::string_view a, std::string_view b) {
  // Most texts differ at level 1, which needs no key.
  PrimaryWeights pa(a), pb(b);
  for (;;) {
    unsigned wa = pa.Next(), wb = pb.Next();
    if (wa != wb) return wa < wb ? -1 : 1;
    if (wa == 0) break;
  }
  std::string ka = WindowsTextSortKey(a), kb = WindowsTextSortKey(b);
  int r = ka.compare(kb);
  return r < 0 ? -1 : r > 0 ? 1 : 0;
}

}  // namespace tq::app
