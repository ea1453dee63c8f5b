#include "spell/engine/dictionary_compiler.h"

#include <algorithm>

#include "platform/utf16.h"

namespace tq::spell {

namespace {

struct TrieNode {
  uint8_t ch = 0;
  bool end = false;
  std::vector<uint32_t> children;  // in byte order
};

// A node of the file: a trie node (head), the chain of single-child trie
// nodes packed behind it, and the children of the chain's last node.
struct PackedNode {
  uint32_t head = 0;
  uint32_t depth = 0;  // characters of a word up to and including the head
  std::string chain;
  std::vector<uint32_t> children;  // indices into the packed nodes
  uint32_t number = 0;
  uint32_t listOffset = 0;  // where the child numbers start in the linkage area
};

void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutChildNumber(std::string& s, uint32_t n, bool wide) {
  if (!wide) {
    s += static_cast<char>(n & 0xFF);
    s += static_cast<char>((n >> 8) & 0xFF);
  } else if (n <= adm::kMaxShortWideNumber) {
    s += static_cast<char>(0x80 | (n >> 8));
    s += static_cast<char>(n & 0xFF);
  } else {
    s += static_cast<char>((n >> 16) & 0x7F);
    s += static_cast<char>((n >> 8) & 0xFF);
    s += static_cast<char>(n & 0xFF);
  }
}

std::vector<TrieNode> BuildTrie(const std::vector<std::string>& sortedWords) {
  std::vector<TrieNode> trie(1);
  for (const std::string& word : sortedWords) {
    uint32_t node = 0;
    for (char c : word) {
      const auto b = static_cast<uint8_t>(c);
      // Sorted input: a matching child can only be the last one added.
      if (!trie[node].children.empty() && trie[trie[node].children.back()].ch == b) {
        node = trie[node].children.back();
        continue;
      }
      trie.push_back(TrieNode{b, false, {}});
      const auto id = static_cast<uint32_t>(trie.size() - 1);
      trie[node].children.push_back(id);
      node = id;
    }
    trie[node].end = true;
  }
  return trie;
}

// Breadth first, so that the nodes of one level lie together in each table.
std::vector<PackedNode> Pack(const std::vector<TrieNode>& trie) {
  std::vector<PackedNode> packed(1);
  for (size_t i = 0; i < packed.size(); ++i) {
    uint32_t tail = packed[i].head;
    // The first characters' nodes carry no chain: the first-character table
    // lists their children as the nodes of the second character.
    if (packed[i].depth >= 2) {
      std::string chain;
      while (chain.size() < static_cast<size_t>(adm::kMaxChainLength) && trie[tail].children.size() == 1 &&
             !trie[trie[tail].children[0]].end) {
        tail = trie[tail].children[0];
        chain += static_cast<char>(trie[tail].ch);
      }
      packed[i].chain = std::move(chain);
    }
    const uint32_t childDepth = packed[i].depth + 1 + static_cast<uint32_t>(packed[i].chain.size());
    for (uint32_t child : trie[tail].children) {
      PackedNode node;
      node.head = child;
      node.depth = childDepth;
      packed.push_back(std::move(node));
      packed[i].children.push_back(static_cast<uint32_t>(packed.size() - 1));
    }
  }
  return packed;
}

}  // namespace

bool CompileMainDictionary(std::vector<std::string> words, const TCompileOptions& options, std::string* image,
                           TCompileStats* stats, std::string* error) {
  // Bytes are compared unsigned, which is std::string's order.
  std::erase_if(words, [](const std::string& w) { return w.empty() || w.find('\0') != std::string::npos; });
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());

  const std::u16string title = platform::Utf8ToUtf16(options.title);
  if (title.size() > adm::kMaxTitleUnits) {
    *error = "The title is longer than 255 characters";
    return false;
  }

  const std::vector<TrieNode> trie = BuildTrie(words);
  std::vector<PackedNode> packed = Pack(trie);

  // Number the nodes table by table.
  std::array<uint32_t, adm::kNodeTableCount> sizes{};
  for (const PackedNode& p : packed) ++sizes[p.chain.size()];
  uint32_t pad = 0;
  if (options.wideChildNumbers && packed.size() < adm::kWideChildNumbersFrom)
    pad = adm::kWideChildNumbersFrom - static_cast<uint32_t>(packed.size());
  sizes[0] += pad;
  const uint64_t total = packed.size() + pad;
  if (total - 1 > adm::kLinkMask) {
    *error = "Too many nodes for the dictionary format (" + std::to_string(total) + ")";
    return false;
  }
  std::array<uint32_t, adm::kNodeTableCount> next{};
  for (int k = 1; k < adm::kNodeTableCount; ++k) next[k] = next[k - 1] + sizes[k - 1];
  std::vector<std::vector<uint32_t>> byTable(adm::kNodeTableCount);
  for (uint32_t i = 0; i < packed.size(); ++i) {
    const size_t k = packed[i].chain.size();
    packed[i].number = next[k]++;
    byTable[k].push_back(i);
  }
  const bool wide = total >= adm::kWideChildNumbersFrom;

  // Linkage area and node words.
  std::string linkage;
  std::vector<uint32_t> nodeWord(packed.size());
  for (uint32_t i = 0; i < packed.size(); ++i) {
    PackedNode& p = packed[i];
    const uint8_t ch = i == 0 ? 0 : trie[p.head].ch;
    const bool end = i != 0 && trie[p.head].end;
    const size_t n = p.children.size();
    uint32_t count = 0;
    uint32_t link = adm::kLeafLink;
    if (n == 1) {
      count = 1;
      link = packed[p.children[0]].number;
    } else if (n > 1) {
      link = static_cast<uint32_t>(linkage.size());
      if (n > adm::kMaxInlineCount) {
        linkage += static_cast<char>(n);  // at most 255: one child per byte value but zero
      } else {
        count = static_cast<uint32_t>(n);
      }
      p.listOffset = static_cast<uint32_t>(linkage.size());
      for (uint32_t c : p.children) PutChildNumber(linkage, packed[c].number, wide);
      if (link >= adm::kLeafLink) {
        *error = "The child lists do not fit the dictionary format's 20-bit links";
        return false;
      }
    }
    nodeWord[i] = adm::NodeWord(ch, link, count, end);
  }

  std::string f(adm::kSignature);
  f.resize(adm::kHeaderBlockSize, '\0');
  f += static_cast<char>(title.size());
  for (char16_t u : title) {
    f += static_cast<char>(u & 0xFF);
    f += static_cast<char>(u >> 8);
  }
  f += std::string(2, '\0');
  Put32(f, options.language);
  Put32(f, static_cast<uint32_t>(words.size()));
  Put32(f, static_cast<uint32_t>(total));
  for (uint32_t s : sizes) Put32(f, s);
  for (int k = 0; k < adm::kNodeTableCount; ++k) {
    for (uint32_t i : byTable[k]) {
      Put32(f, nodeWord[i]);
      f += packed[i].chain;
    }
    if (k == 0)
      for (uint32_t i = 0; i < pad; ++i) Put32(f, adm::NodeWord(0, adm::kLeafLink, 0, false));
  }
  Put32(f, static_cast<uint32_t>(linkage.size()));
  f += linkage;

  std::string first(adm::kFirstCharTableSize, '\0');
  for (uint32_t c : packed[0].children) {
    const PackedNode& r = packed[c];
    const size_t at = trie[r.head].ch * adm::kFirstCharEntrySize;
    first[at] = trie[r.head].end ? 1 : 0;
    first[at + 1] = static_cast<char>(r.children.size());
    uint32_t link = 0;
    if (r.children.size() == 1) link = packed[r.children[0]].number;
    if (r.children.size() > 1) link = r.listOffset;
    for (int i = 0; i < 4; ++i) first[at + 4 + i] = static_cast<char>((link >> (8 * i)) & 0xFF);
  }
  f += first;
  // Not read by the engine: which bytes occur in the words.
  std::string charSet(adm::kCharSetBlockSize, '\0');
  for (const std::string& w : words)
    for (char c : w) charSet[static_cast<uint8_t>(c)] = 1;
  f += charSet;

  if (stats) {
    stats->words = static_cast<uint32_t>(words.size());
    stats->nodes = static_cast<uint32_t>(total);
    stats->tableSizes = sizes;
    stats->linkageBytes = static_cast<uint32_t>(linkage.size());
    stats->wideChildNumbers = wide;
    stats->fileBytes = f.size();
  }
  *image = std::move(f);
  return true;
}

}  // namespace tq::spell
