#include "spell/engine/main_dictionary.h"

#include <algorithm>
#include <cstring>

#include "platform/utf16.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/phonetic_map.h"

namespace tq::spell {

namespace {

uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

// The longest header: a title of 255 units.
constexpr size_t kMaxHeaderSize = adm::kTitleOffset + 1 + (adm::kMaxTitleUnits + 1) * 2 + 12 + 4 * adm::kNodeTableCount;

}  // namespace

struct TMainDictionary::Header {
  std::string title;
  uint32_t language = 0;
  uint32_t wordCount = 0;
  uint32_t nodeCount = 0;
  std::array<uint32_t, adm::kNodeTableCount> tableSize{};
  std::array<uint64_t, adm::kNodeTableCount + 1> tableFirst{};
  std::array<uint64_t, adm::kNodeTableCount> tableOffset{};
  uint64_t linkageSizeOffset = 0;
};

struct TMainDictionary::Node {
  uint32_t word = 0;
  const uint8_t* chain = nullptr;
  uint32_t chainLength = 0;

  uint8_t ch() const { return static_cast<uint8_t>(word & adm::kCharMask); }
  bool wordEnd() const { return (word & adm::kWordEndBit) != 0; }
};

TMainDictionary::TMainDictionary(platform::Env& env) : env_(env) {}

TMainDictionary::~TMainDictionary() = default;

bool TMainDictionary::ParseHeader(const uint8_t* data, size_t available, uint64_t fileSize, Header* h) const {
  if (fileSize <= adm::kHeaderBlockSize || available <= adm::kTitleOffset) return false;
  if (std::memcmp(data, adm::kSignature.data(), adm::kSignature.size()) != 0) return false;
  const size_t units = data[adm::kTitleOffset];
  const size_t titleBytes = (units + 1) * 2;
  const size_t fields = adm::kTitleOffset + 1 + titleBytes;
  const size_t headerSize = fields + 12 + 4 * adm::kNodeTableCount;
  if (available < headerSize) return false;

  std::u16string title;
  for (size_t i = 0; i < units; ++i) {
    const uint8_t* u = data + adm::kTitleOffset + 1 + 2 * i;
    char16_t unit = static_cast<char16_t>(u[0] | (u[1] << 8));
    if (unit == 0) break;
    title += unit;
  }
  h->title = platform::Utf16ToUtf8(title);
  h->language = Le32(data + fields);
  h->wordCount = Le32(data + fields + 4);
  h->nodeCount = Le32(data + fields + 8);
  uint64_t offset = headerSize;  // P0
  h->tableFirst[0] = 0;
  for (int k = 0; k < adm::kNodeTableCount; ++k) {
    h->tableSize[k] = Le32(data + fields + 12 + 4 * k);
    h->tableOffset[k] = offset;
    h->tableFirst[k + 1] = h->tableFirst[k] + h->tableSize[k];
    offset += static_cast<uint64_t>(h->tableSize[k]) * static_cast<uint64_t>(adm::kMinNodeSize + k);
  }
  h->linkageSizeOffset = offset;
  return true;
}

void TMainDictionary::TakeHeader(const Header& h) {
  title_ = h.title;
  language_ = h.language;
  wordCount_ = h.wordCount;
  nodeCount_ = h.nodeCount;
  tableSize_ = h.tableSize;
  tableFirst_ = h.tableFirst;
  tableOffset_ = h.tableOffset;
  linkageSizeOffset_ = h.linkageSizeOffset;
}

void TMainDictionary::WriteFilename(const std::string& path) {
  std::unique_ptr<platform::File> file;
  if (!env_.OpenFile(path, platform::FileAccess::Read, platform::FileShare::Read, platform::FileCreate::OpenExisting,
                     &file))
    return;
  wordsFound_ = 0;
  const bool wasLoaded = ReadLoaded();
  WriteLoaded(false);
  int64_t size = 0;
  std::array<uint8_t, kMaxHeaderSize> buffer{};
  size_t got = 0;
  Header header;
  if (!file->Size(&size) || !file->ReadAt(0, buffer.data(), buffer.size(), &got) ||
      !ParseHeader(buffer.data(), got, static_cast<uint64_t>(size), &header))
    return;
  file.reset();
  TakeHeader(header);
  filename_ = path;
  if (wasLoaded) WriteLoaded(true);
}

void TMainDictionary::WriteLoaded(bool loaded) {
  if (!loaded) {
    mapping_.reset();
    linkage_ = nullptr;
    linkageSize_ = 0;
    nodeTotal_ = 0;
    for (WalkMemory& walk : walks_) walk.count = 0;
    remembered_.Clear();
    childIndex_.Clear();
    return;
  }
  if (mapping_ || filename_.empty()) return;
  std::unique_ptr<platform::MappedFile> mapped;
  if (!env_.MapFile(filename_, &mapped)) return;
  const uint8_t* data = mapped->data();
  const uint64_t size = mapped->size();
  // The file may have been replaced since it was selected: read its header
  // again from what is mapped.
  Header header;
  if (!ParseHeader(data, static_cast<size_t>(std::min<uint64_t>(size, kMaxHeaderSize)), size, &header)) return;
  const uint64_t e = header.linkageSizeOffset;
  if (size <= e + 4) return;
  const uint32_t linkageSize = Le32(data + e);
  if (size < e + linkageSize + 4 + adm::kTrailerSize) return;
  TakeHeader(header);
  const uint8_t* trailer = data + e + 4 + linkageSize;
  std::memcpy(firstChar_.data(), trailer, adm::kFirstCharTableSize);
  std::memcpy(charSet_.data(), trailer + adm::kFirstCharTableSize, adm::kCharSetBlockSize);
  linkage_ = data + e + 4;
  linkageSize_ = linkageSize;
  for (int k = 0; k < adm::kNodeTableCount; ++k) tableStart_[k] = data + tableOffset_[k];
  nodeTotal_ = static_cast<uint32_t>(std::min<uint64_t>(tableFirst_[adm::kNodeTableCount], UINT32_MAX));
  wideChildNumbers_ = nodeCount_ >= adm::kWideChildNumbersFrom;
  mapping_ = std::move(mapped);
}

bool TMainDictionary::EnsureLoaded() {
  if (!mapping_) WriteLoaded(true);
  return mapping_ != nullptr;
}

inline bool TMainDictionary::NodeAt(uint32_t number, Node* node) const {
  if (number >= nodeTotal_) return false;
  int k = 0;
  while (number >= tableFirst_[k + 1]) ++k;
  const uint8_t* p = tableStart_[k] + static_cast<size_t>(number - tableFirst_[k]) * (adm::kMinNodeSize + k);
  node->word = Le32(p);
  node->chain = p + adm::kMinNodeSize;
  node->chainLength = static_cast<uint32_t>(k);
  return true;
}

inline bool TMainDictionary::ChildrenOf(const Node& node, ChildList* list) const {
  const uint32_t count = (node.word >> adm::kCountShift) & adm::kCountMask;
  const uint32_t link = (node.word >> adm::kLinkShift) & adm::kLinkMask;
  if (count == 1) {
    list->direct = true;
    list->single = link;
    list->remaining = 1;
    return true;
  }
  list->direct = false;
  if (count == 0 && link == adm::kLeafLink) return false;
  if (link >= linkageSize_) return false;
  list->end = linkage_ + linkageSize_;
  if (count == 0) {
    list->remaining = linkage_[link];
    list->p = linkage_ + link + 1;
  } else {
    list->remaining = count;
    list->p = linkage_ + link;
  }
  return list->remaining > 0;
}

inline bool TMainDictionary::FirstCharChildren(uint8_t ch, ChildList* list) const {
  const uint8_t* entry = firstChar_.data() + ch * adm::kFirstCharEntrySize;
  const uint32_t count = entry[1];
  const uint32_t link = Le32(entry + 4);
  if (count == 0) return false;
  if (count == 1) {
    list->direct = true;
    list->single = link;
    list->remaining = 1;
    return true;
  }
  list->direct = false;
  if (link >= linkageSize_) return false;
  list->p = linkage_ + link;
  list->end = linkage_ + linkageSize_;
  list->remaining = count;
  return true;
}

inline bool TMainDictionary::NextChild(ChildList& list, uint32_t* number) const {
  if (list.remaining == 0) return false;
  if (list.direct) {
    *number = list.single;
    list.remaining = 0;
    return true;
  }
  const uint8_t* p = list.p;
  const size_t left = static_cast<size_t>(list.end - p);
  if (!wideChildNumbers_) {
    if (left < 2) return false;
    *number = p[0] | (static_cast<uint32_t>(p[1]) << 8);
    list.p += 2;
  } else if (left >= 1 && (p[0] & 0x80)) {
    if (left < 2) return false;
    *number = (static_cast<uint32_t>(p[0] & 0x7F) << 8) | p[1];
    list.p += 2;
  } else {
    if (left < 3) return false;
    *number = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
    list.p += 3;
  }
  --list.remaining;
  return true;
}

// The sibling scan of every lookup: a long list is searched in the child
// index; in a short one child numbers are decoded in place and only the
// character byte of each sibling is read until one matches.
inline bool TMainDictionary::FindChild(const ChildList& list, uint8_t ch, Node* node) {
  if (list.direct) return NodeAt(list.single, node) && node->ch() == ch;
  if (list.remaining >= kIndexedFrom) {
    if (const TChildIndex::List* indexed = IndexedChildren(list)) {
      const uint8_t* chars = childIndex_.chars() + indexed->first;
      const auto* hit = static_cast<const uint8_t*>(std::memchr(chars, ch, indexed->count));
      return hit && NodeAt(childIndex_.numbers()[indexed->first + (hit - chars)], node);
    }
  }
  const uint8_t* p = list.p;
  const uint8_t* const end = list.end;
  uint32_t remaining = list.remaining;
  uint32_t number = 0;
  while (remaining-- > 0) {
    if (!wideChildNumbers_) {
      if (end - p < 2) return false;
      number = p[0] | (static_cast<uint32_t>(p[1]) << 8);
      p += 2;
    } else if (end - p >= 2 && (p[0] & 0x80)) {
      number = (static_cast<uint32_t>(p[0] & 0x7F) << 8) | p[1];
      p += 2;
    } else {
      if (end - p < 3) return false;
      number = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
      p += 3;
    }
    if (!NodeAt(number, node)) return false;
    if (node->ch() == ch) return true;
  }
  return false;
}

// The list decoded into the index on its first search: the children up to
// the first that a damaged file leaves unreadable, where the plain scan
// stops too. nullptr when the index cannot stand for the list.
const TChildIndex::List* TMainDictionary::IndexedChildren(const ChildList& list) {
  const auto at = static_cast<uint32_t>(list.p - linkage_);
  const TChildIndex::List* indexed = childIndex_.Find(at);
  if (!indexed) {
    childIndex_.Begin(at);
    ChildList walk = list;
    uint32_t number = 0;
    Node node;
    while (NextChild(walk, &number) && NodeAt(number, &node)) childIndex_.Append(node.ch(), number);
    indexed = childIndex_.Find(at);
  }
  // The same bytes read as a list of another length (a damaged file) are
  // searched as they are.
  return indexed && indexed->count == list.remaining ? indexed : nullptr;
}

bool TMainDictionary::WordExists(std::string_view word) {
  if (word.empty() || !EnsureLoaded()) return false;
  if (word.size() == 1) return firstChar_[static_cast<uint8_t>(word[0]) * adm::kFirstCharEntrySize] != 0;
  if (!remembering_ || word.size() > TRememberedAnswers::kLongestWord) return Lookup(word);
  // A word that differs from one just looked up only in its last bytes (a
  // list in order, a suggestion's candidates) is answered sooner by the walk
  // than by the table, and would only crowd it.
  if (const size_t shared = SharedWithWalks(word); shared >= kCheapFrom && shared + kCheapRest >= word.size())
    return Lookup(word);
  if (const int kept = remembered_.Find(word); kept >= 0) return kept == 1;
  const bool found = Lookup(word);
  remembered_.Keep(word, found);
  return found;
}

size_t TMainDictionary::SharedWithWalk(std::string_view word, size_t k) const {
  const size_t comparable = std::min(word.size(), walks_[k].length);
  size_t shared = 0;
  while (shared < comparable && static_cast<uint8_t>(word[shared]) == walks_[k].word[shared]) ++shared;
  return shared;
}

size_t TMainDictionary::SharedWithWalks(std::string_view word) const {
  return std::max(SharedWithWalk(word, 0), SharedWithWalk(word, 1));
}

bool TMainDictionary::Lookup(std::string_view word) {
  const auto* w = reinterpret_cast<const uint8_t*>(word.data());
  const size_t n = word.size();
  // Resume the walk that shares most with this word where the two part: the
  // state before byte i depends on the bytes before it only.
  const size_t shared[2] = {SharedWithWalk(word, 0), SharedWithWalk(word, 1)};
  // On a tie the walk used less recently gives way.
  const size_t chosen = shared[0] == shared[1] ? 1 - lastWalk_ : shared[1] > shared[0] ? 1 : 0;
  lastWalk_ = chosen;
  WalkMemory& walk = walks_[chosen];
  const size_t same = shared[chosen];
  std::array<Step, kWalkMemory>& steps = walk.steps;
  size_t step = walk.count;
  while (step > 0 && (steps[step - 1].at > same || steps[step - 1].at >= n)) --step;
  walk.count = step;
  walk.length = std::min(n, kWalkMemory);
  std::memcpy(walk.word.data(), w, walk.length);

  ChildList list;
  size_t i;
  if (step > 0) {
    i = steps[step - 1].at;
    list = steps[step - 1].list;
  } else {
    if (!FirstCharChildren(w[0], &list)) return false;
    i = 1;
  }
  for (;;) {
    if (i < kWalkMemory && walk.count < steps.size() && (walk.count == 0 || steps[walk.count - 1].at < i))
      steps[walk.count++] = {static_cast<uint32_t>(i), list};
    Node node;
    if (!FindChild(list, w[i], &node)) return false;
    ++i;
    if (i == n) return node.wordEnd();
    for (uint32_t j = 0; j < node.chainLength; ++j, ++i)
      if (i == n || w[i] != node.chain[j]) return false;
    if (!ChildrenOf(node, &list) || i == n) return false;
  }
}

template <class Visit>
void TMainDictionary::Walk(std::string_view prefix, Visit& visit) {
  const size_t m = prefix.size();
  if (m == 0 || m >= adm::kCandidateBufferSize || !EnsureLoaded()) return;
  const auto* p = reinterpret_cast<const uint8_t*>(prefix.data());
  Node node;
  ChildList list;
  if (!NodeAt(0, &node) || !ChildrenOf(node, &list)) return;
  std::memcpy(candidate_.data(), prefix.data(), m);
  uint32_t last = 0;
  size_t lastPos = 0;
  size_t i = 0;
  while (i < m) {
    uint32_t number = 0;
    bool found = false;
    while (!found && NextChild(list, &number)) {
      if (!NodeAt(number, &node)) return;
      found = node.ch() == p[i];
    }
    if (!found) return;
    last = number;
    lastPos = i++;
    for (uint32_t j = 0; j < node.chainLength; ++j, ++i) {
      // A prefix may end on the node's own character, not inside its chain.
      if (i == m) {
        if (j == 0) break;
        return;
      }
      if (p[i] != node.chain[j]) return;
    }
    if (!ChildrenOf(node, &list)) return;
  }
  // In a tree a walk meets each node at most once; more visits than nodes
  // means the links of a damaged file run in a circle.
  uint64_t budget = tableFirst_[adm::kNodeTableCount];
  Enumerate(last, lastPos, visit, budget);
}

template <class Visit>
bool TMainDictionary::Enumerate(uint32_t number, size_t pos, Visit& visit, uint64_t& budget) {
  if (budget == 0) return false;
  --budget;
  Node node;
  if (!NodeAt(number, &node) || pos + 1 >= adm::kCandidateBufferSize) return true;
  candidate_[pos] = static_cast<char>(node.ch());
  candidate_[pos + 1] = '\0';
  if (node.wordEnd() && visit(std::string_view(candidate_.data(), pos + 1))) return true;
  const size_t next = pos + 1 + node.chainLength;
  if (next >= adm::kCandidateBufferSize) return true;
  std::memcpy(candidate_.data() + pos + 1, node.chain, node.chainLength);
  ChildList list;
  if (!ChildrenOf(node, &list)) return true;
  uint32_t child = 0;
  while (NextChild(list, &child))
    if (!Enumerate(child, next, visit, budget)) return false;
  return true;
}

bool TMainDictionary::CandidateTest(std::string_view candidate) {
  if (!suggestList_ || !suggestMap_) return false;
  const std::string code = suggestMap_->GetMapping(candidate);
  if (code != suggestCode_) return code.size() > suggestCode_.size();
  std::vector<std::string>& list = *suggestList_;
  if (list.size() > kMaxSuggestList) return true;
  const bool held =
      std::any_of(list.begin(), list.end(), [&](const std::string& s) { return AnsiSameText(s, candidate); });
  if (!held) list.emplace_back(candidate);
  return false;
}

void TMainDictionary::PerformPrefixWords(std::string_view prefix) {
  auto visit = [this](std::string_view candidate) { return CandidateTest(candidate); };
  Walk(prefix, visit);
}

void TMainDictionary::EnumeratePrefixWords(std::string_view prefix,
                                           const std::function<bool(std::string_view)>& visitor) {
  auto visit = [&visitor](std::string_view candidate) { return visitor(candidate); };
  Walk(prefix, visit);
}

void TMainDictionary::Suggest(std::string_view word, const TPhoneticsMap& map, std::vector<std::string>& list) {
  suggestWord_.assign(word);
  suggestCode_ = map.GetMapping(word);
  if (suggestCode_.size() < 2) return;
  const size_t depth = static_cast<size_t>(std::max(map.ReadStartDepth(), 0));
  suggestList_ = &list;
  suggestMap_ = &map;
  PerformPrefixWords(word.substr(0, std::min(depth, word.size())));
  suggestList_ = nullptr;
  suggestMap_ = nullptr;
}

}  // namespace tq::spell

namespace tq::spell {

// The state of NearWords: the target in lower case, the candidate so far and
// one row of edit distances per candidate byte.
struct TMainDictionary::NearWalk {
  std::string target;  // lower case
  int maxDistance = 0;
  std::array<uint8_t, kNearWordLimit + 8> candidate{};  // as stored
  std::array<uint8_t, kNearWordLimit + 8> folded{};     // in lower case
  std::vector<uint8_t> rows;  // row d: distances of the first d candidate bytes to each target prefix
  uint64_t budget = 0;
  const std::function<void(std::string_view)>* visitor = nullptr;

  uint8_t* Row(size_t d) { return rows.data() + d * (target.size() + 1); }
  // Appends c as candidate byte number d + 1; false when no word below can
  // come within reach. Only the band of target prefixes within reach of d + 1
  // bytes is worked out; the cells beside it hold "out of reach".
  bool Append(size_t d, uint8_t c) {
    const size_t n = target.size();
    const auto reach = static_cast<size_t>(maxDistance);
    if (d + 1 > n + reach || d + 1 >= candidate.size()) return false;
    const auto far = static_cast<uint8_t>(maxDistance + 1);
    candidate[d] = c;
    const auto lower = static_cast<uint8_t>(AnsiLowerChar(static_cast<char>(c)));
    folded[d] = lower;
    const uint8_t* prev = Row(d);
    const uint8_t* prev2 = d >= 1 ? Row(d - 1) : nullptr;
    uint8_t* cur = Row(d + 1);
    cur[0] = static_cast<uint8_t>(std::min<size_t>(d + 1, far));
    const size_t lo = d + 1 > reach ? d + 1 - reach : 1;
    const size_t hi = std::min(n, d + 1 + reach);
    if (lo >= 2) cur[lo - 1] = far;
    uint8_t best = cur[0];
    for (size_t j = std::max<size_t>(lo, 1); j <= hi; ++j) {
      const auto t = static_cast<uint8_t>(target[j - 1]);
      int v = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (t == lower ? 0 : 1)});
      if (prev2 && j >= 2 && static_cast<uint8_t>(target[j - 2]) == lower && t == folded[d - 1])
        v = std::min(v, prev2[j - 2] + 1);
      cur[j] = static_cast<uint8_t>(std::min<int>(v, far));
      best = std::min(best, cur[j]);
    }
    if (hi + 1 <= n) cur[hi + 1] = far;
    return best <= maxDistance;
  }
};

void TMainDictionary::NearWords(std::string_view word, int maxDistance,
                                const std::function<void(std::string_view)>& visitor) {
  if (word.empty() || word.size() >= kNearWordLimit || maxDistance < 0 || maxDistance > 3 || !EnsureLoaded()) return;
  NearWalk walk;
  walk.target = AnsiLowerCase(word);
  walk.maxDistance = maxDistance;
  walk.rows.assign((word.size() + maxDistance + 2) * (word.size() + 1), 0);
  for (size_t j = 0; j <= word.size(); ++j) walk.Row(0)[j] = static_cast<uint8_t>(std::min<size_t>(j, maxDistance + 1));
  walk.budget = nodeTotal_;
  walk.visitor = &visitor;
  Node root;
  ChildList list;
  if (!NodeAt(0, &root) || !ChildrenOf(root, &list)) return;
  uint32_t child = 0;
  while (NextChild(list, &child)) Near(child, 0, walk);
}

void TMainDictionary::Near(uint32_t number, size_t depth, NearWalk& walk) {
  if (walk.budget == 0) return;
  --walk.budget;
  Node node;
  if (!NodeAt(number, &node) || !walk.Append(depth, node.ch())) return;
  size_t d = depth + 1;
  const size_t n = walk.target.size(), reach = static_cast<size_t>(walk.maxDistance);
  // The last target prefix lies in the band only within reach of d bytes.
  if (node.wordEnd() && d >= 2 && d <= n + reach && n <= d + reach && walk.Row(d)[n] <= walk.maxDistance)
    (*walk.visitor)(std::string_view(reinterpret_cast<const char*>(walk.candidate.data()), d));
  for (uint32_t j = 0; j < node.chainLength; ++j, ++d)
    if (!walk.Append(d, node.chain[j])) return;
  ChildList list;
  if (!ChildrenOf(node, &list)) return;
  uint32_t child = 0;
  while (NextChild(list, &child)) Near(child, d, walk);
}

}  // namespace tq::spell
