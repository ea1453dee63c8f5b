// A dictionary written byte by byte from the file format's tables, without
// the compiler, so the reader is checked against the format itself.
#include "spell/engine/main_dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/fault_env.h"
#include "spell/engine/main_dictionary_format.h"
#include "spell/engine/phonetic_map.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using platform::Env;

void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct RawNode {
  char ch;
  std::string chain;
  bool end;
  uint32_t count;
  uint32_t link;
};

// The child number n as it is stored in the linkage area.
std::string ChildNumber(uint32_t n, bool wide) {
  std::string s;
  if (!wide) {
    s += static_cast<char>(n & 0xFF);
    s += static_cast<char>(n >> 8);
  } else if (n <= 0x7FFF) {
    s += static_cast<char>(0x80 | (n >> 8));
    s += static_cast<char>(n & 0xFF);
  } else {
    s += static_cast<char>(n >> 16);
    s += static_cast<char>((n >> 8) & 0xFF);
    s += static_cast<char>(n & 0xFF);
  }
  return s;
}

// The words of the hand-made dictionary:
//   a an and ant apple be bee bed za zb ... zi
// "apple" runs through a node 'p' with the chain "pl"; 'z' has nine children
// and so takes its count from the linkage byte. With pad > 0, that many
// unused nodes follow the 4-byte table, which pushes the 6-byte node's number
// past 65535 and switches child numbers to the 2/3-byte form.
struct HandMade {
  uint32_t pad = 0;
  std::u16string title = u"Hand \u00E9 \u0416 made";
  uint32_t language = 1033;

  std::string Build() const {
    const bool wide = 21 + pad >= adm::kWideChildNumbersFrom;
    const uint32_t p = 20 + pad;  // number of the node with the chain
    auto num = [&](uint32_t n) { return ChildNumber(n, wide); };
    // Linkage area.
    std::string link;
    auto list = [&](std::initializer_list<uint32_t> children) {
      uint32_t at = static_cast<uint32_t>(link.size());
      for (uint32_t c : children) link += num(c);
      return at;
    };
    const uint32_t rootList = list({1, 2, 3});
    const uint32_t aList = list({4, p});
    const uint32_t nList = list({5, 6});
    const uint32_t beList = list({9, 10});
    const uint32_t zCount = static_cast<uint32_t>(link.size());
    link += static_cast<char>(9);
    const uint32_t zList = list({11, 12, 13, 14, 15, 16, 17, 18, 19});

    std::vector<RawNode> table0 = {
        {'?', "", false, 3, rootList},       // 0 root
        {'a', "", true, 2, aList},           // 1
        {'b', "", false, 1, 8},              // 2
        {'z', "", false, 0, zCount},         // 3
        {'n', "", true, 2, nList},           // 4 an
        {'d', "", true, 0, adm::kLeafLink},  // 5 and
        {'t', "", true, 0, adm::kLeafLink},  // 6 ant
        {'e', "", true, 0, adm::kLeafLink},  // 7 apple
        {'e', "", true, 2, beList},          // 8 be
        {'e', "", true, 0, adm::kLeafLink},  // 9 bee
        {'d', "", true, 0, adm::kLeafLink},  // 10 bed
    };
    for (char c = 'a'; c <= 'i'; ++c) table0.push_back({c, "", true, 0, adm::kLeafLink});  // 11..19 za..zi
    for (uint32_t i = 0; i < pad; ++i) table0.push_back({'#', "", false, 0, adm::kLeafLink});
    const RawNode pNode = {'p', "pl", false, 1, 7};

    std::string f(adm::kSignature);
    f.resize(adm::kHeaderBlockSize, '\0');
    f += static_cast<char>(title.size());
    for (char16_t u : title) {
      f += static_cast<char>(u & 0xFF);
      f += static_cast<char>(u >> 8);
    }
    f += std::string(2, '\0');
    Put32(f, language);
    Put32(f, 17);                                        // words
    Put32(f, static_cast<uint32_t>(table0.size() + 1));  // nodes
    const uint32_t sizes[9] = {static_cast<uint32_t>(table0.size()), 0, 1, 0, 0, 0, 0, 0, 0};
    for (uint32_t s : sizes) Put32(f, s);
    auto node = [&](const RawNode& n) {
      Put32(f, adm::NodeWord(static_cast<uint8_t>(n.ch), n.link, n.count, n.end));
      f += n.chain;
    };
    for (const RawNode& n : table0) node(n);
    node(pNode);
    Put32(f, static_cast<uint32_t>(link.size()));
    f += link;
    std::string first(adm::kFirstCharTableSize, '\0');
    auto entry = [&](char ch, bool oneLetter, uint32_t count, uint32_t l) {
      size_t at = static_cast<uint8_t>(ch) * adm::kFirstCharEntrySize;
      first[at] = oneLetter ? 1 : 0;
      first[at + 1] = static_cast<char>(count);
      for (int i = 0; i < 4; ++i) first[at + 4 + i] = static_cast<char>((l >> (8 * i)) & 0xFF);
    };
    entry('a', true, 2, aList);
    entry('b', false, 1, 8);
    entry('z', false, 9, zList);
    f += first;
    f += std::string(adm::kCharSetBlockSize, 'c');
    return f;
  }
};

const std::vector<std::string> kHandWords = {"a",  "an", "and", "ant", "apple", "be", "bee", "bed", "za",
                                             "zb", "zc", "zd",  "ze",  "zf",    "zg", "zh",  "zi"};

// Written without flushing to disk: the corruption test writes hundreds.
std::string Write(const testing::TempDir& dir, const std::string& name, const std::string& bytes) {
  std::string path = dir.File(name);
  std::unique_ptr<platform::File> file;
  EXPECT_TRUE(Env::Default().OpenFile(path, platform::FileAccess::ReadWrite, platform::FileShare::Read,
                                      platform::FileCreate::CreateAlways, &file));
  if (file && !bytes.empty()) {
    EXPECT_TRUE(file->WriteAt(0, bytes.data(), bytes.size()));
  }
  return path;
}

std::vector<std::string> Prefixed(TMainDictionary& dict, std::string_view prefix) {
  std::vector<std::string> out;
  dict.EnumeratePrefixWords(prefix, [&](std::string_view w) {
    out.emplace_back(w);
    return false;
  });
  return out;
}

class HandMadeDictionary : public ::testing::TestWithParam<uint32_t> {};

TEST_P(HandMadeDictionary, ReadsEveryWordAndNothingElse) {
  testing::TempDir dir;
  HandMade made;
  made.pad = GetParam();
  TMainDictionary dict;
  dict.WriteFilename(Write(dir, "hand.adm", made.Build()));
  ASSERT_EQ(dict.ReadFilename(), dir.File("hand.adm"));
  EXPECT_EQ(dict.ReadTitle(), "Hand \xC3\xA9 \xD0\x96 made");  // as UTF-8, whatever the code page holds
  EXPECT_EQ(dict.ReadLanguage(), 1033u);
  EXPECT_EQ(dict.ReadWordCount(), 17u);
  EXPECT_FALSE(dict.ReadLoaded());
  for (const std::string& w : kHandWords) EXPECT_TRUE(dict.WordExists(w)) << w;
  EXPECT_TRUE(dict.ReadLoaded());  // loaded on demand
  for (const char* w : {"", "b", "z", "ap", "app", "appl", "apples", "applf", "andy", "bees", "zj", "Za", "A", "zz",
                        "q", "?", "#", "n"})
    EXPECT_FALSE(dict.WordExists(w)) << w;
}

TEST_P(HandMadeDictionary, PrefixWalk) {
  testing::TempDir dir;
  HandMade made;
  made.pad = GetParam();
  TMainDictionary dict;
  dict.WriteFilename(Write(dir, "hand.adm", made.Build()));
  struct Row {
    const char* prefix;
    std::vector<std::string> words;
  } rows[] = {
      {"a", {"a", "an", "and", "ant", "apple"}},
      {"an", {"an", "and", "ant"}},
      {"ap", {"apple"}},    // the prefix ends on the node's own character
      {"app", {}},          // ... or inside its chain: nothing
      {"appl", {"apple"}},  // the chain's end: the walk goes on from the node
      {"b", {"be", "bee", "bed"}},
      {"be", {"be", "bee", "bed"}},
      {"bee", {}},  // a leaf
      {"z", {"za", "zb", "zc", "zd", "ze", "zf", "zg", "zh", "zi"}},
      {"q", {}},
      {"", {}},
  };
  for (const Row& r : rows) EXPECT_EQ(Prefixed(dict, r.prefix), r.words) << r.prefix;
  // Pruning skips what lies below a reported word.
  std::vector<std::string> seen;
  dict.EnumeratePrefixWords("a", [&](std::string_view w) {
    seen.emplace_back(w);
    return w == "an";
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "an", "apple"}));
}

INSTANTIATE_TEST_SUITE_P(ChildNumbers, HandMadeDictionary, ::testing::Values(0u, 65535u),
                         [](const auto& info) { return info.param == 0 ? "TwoByte" : "TwoOrThreeByte"; });

TEST(MainDictionary, RefusesFilesThatAreNotDictionaries) {
  testing::TempDir dir;
  const std::string good = HandMade().Build();
  TMainDictionary dict;
  dict.WriteFilename(Write(dir, "good.adm", good));
  ASSERT_EQ(dict.ReadFilename(), dir.File("good.adm"));

  std::string badSignature = good;
  badSignature[3] ^= 1;
  struct Row {
    const char* name;
    std::string bytes;
  } rows[] = {
      {"exactly1024.adm", good.substr(0, 1024)},
      {"signature.adm", badSignature},
      {"empty.adm", ""},
      {"shortheader.adm", good.substr(0, 1030)},
  };
  for (const Row& r : rows) {
    dict.WriteFilename(Write(dir, r.name, r.bytes));
    EXPECT_EQ(dict.ReadFilename(), dir.File("good.adm")) << r.name;
    EXPECT_FALSE(dict.ReadLoaded()) << r.name;
  }
  dict.WriteFilename(dir.File("missing.adm"));
  EXPECT_EQ(dict.ReadFilename(), dir.File("good.adm"));
  EXPECT_TRUE(dict.WordExists("apple"));  // the previous file is still in use
}

TEST(MainDictionary, TruncatedBodyIsAcceptedButNeverLoads) {
  testing::TempDir dir;
  const std::string good = HandMade().Build();
  TMainDictionary dict;
  dict.WriteFilename(Write(dir, "cut.adm", good.substr(0, good.size() - 1)));
  EXPECT_EQ(dict.ReadFilename(), dir.File("cut.adm"));
  EXPECT_EQ(dict.ReadWordCount(), 17u);
  for (int attempt = 0; attempt < 2; ++attempt) EXPECT_FALSE(dict.WordExists("apple"));
  EXPECT_FALSE(dict.ReadLoaded());
  // Mended on disk, the next lookup loads it.
  Write(dir, "cut.adm", good);
  EXPECT_TRUE(dict.WordExists("apple"));
}

TEST(MainDictionary, LoadedDictionaryFollowsANewFileAndReleasesIt) {
  testing::TempDir dir;
  HandMade other;
  other.title = u"Other";
  other.language = 1036;
  TMainDictionary dict;
  dict.WriteFilename(Write(dir, "one.adm", HandMade().Build()));
  dict.WriteLoaded(true);
  ASSERT_TRUE(dict.ReadLoaded());
  dict.WordFound();
  dict.WriteFilename(Write(dir, "two.adm", other.Build()));
  EXPECT_TRUE(dict.ReadLoaded());
  EXPECT_EQ(dict.ReadTitle(), "Other");
  EXPECT_EQ(dict.ReadLanguage(), 1036u);
  EXPECT_EQ(dict.ReadWordsFound(), 0);
  // While loaded the file is shared for reading only.
  std::unique_ptr<platform::File> writer;
  EXPECT_FALSE(Env::Default().OpenFile(dir.File("two.adm"), platform::FileAccess::ReadWrite,
                                       platform::FileShare::ReadWrite, platform::FileCreate::OpenExisting, &writer));
  std::unique_ptr<platform::File> reader;
  EXPECT_TRUE(Env::Default().OpenFile(dir.File("two.adm"), platform::FileAccess::Read, platform::FileShare::ReadWrite,
                                      platform::FileCreate::OpenExisting, &reader));
  reader.reset();
  dict.WriteLoaded(false);
  EXPECT_TRUE(Env::Default().OpenFile(dir.File("two.adm"), platform::FileAccess::ReadWrite,
                                      platform::FileShare::ReadWrite, platform::FileCreate::OpenExisting, &writer));
}

TEST(MainDictionary, NothingHappensWithoutAFile) {
  TMainDictionary dict;
  dict.WriteLoaded(true);
  EXPECT_FALSE(dict.ReadLoaded());
  EXPECT_FALSE(dict.WordExists("a"));
  EXPECT_TRUE(Prefixed(dict, "a").empty());
}

TEST(MainDictionary, OpeningFailureChangesNothing) {
  testing::TempDir dir;
  platform::FaultEnv faults(Env::Default());
  TMainDictionary dict(faults);
  const std::string path = Write(dir, "hand.adm", HandMade().Build());
  faults.FailOpens(true);
  dict.WriteFilename(path);
  EXPECT_EQ(dict.ReadFilename(), "");
  faults.FailOpens(false);
  dict.WriteFilename(path);
  EXPECT_EQ(dict.ReadFilename(), path);
  faults.FailOpens(true);
  EXPECT_FALSE(dict.WordExists("apple"));  // cannot load now ...
  faults.FailOpens(false);
  EXPECT_TRUE(dict.WordExists("apple"));  // ... and tries again next time
}

// Links, offsets and child numbers that point anywhere: never a read outside
// the file (the sanitizer build checks), and lookups stay answerable.
TEST(MainDictionary, CorruptLinksAnswerNotFound) {
  testing::TempDir dir;
  const std::string good = HandMade().Build();
  const size_t p0 = adm::kTitleOffset + 1 + (HandMade().title.size() + 1) * 2 + 12 + 36;
  const size_t nodes = 20 * 4 + 6;
  int changed = 0;
  for (size_t at = p0; at < p0 + nodes + 4 + 60; ++at) {
    for (uint8_t value : {0x00, 0x7F, 0x80, 0xFF}) {
      std::string bad = good;
      if (static_cast<uint8_t>(bad[at]) == value) continue;
      bad[at] = static_cast<char>(value);
      ++changed;
      TMainDictionary dict;
      dict.WriteFilename(Write(dir, "bad.adm", bad));
      for (const std::string& w : kHandWords) dict.WordExists(w);
      for (const char* prefix : {"a", "b", "z", "ap", "be"}) Prefixed(dict, prefix);
    }
  }
  EXPECT_GT(changed, 500);
  // A node whose only child is itself: the walk ends.
  std::string loop = good;
  const size_t zNode = p0 + 3 * 4;
  const uint32_t selfLink = adm::NodeWord('z', 3, 1, true);
  for (int i = 0; i < 4; ++i) loop[zNode + i] = static_cast<char>((selfLink >> (8 * i)) & 0xFF);
  TMainDictionary dict;
  dict.WriteFilename(Write(dir, "loop.adm", loop));
  const std::vector<std::string> words = Prefixed(dict, "zzz");
  EXPECT_FALSE(words.empty());
  EXPECT_LE(words.size(), 21u);  // no more visits than the file has nodes
}

TEST(MainDictionary, SuggestFindsSoundAlikesUnderTheFirstCharacters) {
  testing::TempDir dir;
  TMainDictionary dict;
  dict.WriteFilename(Write(dir, "hand.adm", HandMade().Build()));
  TPhoneticsMap map;
  map.WriteLanguage(1033);
  std::vector<std::string> list;
  dict.Suggest("antt", map, list);  // code "ant"; "ant" codes "ant" too, "and" codes "ant"
  EXPECT_EQ(list, (std::vector<std::string>{"and", "ant"}));
  list = {"ANT"};
  dict.Suggest("antt", map, list);  // held already, whatever its case
  EXPECT_EQ(list, (std::vector<std::string>{"ANT", "and"}));
  list.clear();
  dict.Suggest("b", map, list);  // a code of one character finds nothing
  EXPECT_TRUE(list.empty());
  dict.Suggest("Antt", map, list);  // the first two bytes must match exactly
  EXPECT_TRUE(list.empty());
  // Outside Suggest the walk reports to no list.
  dict.PerformPrefixWords("an");
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace tq::spell
