// TMainDictionary: a read-only, precompiled word list for one language (an
// ".adm" file, see main_dictionary_format.h). The file is mapped and its
// node tables and linkage area are used where they lie: a lookup touches one
// node per character and allocates nothing. Every link is bounds-checked, so
// a corrupt file answers "not found" and is never read outside the mapping.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"
#include "spell/engine/child_index.h"
#include "spell/engine/main_dictionary_format.h"
#include "spell/engine/remembered_answers.h"

namespace tq::spell {

class TPhoneticsMap;

class TMainDictionary {
 public:
  // Suggest adds no more once the target list holds more than this many.
  static constexpr size_t kMaxSuggestList = 500;

  explicit TMainDictionary(platform::Env& env = platform::Env::Default());
  ~TMainDictionary();
  TMainDictionary(const TMainDictionary&) = delete;
  TMainDictionary& operator=(const TMainDictionary&) = delete;

  // Selects a dictionary file. A file that cannot be opened changes nothing;
  // one that is too small or wrongly signed leaves the dictionary unloaded
  // with its previous file name. A loaded dictionary loads the new file.
  void WriteFilename(const std::string& path);
  const std::string& ReadFilename() const { return filename_; }
  // Maps the file (true) or releases it (false). A file shorter than its
  // header promises stays unloaded.
  void WriteLoaded(bool loaded);
  bool ReadLoaded() const { return mapping_ != nullptr; }

  // Exact, case-sensitive lookup; loads on demand (false when that fails).
  bool WordExists(std::string_view word);
  // Whether lookups keep their answers for the words a text repeats (on by
  // default). Suggestions turn it off while they try their candidates: each
  // is asked once, and keeping it would only push out the text's words.
  void WriteRemembering(bool on) { remembering_ = on; }
  // Counts a word this dictionary confirmed, to order several dictionaries.
  void WordFound() { ++wordsFound_; }
  // Appends to list the words that share word's first start-depth bytes and
  // have the same sound code, skipping those list already holds (ignoring
  // letter case) and stopping once list holds more than kMaxSuggestList.
  void Suggest(std::string_view word, const TPhoneticsMap& map, std::vector<std::string>& list);
  // The prefix walk of Suggest: reports every word that begins with prefix
  // to Suggest's candidate test (which does nothing outside Suggest).
  void PerformPrefixWords(std::string_view prefix);
  // The same walk with a visitor of our own; the visitor answers true to
  // skip what lies below the word it was given.
  void EnumeratePrefixWords(std::string_view prefix, const std::function<bool(std::string_view)>& visitor);

  // Reports every word of two bytes or more within maxDistance edits of
  // word (a missing, extra or wrong byte or a swap of neighbours, letter
  // case ignored), walking only the branches that can still come that close.
  // word must be shorter than kNearWordLimit bytes.
  static constexpr size_t kNearWordLimit = 48;
  void NearWords(std::string_view word, int maxDistance, const std::function<void(std::string_view)>& visitor);

  const std::string& ReadTitle() const { return title_; }
  uint32_t ReadLanguage() const { return language_; }
  uint32_t ReadWordCount() const { return wordCount_; }
  uint32_t ReadNodeCount() const { return nodeCount_; }
  int ReadWordsFound() const { return wordsFound_; }
  uint32_t ReadTableSize(int k) const { return tableSize_[k]; }
  // Linkage area size; 0 while unloaded.
  uint32_t ReadLinkageSize() const { return linkageSize_; }

 private:
  struct Header;
  struct Node;
  // The children of a node or of a first-character entry, read one by one.
  struct ChildList {
    bool direct = false;  // one child whose number is single
    uint32_t single = 0;
    const uint8_t* p = nullptr;  // child numbers in the linkage area
    const uint8_t* end = nullptr;
    uint32_t remaining = 0;
  };

  bool ParseHeader(const uint8_t* data, size_t available, uint64_t fileSize, Header* header) const;
  void TakeHeader(const Header& header);
  bool EnsureLoaded();
  inline bool NodeAt(uint32_t number, Node* node) const;
  inline bool ChildrenOf(const Node& node, ChildList* list) const;
  inline bool FirstCharChildren(uint8_t ch, ChildList* list) const;
  inline bool NextChild(ChildList& list, uint32_t* number) const;
  inline bool FindChild(const ChildList& list, uint8_t ch, Node* node);
  const TChildIndex::List* IndexedChildren(const ChildList& list);
  template <class Visit>
  void Walk(std::string_view prefix, Visit& visit);
  template <class Visit>
  bool Enumerate(uint32_t number, size_t pos, Visit& visit, uint64_t& budget);
  bool CandidateTest(std::string_view candidate);
  struct NearWalk;
  void Near(uint32_t number, size_t depth, NearWalk& walk);

  platform::Env& env_;
  std::string filename_;
  std::string title_;
  uint32_t language_ = 0;
  uint32_t wordCount_ = 0;
  uint32_t nodeCount_ = 0;
  std::array<uint32_t, adm::kNodeTableCount> tableSize_{};
  std::array<uint64_t, adm::kNodeTableCount + 1> tableFirst_{};  // first node number of each table, then the total
  std::array<uint64_t, adm::kNodeTableCount> tableOffset_{};     // file offset of each table
  uint64_t linkageSizeOffset_ = 0;                               // E
  int wordsFound_ = 0;

  std::unique_ptr<platform::MappedFile> mapping_;
  // Where each node table begins in the mapping, and the node count of all
  // of them; set at load so that locating a node is a few compares.
  std::array<const uint8_t*, adm::kNodeTableCount> tableStart_{};
  uint32_t nodeTotal_ = 0;

  // The walk of the last word looked up: where each node's children were
  // searched, so that the next word, which in a suggestion run differs from
  // the last in one place, starts where the two part.
  static constexpr size_t kWalkMemory = 64;
  struct Step {
    uint32_t at = 0;  // bytes of the word before this search
    ChildList list;
  };
  // Two such walks are kept, and a word resumes the one it shares more of:
  // a capitalised word's candidates are tried as typed and with the first
  // letter lowered, and with one walk each would start again from the root.
  struct WalkMemory {
    std::array<uint8_t, kWalkMemory> word{};
    size_t length = 0;
    std::array<Step, kWalkMemory> steps{};
    size_t count = 0;
  };
  std::array<WalkMemory, 2> walks_{};
  size_t lastWalk_ = 0;

  // Answers already given, for the words a text repeats; emptied when the
  // file is released.
  TRememberedAnswers remembered_;
  bool remembering_ = true;
  bool Lookup(std::string_view word);
  // Leading bytes word shares with the word of walk k, and the most it
  // shares with either.
  size_t SharedWithWalk(std::string_view word, size_t k) const;
  size_t SharedWithWalks(std::string_view word) const;
  // Words whose walk resumes this deep and this close to their end skip
  // the remembered answers.
  static constexpr size_t kCheapFrom = 6;
  static constexpr size_t kCheapRest = 4;
  // Lists of this many children or more are looked up in childIndex_.
  static constexpr uint32_t kIndexedFrom = 8;
  TChildIndex childIndex_;
  const uint8_t* linkage_ = nullptr;
  uint32_t linkageSize_ = 0;
  bool wideChildNumbers_ = false;
  std::array<uint8_t, adm::kFirstCharTableSize> firstChar_{};
  std::array<uint8_t, adm::kCharSetBlockSize> charSet_{};

  // Held while Suggest runs.
  std::array<char, adm::kCandidateBufferSize> candidate_{};
  std::vector<std::string>* suggestList_ = nullptr;
  const TPhoneticsMap* suggestMap_ = nullptr;
  std::string suggestWord_;
  std::string suggestCode_;
};

}  // namespace tq::spell
