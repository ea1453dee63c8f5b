// The phonetic map: turns a word into a short sound code so that words which
// sound alike share a code. Replacement rules (source -> output, consumed
// length) live in a 256-way character tree; the rule set is chosen by the
// Windows language identifier (English, French, Russian, or a coarse default).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace tq::spell {

// One node of the rule tree. A rule ends at the node reached by its source's
// characters; it owns its children.
class TReplaceNode {
 public:
  TReplaceNode();
  virtual ~TReplaceNode();
  TReplaceNode(const TReplaceNode&) = delete;
  TReplaceNode& operator=(const TReplaceNode&) = delete;

  // The rule with the longest source that matches text from position
  // (1-based) on, falling back to shorter sources. output refers into the
  // tree and stays valid until the rules change.
  virtual bool GetNextMap(std::string_view text, std::string_view& output, size_t position, int& consumed) const;
  // Removes every rule below this node (and this node's own).
  virtual void ClearMap();
  // Adds or replaces the rule for source; an empty source marks this node.
  virtual void AddMap(std::string_view source, std::string_view output, int consumed);

  bool ReadHasChildren() const { return children_ != nullptr; }
  // Exchanges every rule of this node and below with other's.
  void SwapRules(TReplaceNode& other) noexcept;
  bool ReadIsRule() const { return isRule_; }

 private:
  using Children = std::array<std::unique_ptr<TReplaceNode>, 256>;
  std::unique_ptr<Children> children_;  // made with the first child, so leaves stay small
  bool isRule_ = false;
  std::string output_;
  int consumed_ = 0;
};

// The root of the rule tree and the coding of words.
class TPhoneticsMap : public TReplaceNode {
 public:
  static constexpr int kNoLanguage = -1;

  TPhoneticsMap() = default;

  // Installs the rule set of language's low byte (9 English, 12 French,
  // 25 Russian, anything else the default set) when language differs from
  // the installed one; the same language keeps the rules as they are.
  virtual void WriteLanguage(int language);
  // Values below 1 are ignored.
  virtual void WriteStartDepth(int depth);
  // The sound code of word: its first start-depth characters (lower-cased),
  // then the outputs of the rules that match, up to the limit.
  virtual std::string GetMapping(std::string_view word) const;
  // Whether two words distance edits apart are still alike, for a word of
  // this length.
  virtual bool AcceptableDistance(std::string_view word, int distance) const;
  // Changing the rules by hand: they are no longer the installed set.
  void AddMap(std::string_view source, std::string_view output, int consumed) override;
  void ClearMap() override;

  int ReadLanguage() const { return language_; }
  int ReadStartDepth() const { return startDepth_; }
  bool ReadRemoveDuplicates() const { return removeDuplicates_; }
  void WriteRemoveDuplicates(bool on) { removeDuplicates_ = on; }
  int ReadLimit() const { return limit_; }
  void WriteLimit(int limit) { limit_ = limit; }
  int ReadDistanceDivisor() const { return distanceDivisor_; }
  void WriteDistanceDivisor(int divisor) { distanceDivisor_ = divisor; }
  int ReadDistanceMaximum() const { return distanceMaximum_; }
  void WriteDistanceMaximum(int maximum) { distanceMaximum_ = maximum; }

 private:
  void InstallEnglish();
  void InstallFrench();
  void InstallRussian();
  void InstallDefault();
  // The rule set a language uses: 0 default, 1 English, 2 French, 3 Russian.
  static int RuleSet(int language);

  // The suggestions switch between the English and the default rules for
  // every word; a rule set put aside unchanged is taken back, not rebuilt.
  std::array<std::unique_ptr<TReplaceNode>, 4> keptRules_;
  bool installed_ = false;  // the rules are exactly those of language_'s set
  bool installing_ = false;

  int startDepth_ = 2;
  bool removeDuplicates_ = true;
  int limit_ = 6;
  int language_ = kNoLanguage;
  int distanceDivisor_ = 2;
  int distanceMaximum_ = 4;
};

}  // namespace tq::spell
