// CompareWindowsText against the operating system's own lstrcmpA and sort
// keys. Built for Windows only.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "app/core/text_order.h"
#include "platform/codepage.h"

namespace tq::app {
namespace {

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

std::string SystemSortKey(const std::string& text) {
  char key[1024];
  int n = LCMapStringA(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT), LCMAP_SORTKEY,
                       text.c_str(), -1, key, sizeof key);
  // The system's key ends with its zero byte, as ours does.
  return n > 0 ? std::string(key, n) : std::string();
}

std::string Hex(const std::string& s) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : s) {
    out += digits[c >> 4];
    out += digits[c & 15];
    out += ' ';
  }
  return out;
}

class SystemOrderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // lstrcmpA sorts under the thread's locale; the order reproduced is the
    // English one with the Windows-1252 code page.
    if (GetACP() != 1252) GTEST_SKIP() << "the system code page is not Windows-1252";
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
  }

  void ExpectSameOrder(const std::string& a, const std::string& b) {
    int system = Sign(lstrcmpA(a.c_str(), b.c_str()));
    // The system reads the code page's bytes, ours the same text as UTF-8.
    const std::string ua = platform::Cp1252ToUtf8(a), ub = platform::Cp1252ToUtf8(b);
    int ours = CompareWindowsText(ua, ub);
    if (system != ours) {
      ADD_FAILURE() << "lstrcmpA(\"" << a << "\", \"" << b << "\") is " << system << ", ours " << ours << "\n keys "
                    << Hex(WindowsTextSortKey(ua)) << "\n      " << Hex(WindowsTextSortKey(ub));
      ++failures_;
    }
  }

  int failures_ = 0;
};

TEST_F(SystemOrderTest, SortKeyOfEveryCharacterMatchesTheSystems) {
  for (int c = 1; c < 256; ++c) {
    std::string text(1, static_cast<char>(c));
    EXPECT_EQ(Hex(WindowsTextSortKey(platform::Cp1252ToUtf8(text))), Hex(SystemSortKey(text))) << "byte " << c;
  }
}

TEST_F(SystemOrderTest, EveryPairOfCharactersComparesAsLstrcmpA) {
  for (int a = 1; a < 256 && failures_ < 20; ++a)
    for (int b = 1; b < 256 && failures_ < 20; ++b)
      ExpectSameOrder(std::string(1, static_cast<char>(a)), std::string(1, static_cast<char>(b)));
}

TEST_F(SystemOrderTest, WordsComparesAsLstrcmpA) {
  const std::vector<std::string> words = {
      "",
      "a",
      "A",
      "aa",
      "aA",
      "Aa",
      "AA",
      "ab",
      "aB",
      "Ab",
      "AB",
      "abc",
      "co-op",
      "coop",
      "co-Op",
      "Coop",
      "coo-p",
      "-coop",
      "coop-",
      "co'op",
      "it's",
      "its",
      "Its",
      "it-s",
      "re-sign",
      "resign",
      "Resign",
      "re-Sign",
      "a\x96"
      "b",
      "a\x97"
      "b",
      "a-b",
      "ab",
      "a b",
      "a_b",
      "a.b",
      "a1",
      "a10",
      "a2",
      "1a",
      "10",
      "2",
      "\xe6",
      "ae",
      "AE",
      "\xc6",
      "Ae",
      "\xdf",
      "ss",
      "SS",
      "Ss",
      "\x9c",
      "oe",
      "\x8c",
      "OE",
      "\xfe",
      "th",
      "\xde",
      "Th",
      "cote",
      "cot\xe9",
      "c\xf4te",
      "c\xf4t\xe9",
      "Cote",
      "COTE",
      "caf\xe9",
      "Caf\xe9",
      "cafe",
      "CAFE",
      "CAF\xc9",
      "na\xefve",
      "naive",
      "Na\xefve",
      "\xe0",
      "\xe1",
      "\xe2",
      "\xe3",
      "\xe4",
      "\xe5",
      "\xc0",
      "\xc1",
      "\xc4",
      "a\xad"
      "b",
      "\xad",
      "a\x01"
      "b",
      "\x01",
      "\x7f",
      "Sales",
      "sales",
      "SALES",
      "Support",
      "support",
      "Thanks (Shift+Ctrl+T)",
      "Thanks",
      "Thanks (Ctrl+Alt+R)",
      "Thanks!",
      "Thanks.",
      "thanks",
      "Hello world",
      "Hello, world",
      "Hello-world",
      "Helloworld",
      "hello world",
      "\x80",
      "\xa3",
      "$",
      "#1",
      "(a)",
      "[a]",
      "{a}",
      "a'",
      "'a",
      "''",
      "'",
      "-",
      "--",
      "a--b",
      "a-b-c",
      "ab-c",
      "a-bc",
      "\xe6-",
      "ae-",
      "-\xe6",
      "\xb2",
      "2",
      "\xb9",
      "\xbd",
      "1/2",
      "2nd try",
      "Adam",
      "\xe6on",
      "Elan",
      "\xc9lan",
      "email",
      "e-mail",
      "Zebra",
      "Thanksgiving",
      "thanks.",
      "c\xf4t\xe9",
      "dote",
      "coopa",
      "+",
      "(a)",
      "\xaa",
      "\xba",
      "o",
      "\x99",
      "tm",
      "\x83",
      "f",
      "\x8a",
      "S",
      "\x9a",
      "s",
  };
  for (const auto& a : words)
    for (const auto& b : words) ExpectSameOrder(a, b);
}

TEST_F(SystemOrderTest, RandomTextsCompareAsLstrcmpA) {
  // Short texts over an alphabet rich in the characters whose rules differ:
  // case pairs, accents, ligatures, the special and the ignored characters.
  const std::string alphabet =
      "aAbBeEsSoOtT1 -'.,_\xe6\xc6\xdf\xe9\xc9\xe8\xf4\xd4\x9c\x8c\xfe\xde\x96\x97\xad\x01\x1f\x7f\xb2\xaa\x83";
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<size_t> len(0, 6), pick(0, alphabet.size() - 1);
  auto make = [&] {
    std::string s(len(rng), ' ');
    for (char& c : s) c = alphabet[pick(rng)];
    return s;
  };
  for (int i = 0; i < 200000 && failures_ < 20; ++i) {
    std::string a = make(), b = make();
    if (i % 4 == 0) b = a.substr(0, a.size() / 2) + make();  // shared prefixes reach the later levels
    ExpectSameOrder(a, b);
  }
}

}  // namespace
}  // namespace tq::app
