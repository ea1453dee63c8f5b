#include "spell/engine/error_model.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "spell/engine/ansi_text.h"

namespace tq::spell {

namespace {

constexpr size_t kLimit = 64;  // longer words are priced as plain edits
constexpr double kPlain = 1.0;

bool IsVowel(char c) { return c && std::strchr("aeiouy", c) != nullptr; }

// Where a letter lies on a QWERTY keyboard: row, and column in quarter keys.
bool KeyPlace(char c, int* row, int* column) {
  static const char* const kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
  static const int kShift[] = {0, 1, 3};
  for (int r = 0; r < 3; ++r)
    if (const char* p = std::strchr(kRows[r], c); p && c) {
      *row = r;
      *column = static_cast<int>(p - kRows[r]) * 4 + kShift[r];
      return true;
    }
  return false;
}

bool KeysAdjacent(char a, char b) {
  int ra = 0, ca = 0, rb = 0, cb = 0;
  if (a == b || !KeyPlace(a, &ra, &ca) || !KeyPlace(b, &rb, &cb)) return false;
  return std::abs(ra - rb) <= 1 && std::abs(ca - cb) <= 5;
}

// Consonants that stand for one sound in English spelling.
bool SoundAlike(char a, char b) {
  static const char* const kPairs[] = {"ck", "cs", "sz", "gj", "kq", "iy", "fv", "dt", "mn", "bp", "xz"};
  for (const char* p : kPairs)
    if ((a == p[0] && b == p[1]) || (a == p[1] && b == p[0])) return true;
  return false;
}

double Substitution(char typed, char meant) {
  if (IsVowel(typed) && IsVowel(meant)) return 0.55;
  if (SoundAlike(typed, meant)) return 0.65;
  if (KeysAdjacent(typed, meant)) return 0.75;
  return kPlain;
}

// A letter of meant left out, with prev and next its neighbours in meant.
double Omission(char letter, char prev, char next) {
  if (letter == prev || letter == next) return 0.35;  // one of a doubled pair
  if (IsVowel(letter)) return 0.7;                    // an unstressed vowel
  if (letter == 'h' || letter == 'w') return 0.7;     // a silent letter
  return kPlain;
}

// A letter typed that meant lacks, with prev and next its typed neighbours.
double Addition(char letter, char prev, char next) {
  if (letter == prev || letter == next) return 0.4;  // a letter doubled
  if (IsVowel(letter)) return 0.75;
  if (KeysAdjacent(letter, prev) || KeysAdjacent(letter, next)) return 0.8;
  return kPlain;
}

// Spellings of one sound, each way round: {typed, meant, cost}.
struct SoundSpelling {
  std::string_view a;
  std::string_view b;
  double cost;
};
constexpr SoundSpelling kSpellings[] = {
    {"f", "ph", 0.45},      {"k", "ch", 0.5},   {"s", "sc", 0.45},     {"s", "ss", 0.35},      {"c", "ss", 0.5},
    {"sh", "ti", 0.5},      {"sh", "ci", 0.5},  {"j", "dg", 0.5},      {"k", "ck", 0.35},      {"k", "qu", 0.6},
    {"x", "cks", 0.6},      {"ks", "x", 0.5},   {"z", "s", 0.5},       {"er", "re", 0.4},      {"ie", "ei", 0.3},
    {"ee", "ea", 0.4},      {"oo", "ou", 0.5},  {"ai", "ay", 0.5},     {"ant", "ent", 0.35},   {"ance", "ence", 0.35},
    {"able", "ible", 0.35}, {"ar", "er", 0.45}, {"or", "er", 0.45},    {"ous", "us", 0.5},     {"el", "le", 0.4},
    {"gh", "", 0.6},        {"w", "wh", 0.4},   {"n", "kn", 0.4},      {"r", "wr", 0.4},       {"m", "mb", 0.45},
    {"u", "ough", 0.7},     {"o", "ough", 0.7}, {"cion", "tion", 0.4}, {"sion", "tion", 0.35}, {"shun", "tion", 0.5},
};

// Whether text[0..end) ends with piece.
bool EndsWith(const char* text, size_t end, std::string_view piece) {
  return piece.size() <= end && std::memcmp(text + end - piece.size(), piece.data(), piece.size()) == 0;
}

// One way round of a spelling of one sound: typed for meant.
struct Directed {
  std::string_view typed;
  std::string_view meant;
  double cost;
};

// The spellings both ways round, by the last letter of the typed piece
// (0 for an empty one), so that each place in the words tries only those
// that can end there.
class SpellingIndex {
 public:
  SpellingIndex() {
    for (const SoundSpelling& s : kSpellings) {
      Add({s.a, s.b, s.cost});
      Add({s.b, s.a, s.cost});
    }
  }
  const std::vector<Directed>& EndingIn(char c) const { return byLast_[static_cast<unsigned char>(c)]; }

 private:
  void Add(const Directed& d) {
    byLast_[d.typed.empty() ? 0 : static_cast<unsigned char>(d.typed.back())].push_back(d);
  }
  std::array<std::vector<Directed>, 256> byLast_;
};

const SpellingIndex& Spellings() {
  static const SpellingIndex index;
  return index;
}

}  // namespace

double TypingErrorCost(std::string_view typedIn, std::string_view meantIn) {
  if (typedIn.size() > kLimit || meantIn.size() > kLimit)
    return static_cast<double>(std::max(typedIn.size(), meantIn.size()));
  std::array<char, kLimit + 1> t{}, m{};
  const size_t n = typedIn.size(), k = meantIn.size();
  for (size_t i = 0; i < n; ++i) t[i] = AnsiLowerChar(typedIn[i]);
  for (size_t j = 0; j < k; ++j) m[j] = AnsiLowerChar(meantIn[j]);
  // d[i][j]: the cost of typing m[0..j) as t[0..i).
  std::array<std::array<double, kLimit + 1>, kLimit + 1> d;
  d[0][0] = 0;
  for (size_t i = 1; i <= n; ++i) d[i][0] = d[i - 1][0] + Addition(t[i - 1], i > 1 ? t[i - 2] : 0, t[i]);
  for (size_t j = 1; j <= k; ++j) d[0][j] = d[0][j - 1] + Omission(m[j - 1], j > 1 ? m[j - 2] : 0, m[j]);
  const SpellingIndex& index = Spellings();
  for (size_t i = 1; i <= n; ++i)
    for (size_t j = 1; j <= k; ++j) {
      const char a = t[i - 1], b = m[j - 1];
      double best = d[i - 1][j - 1] + (a == b ? 0 : Substitution(a, b));
      best = std::min(best, d[i - 1][j] + Addition(a, i > 1 ? t[i - 2] : 0, t[i]));
      best = std::min(best, d[i][j - 1] + Omission(b, j > 1 ? m[j - 2] : 0, m[j]));
      if (i > 1 && j > 1 && a == m[j - 2] && t[i - 2] == b && a != b) best = std::min(best, d[i - 2][j - 2] + 0.6);
      for (const char last : {a, '\0'})
        for (const Directed& s : index.EndingIn(last))
          if ((s.meant.empty() || s.meant.back() == b) && EndsWith(t.data(), i, s.typed) &&
              EndsWith(m.data(), j, s.meant))
            best = std::min(best, d[i - s.typed.size()][j - s.meant.size()] + s.cost);
      d[i][j] = best;
    }
  double cost = d[n][k];
  if (n && k && t[0] != m[0]) cost += 0.5;
  return cost;
}

}  // namespace tq::spell
