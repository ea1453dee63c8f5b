#include "spell/engine/phonetic_map.h"

#include <algorithm>
#include <initializer_list>

#include "spell/engine/ansi_text.h"

namespace tq::spell {

TReplaceNode::TReplaceNode() = default;
TReplaceNode::~TReplaceNode() = default;

bool TReplaceNode::GetNextMap(std::string_view text, std::string_view& output, size_t position, int& consumed) const {
  if (children_ && position >= 1 && position <= text.size()) {
    const auto& child = (*children_)[static_cast<unsigned char>(text[position - 1])];
    if (child && child->GetNextMap(text, output, position + 1, consumed)) return true;
  }
  if (!isRule_) return false;
  output = output_;
  consumed = consumed_;
  return true;
}

void TReplaceNode::ClearMap() {
  children_.reset();
  isRule_ = false;
  output_.clear();
  consumed_ = 0;
}

void TReplaceNode::SwapRules(TReplaceNode& other) noexcept {
  children_.swap(other.children_);
  std::swap(isRule_, other.isRule_);
  output_.swap(other.output_);
  std::swap(consumed_, other.consumed_);
}

void TReplaceNode::AddMap(std::string_view source, std::string_view output, int consumed) {
  TReplaceNode* node = this;
  for (char ch : source) {
    if (!node->children_) node->children_ = std::make_unique<Children>();
    auto& child = (*node->children_)[static_cast<unsigned char>(ch)];
    if (!child) child = std::make_unique<TReplaceNode>();
    node = child.get();
  }
  node->isRule_ = true;
  node->output_.assign(output);
  node->consumed_ = consumed;
}

int TPhoneticsMap::RuleSet(int language) {
  switch (language & 0xFF) {
    case 9:
      return 1;
    case 12:
      return 2;
    case 25:
      return 3;
    default:
      return 0;
  }
}

void TPhoneticsMap::WriteLanguage(int language) {
  if (language == language_) return;
  if (installed_) {
    keptRules_[RuleSet(language_)] = std::make_unique<TReplaceNode>();
    keptRules_[RuleSet(language_)]->SwapRules(*this);
  }
  language_ = language;
  const int set = RuleSet(language);
  if (keptRules_[set]) {
    SwapRules(*keptRules_[set]);
    keptRules_[set].reset();
    installed_ = true;
    return;
  }
  installing_ = true;
  TReplaceNode::ClearMap();
  switch (set) {
    case 1:
      InstallEnglish();
      break;
    case 2:
      InstallFrench();
      break;
    case 3:
      InstallRussian();
      break;
    default:
      InstallDefault();
      break;
  }
  installing_ = false;
  installed_ = true;
}

void TPhoneticsMap::AddMap(std::string_view source, std::string_view output, int consumed) {
  if (!installing_) installed_ = false;
  TReplaceNode::AddMap(source, output, consumed);
}

void TPhoneticsMap::ClearMap() {
  if (!installing_) installed_ = false;
  TReplaceNode::ClearMap();
}

void TPhoneticsMap::WriteStartDepth(int depth) {
  if (depth > 0) startDepth_ = depth;
}

std::string TPhoneticsMap::GetMapping(std::string_view word) const {
  const std::string w = AnsiLowerCase(word);
  std::string code;
  code.reserve(static_cast<size_t>(std::max(startDepth_, 0) + std::max(limit_, 0) + 2));
  size_t pos = 0;
  if (!w.empty() && startDepth_ > 0) {
    pos = std::min(static_cast<size_t>(startDepth_), w.size());
    code.assign(w, 0, pos);
  }
  int budget = limit_;
  const std::string_view rest(w);
  while (pos < w.size()) {
    std::string_view output;
    int consumed = 0;
    if (!GetNextMap(rest.substr(pos), output, 1, consumed)) {
      ++pos;
      continue;
    }
    const bool duplicate =
        removeDuplicates_ && !code.empty() && consumed == 1 && !output.empty() && output[0] == code.back();
    if (!duplicate) {
      code += output;
      budget -= static_cast<int>(output.size());
      if (budget <= 0) break;
    }
    // A rule added by a handler may consume nothing; it must still move on.
    pos += static_cast<size_t>(std::max(consumed, 1));
  }
  return code;
}

bool TPhoneticsMap::AcceptableDistance(std::string_view word, int distance) const {
  // A divisor below 1 would divide by zero; the smallest sound divisor is 1.
  const int divisor = std::max(distanceDivisor_, 1);
  return distance <= static_cast<int>(word.size()) / divisor && distance <= distanceMaximum_;
}

namespace {

void AddAll(TReplaceNode& map, std::initializer_list<std::string_view> sources, std::string_view output, int consumed) {
  for (std::string_view s : sources) map.AddMap(s, output, consumed);
}

}  // namespace

void TPhoneticsMap::InstallEnglish() {
  AddAll(*this, {"b"}, "b", 1);
  AddAll(*this, {"cia"}, "x", 1);
  AddAll(*this, {"ch"}, "x", 2);
  AddAll(*this, {"ci", "ce", "cy"}, "s", 1);
  AddAll(*this, {"c"}, "k", 1);
  AddAll(*this, {"dge", "dgy", "dgi"}, "j", 2);
  AddAll(*this, {"d"}, "t", 1);
  AddAll(*this, {"f"}, "f", 1);
  AddAll(*this, {"gha", "ghe", "ghi", "gho", "ghu", "ghy"}, "k", 2);
  AddAll(*this, {"gh"}, "", 2);
  AddAll(*this, {"gn"}, "n", 2);
  AddAll(*this, {"gi", "ge", "gy"}, "j", 1);
  AddAll(*this, {"g"}, "k", 1);
  AddAll(*this, {"h"}, "h", 1);
  static constexpr char kVowels[] = "aeiou";
  for (int a = 0; a < 5; ++a)
    for (int b = 0; b < 5; ++b) {
      const char source[3] = {kVowels[a], 'h', kVowels[b]};
      AddMap(std::string_view(source, 3), "h", 2);
    }
  AddAll(*this, {"ah", "eh", "ih", "oh", "uh"}, "", 2);
  AddAll(*this, {"j"}, "j", 1);
  AddAll(*this, {"ck"}, "k", 2);
  AddAll(*this, {"k"}, "k", 1);
  AddAll(*this, {"l"}, "l", 1);
  AddAll(*this, {"m"}, "m", 1);
  AddAll(*this, {"n"}, "n", 1);
  AddAll(*this, {"ph"}, "f", 2);
  AddAll(*this, {"p"}, "p", 1);
  AddAll(*this, {"q"}, "k", 1);
  AddAll(*this, {"r"}, "r", 1);
  AddAll(*this, {"sh"}, "x", 2);
  AddAll(*this, {"sio", "sia"}, "x", 1);
  AddAll(*this, {"s"}, "s", 1);
  AddAll(*this, {"tia", "tio"}, "x", 1);
  AddAll(*this, {"th"}, "0", 2);
  AddAll(*this, {"tch"}, "x", 3);
  AddAll(*this, {"t"}, "t", 1);
  AddAll(*this, {"v"}, "f", 1);
  AddAll(*this, {"wa", "we", "wi", "wo", "wu", "wy"}, "w", 1);
  AddAll(*this, {"x"}, "ks", 1);
  AddAll(*this, {"ya", "ye", "yi", "yo", "yu"}, "y", 1);
  AddAll(*this, {"yy"}, "y", 2);
  AddAll(*this, {"z"}, "s", 1);
}

void TPhoneticsMap::InstallFrench() {
  AddAll(*this, {"b", "p"}, "b", 1);
  AddAll(*this, {"c", "k", "q"}, "c", 1);
  AddAll(*this, {"d", "t"}, "d", 1);
  AddAll(*this, {"l"}, "l", 1);
  AddAll(*this, {"m", "n"}, "m", 1);
  AddAll(*this, {"r"}, "r", 1);
  AddAll(*this, {"g", "j"}, "g", 1);
  AddAll(*this, {"x", "z", "s"}, "x", 1);
  AddAll(*this, {"f", "v"}, "f", 1);
}

void TPhoneticsMap::InstallDefault() {
  AddAll(*this, {"b", "f", "p", "v"}, "b", 1);
  AddAll(*this, {"c", "g", "j", "k", "q", "s", "x", "z"}, "k", 1);
  AddAll(*this, {"d", "t"}, "d", 1);
  AddAll(*this, {"l"}, "l", 1);
  AddAll(*this, {"m", "n"}, "m", 1);
  AddAll(*this, {"r"}, "r", 1);
}

// Windows-1251 bytes.
void TPhoneticsMap::InstallRussian() {
  AddMap("\xE1", "\xE1\xFC", 1);
  AddMap("\xE2", "\xE2\xFC", 1);
  AddMap("\xE3", "\xE3\xFC", 1);
  for (const char* letter : {"\xEB", "\xEC", "\xED", "\xEF", "\xF0", "\xF1", "\xF2"})
    AddMap(letter, std::string(letter) + "\xFC", 1);
  AddMap("\xE4", "\xF2", 1);
  AddMap("\xE7", "\xF1", 1);
  AddMap("\xEA", "\xE3", 1);
  AddMap("\xE6", "\xF8", 1);
  AddMap("\xEE", "\xE0", 1);
  AddMap("\xF9", "\xF8\xFC", 1);
  AddMap("\xEE\xF0\xEE", "\xEE\xF0\xE0", 3);
  AddMap("\xEE\xEB\xEE", "\xEE\xEB\xE0", 3);
  AddMap("\xED\xED", "\xED", 2);
  AddMap("\xF1\xF1", "\xF1", 2);
  AddMap("\xE5\xE5", "\xE5", 2);
  AddMap("\xE6\xE8", "\xE6\xFB", 2);
  AddMap("\xF8\xE8", "\xF8\xFB", 2);
  AddMap("\xF9\xF3", "\xF8\xFE", 2);
  AddMap("\xF1\xF7", "\xF9", 2);
  AddMap("\xF1\xF8", "\xF8", 1);
}

}  // namespace tq::spell
