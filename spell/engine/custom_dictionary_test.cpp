#include "spell/engine/custom_dictionary.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/fault_env.h"
#include "platform/memory_env.h"
#include "spell/engine/dictionary_hash.h"
#include "spell/engine/file_checks.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using platform::Env;
using platform::MemoryEnv;

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(platform::ReadWholeFile(Env::Default(), path, &bytes));
  return bytes;
}

void Put32(std::string& s, int32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

// Two different words whose probe sequences start at the same slot of a
// table of n slots.
std::pair<std::string, std::string> Colliding(int32_t n) {
  std::map<int32_t, std::string> seen;
  for (int i = 0;; ++i) {
    std::string w = "w" + std::to_string(i);
    auto [it, fresh] = seen.emplace(HashString(w, n), w);
    if (!fresh) return {it->second, w};
  }
}

TEST(DictionaryHash, WorkedValuesAndTableSizes) {
  EXPECT_EQ(HashString("abc", 251), 241);
  EXPECT_EQ(SecondaryHash(241), 48);
  EXPECT_EQ(HashString("", 251), 0);
  EXPECT_EQ(HashString(std::string_view("abc\0zz", 6), 251), 241);  // up to the zero byte
  for (int32_t n : {251, 509, 65521, 2147483647}) {
    for (const char* w : {"a", "\xFF\xFE\xFD", "supercalifragilisticexpialidocious"}) {
      int32_t slot = HashString(w, n);
      EXPECT_GE(slot, 0);
      EXPECT_LT(slot, n);
    }
  }
  struct Row {
    int32_t n, next;
  } rows[] = {{0, 251},
              {-5, 251},
              {250, 251},
              {251, 509},
              {508, 509},
              {65521, 131071},
              {2147483646, 2147483647},
              {2147483647, 2147483647}};
  for (const Row& r : rows) EXPECT_EQ(GetNextPrime(r.n), r.next) << r.n;
}

TEST(CustomDictionary, ThreeKindsOfEntries) {
  TCustomDictionary dict;
  EXPECT_TRUE(dict.AddIgnore("colour"));
  EXPECT_TRUE(dict.AddExclude("thier"));
  EXPECT_TRUE(dict.AddAutoCorrect("teh", "the"));
  EXPECT_TRUE(dict.ReadModified());
  // A word is stored once, whatever its kind; empty words are refused.
  EXPECT_FALSE(dict.AddIgnore("colour"));
  EXPECT_FALSE(dict.AddExclude("colour"));
  EXPECT_FALSE(dict.AddAutoCorrect("thier", "their"));
  EXPECT_FALSE(dict.AddIgnore(""));
  EXPECT_FALSE(dict.AddIgnore(std::string_view("a\0b", 3)));
  EXPECT_TRUE(dict.AddIgnore("Colour"));  // case matters

  std::string replacement;
  EXPECT_TRUE(dict.IgnoreExists("colour"));
  EXPECT_FALSE(dict.IgnoreExists("thier"));
  EXPECT_TRUE(dict.ExcludeExists("thier"));
  EXPECT_FALSE(dict.ExcludeExists("teh"));
  EXPECT_TRUE(dict.AutoCorrectExists("teh", replacement));
  EXPECT_EQ(replacement, "the");
  EXPECT_FALSE(dict.AutoCorrectExists("colour", replacement));
  EXPECT_FALSE(dict.IgnoreExists("colou"));
  EXPECT_FALSE(dict.IgnoreExists("colours"));

  // Removal only under the word's own kind.
  EXPECT_FALSE(dict.RemoveExclude("colour"));
  EXPECT_FALSE(dict.RemoveIgnore("teh"));
  EXPECT_TRUE(dict.RemoveAutoCorrect("teh"));
  EXPECT_FALSE(dict.AutoCorrectExists("teh", replacement));
  EXPECT_FALSE(dict.RemoveAutoCorrect("teh"));
  EXPECT_TRUE(dict.AddIgnore("teh"));  // free again

  EXPECT_EQ(dict.ReadIgnoreCount(), 3);
  EXPECT_EQ(dict.ReadExcludeCount(), 1);
  EXPECT_EQ(dict.ReadAutoCorrectCount(), 0);
  EXPECT_EQ(dict.ReadWordCount(), 4);
}

TEST(CustomDictionary, EntryLengthLimit) {
  TCustomDictionary dict;
  EXPECT_TRUE(dict.AddAutoCorrect(std::string(250, 'a'), std::string(250, 'b')));
  EXPECT_FALSE(dict.AddAutoCorrect(std::string(250, 'c'), std::string(251, 'd')));
  EXPECT_TRUE(dict.AddIgnore(std::string(500, 'e')));
  EXPECT_FALSE(dict.AddIgnore(std::string(501, 'f')));
  std::string replacement;
  EXPECT_TRUE(dict.AutoCorrectExists(std::string(250, 'a'), replacement));
  EXPECT_EQ(replacement, std::string(250, 'b'));
}

TEST(CustomDictionary, RemovedSlotsDoNotEndASearch) {
  TCustomDictionary dict;
  auto [first, second] = Colliding(251);
  ASSERT_TRUE(dict.AddIgnore(first));
  ASSERT_TRUE(dict.AddIgnore(second));  // one probe step further on
  ASSERT_TRUE(dict.RemoveIgnore(first));
  EXPECT_TRUE(dict.IgnoreExists(second));
  EXPECT_FALSE(dict.IgnoreExists(first));
  EXPECT_TRUE(dict.RemoveIgnore(second));
  EXPECT_TRUE(dict.AddExclude(first));
  EXPECT_TRUE(dict.ExcludeExists(first));
}

TEST(CustomDictionary, SixtyThirdWordGrowsTheTable) {
  TCustomDictionary dict;
  for (int i = 0; i < 62; ++i) ASSERT_TRUE(dict.AddIgnore("word" + std::to_string(i)));
  EXPECT_EQ(dict.ReadTableSize(), 251);
  ASSERT_TRUE(dict.AddIgnore("word62"));
  EXPECT_EQ(dict.ReadTableSize(), 509);
  for (int i = 0; i < 63; ++i) EXPECT_TRUE(dict.IgnoreExists("word" + std::to_string(i)));
  std::string w;
  dict.GetIgnoreWord(63, w);
  EXPECT_EQ(w, "");
  dict.GetIgnoreWord(-1, w);
  EXPECT_EQ(w, "");
}

TEST(CustomDictionary, ChurnNeverFillsTheTableWithRemovedSlots) {
  TCustomDictionary dict;
  for (int i = 0; i < 20000; ++i) {
    const std::string w = "churn" + std::to_string(i);
    ASSERT_TRUE(dict.AddIgnore(w));
    ASSERT_TRUE(dict.RemoveIgnore(w));
  }
  EXPECT_EQ(dict.ReadTableSize(), 251);  // removed slots are cleared, not grown into
  EXPECT_FALSE(dict.IgnoreExists("absent"));
  EXPECT_TRUE(dict.AddIgnore("kept"));
  EXPECT_TRUE(dict.IgnoreExists("kept"));
}

TEST(CustomDictionary, IndexListsFollowSlotOrder) {
  TCustomDictionary dict;
  const std::set<std::string> words = {"alpha", "beta", "gamma", "delta"};
  for (const std::string& w : words) dict.AddIgnore(w);
  dict.AddAutoCorrect("recieve", "receive");
  std::map<int32_t, std::string> bySlot;
  for (const std::string& w : words) bySlot[HashString(w, 251)] = w;  // no collisions among these
  ASSERT_EQ(dict.ReadIgnoreCount(), 4);
  int i = 0;
  for (const auto& [slot, w] : bySlot) {
    std::string got;
    dict.GetIgnoreWord(i++, got);
    EXPECT_EQ(got, w);
  }
  // Up to date lists take new words at once.
  dict.AddIgnore("epsilon");
  EXPECT_EQ(dict.ReadIgnoreCount(), 5);
  std::string w, r;
  dict.GetAutoCorrectWord(0, w, r);
  EXPECT_EQ(w, "recieve");
  EXPECT_EQ(r, "receive");
  dict.GetAutoCorrectWord(1, w, r);
  EXPECT_EQ(w + r, "");
  dict.RemoveIgnore("alpha");
  EXPECT_EQ(dict.ReadIgnoreCount(), 4);
}

TEST(CustomDictionary, FileLayout) {
  testing::TempDir dir;
  const std::string path = dir.File("user.adu");
  {
    TCustomDictionary dict;
    dict.WriteFilename(path);
    ASSERT_EQ(dict.ReadFilename(), path);
    dict.AddIgnore("abc");
    dict.AddExclude("xy");
    dict.AddAutoCorrect("teh", "the");
  }  // destroyed: saved
  const std::string f = ReadBytes(path);
  const std::string records("Iabc\0Exy\0Ateh\0the\0", 18);
  ASSERT_EQ(f.size(), 141u + 4 * 251 + 4 + records.size());
  EXPECT_EQ(f.substr(0, 119), kUserDictionarySignature);
  EXPECT_EQ(f[119], '\0');
  EXPECT_EQ(f[120], '\x1A');
  std::string counts;
  for (int32_t v : {1, 1, 1, 3, 251}) Put32(counts, v);
  EXPECT_EQ(f.substr(121, 20), counts);
  // "abc" is at buffer offset 1 (after its type byte) in slot 241.
  std::string slot;
  Put32(slot, 1);
  EXPECT_EQ(f.substr(141 + 4 * 241, 4), slot);
  EXPECT_EQ(f.substr(141 + 4 * 251 + 4), records);
}

// A file written byte by byte from the format's table, not by our writer.
TEST(CustomDictionary, ReadsAHandWrittenFile) {
  testing::TempDir dir;
  std::string f(kUserDictionarySignature);
  f += '\0';
  f += '\x1A';
  const std::string records("Ihello\0Aadn\0and\0Egonna\0", 23);
  for (int32_t v : {1, 1, 1, 3, 251}) Put32(f, v);
  std::vector<int32_t> slots(251, 0);
  slots[HashString("hello", 251)] = 1;
  slots[HashString("adn", 251)] = 8;
  slots[HashString("gonna", 251)] = 17;
  for (int32_t v : slots) Put32(f, v);
  Put32(f, static_cast<int32_t>(records.size()));
  f += records;
  const std::string path = dir.File("hand.adu");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), path, f));

  TCustomDictionary dict;
  dict.WriteFilename(path);
  ASSERT_EQ(dict.ReadFilename(), path);
  std::string r;
  EXPECT_TRUE(dict.IgnoreExists("hello"));
  EXPECT_TRUE(dict.AutoCorrectExists("adn", r));
  EXPECT_EQ(r, "and");
  EXPECT_TRUE(dict.ExcludeExists("gonna"));
  EXPECT_EQ(dict.ReadWordCount(), 3);
  EXPECT_FALSE(dict.ReadModified());
}

// An auto-correct record whose replacement lost its zero byte ends where the
// next record begins; it does not take that record's bytes.
TEST(CustomDictionary, ARecordWithoutItsZeroEndsAtTheNextRecord) {
  MemoryEnv env;
  std::string f(kUserDictionarySignature);
  f += '\0';
  f += '\x1A';
  const std::string records("AadnandIhello\0", 14);  // "adn" and "and" lack their zeros
  for (int32_t v : {1, 0, 1, 2, 251}) Put32(f, v);
  std::vector<int32_t> slots(251, 0);
  slots[HashString("adn", 251)] = 1;
  slots[HashString("hello", 251)] = 8;
  for (int32_t v : slots) Put32(f, v);
  Put32(f, static_cast<int32_t>(records.size()));
  f += records;
  ASSERT_TRUE(platform::WriteWholeFile(env, "hand.adu", f));
  TCustomDictionary dict(env);
  dict.WriteFilename("hand.adu");
  EXPECT_TRUE(dict.IgnoreExists("hello"));
  std::string word, replacement;
  dict.GetAutoCorrectWord(0, word, replacement);
  EXPECT_EQ(word, "adnand");
  EXPECT_EQ(replacement, "");
  dict.GetIgnoreWord(0, word);
  EXPECT_EQ(word, "hello");
}

TEST(CustomDictionary, RoundTripThroughAFile) {
  testing::TempDir dir;
  const std::string path = dir.File("words.adu");
  std::set<std::string> kept;
  {
    TCustomDictionary dict;
    dict.WriteFilename(path);
    for (int i = 0; i < 300; ++i) {
      std::string w = "w\xE9" + std::to_string(i);
      dict.AddIgnore(w);
      kept.insert(w);
    }
    for (int i = 0; i < 300; i += 3) {
      dict.RemoveIgnore("w\xE9" + std::to_string(i));
      kept.erase("w\xE9" + std::to_string(i));
    }
    dict.AddAutoCorrect("adn", "and");
    dict.Save();
    EXPECT_FALSE(dict.ReadModified());
  }
  TCustomDictionary back;
  back.WriteFilename(path);
  EXPECT_EQ(back.ReadIgnoreCount(), static_cast<int>(kept.size()));
  for (const std::string& w : kept) EXPECT_TRUE(back.IgnoreExists(w)) << w;
  EXPECT_FALSE(
      back.IgnoreExists("w\xE9"
                        "0"));
  std::string r;
  EXPECT_TRUE(back.AutoCorrectExists("adn", r));
  EXPECT_EQ(r, "and");
  EXPECT_EQ(back.ReadTableSize(), 2039);
}

TEST(CustomDictionary, TwoObjectsOnOneFileKeepBothSetsOfWords) {
  testing::TempDir dir;
  const std::string path = dir.File("shared.adu");
  {
    TCustomDictionary seed;
    seed.WriteFilename(path);
    seed.AddIgnore("common");
    seed.AddIgnore("dropped");
  }
  TCustomDictionary a, b;
  a.WriteFilename(path);
  b.WriteFilename(path);
  a.WriteLoaded(true);
  b.WriteLoaded(true);
  a.AddIgnore("fromA");
  a.AddAutoCorrect("teh", "the");
  b.AddIgnore("fromB");
  b.AddExclude("excludedByB");
  b.RemoveIgnore("dropped");
  a.Save();
  b.Save();  // the file changed since b loaded it: b's changes are replayed onto it
  a.AddIgnore("fromAagain");
  a.Save();                               // and a's later ones onto b's file
  EXPECT_FALSE(a.IgnoreExists("fromB"));  // an object sees others' words only after a reload

  TCustomDictionary check;
  check.WriteFilename(path);
  std::string r;
  for (const char* w : {"common", "fromA", "fromB", "fromAagain"}) EXPECT_TRUE(check.IgnoreExists(w)) << w;
  EXPECT_TRUE(check.ExcludeExists("excludedByB"));
  EXPECT_TRUE(check.AutoCorrectExists("teh", r));
  EXPECT_FALSE(check.IgnoreExists("dropped"));
}

TEST(CustomDictionary, FileNamesThatAreRefused) {
  testing::TempDir dir;
  const std::string good = dir.File("good.adu");
  const std::string other = dir.File("other.txt");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), other, "just some text, not a word list\n"));
  TCustomDictionary dict;
  dict.WriteFilename(good);  // missing but creatable
  ASSERT_EQ(dict.ReadFilename(), good);
  dict.AddIgnore("one");
  dict.WriteFilename(other);
  EXPECT_EQ(dict.ReadFilename(), good);
  dict.WriteFilename(dir.File("no/such/folder/x.adu"));
  EXPECT_EQ(dict.ReadFilename(), good);
  EXPECT_FALSE(Env::Default().FileExists(dir.File("no/such/folder/x.adu")));
  EXPECT_TRUE(dict.IgnoreExists("one"));
  // A new name saves the old file first.
  EXPECT_FALSE(Env::Default().FileExists(good));
  dict.WriteFilename(dir.File("second.adu"));
  EXPECT_TRUE(Env::Default().FileExists(good));
  EXPECT_FALSE(dict.IgnoreExists("one"));  // the new file is empty
  EXPECT_FALSE(Env::Default().FileExists(dir.File("second.adu")));
}

TEST(CustomDictionary, DamagedFilesLoadWithoutFailing) {
  testing::TempDir dir;
  std::string sig(kUserDictionarySignature);
  sig += '\0';
  struct Row {
    const char* name;
    std::string bytes;
  } rows[] = {
      {"bare.adu", sig},
      {"garbage.adu", sig + std::string(300, '\xFF')},
      {"zeros.adu", sig + std::string(300, '\0')},
      {"huge.adu", sig + "\x1A" + std::string(16, '\0') + "\xFF\xFF\xFF\x7F"},
  };
  for (const Row& r : rows) {
    const std::string path = dir.File(r.name);
    ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), path, r.bytes));
    TCustomDictionary dict;
    dict.WriteFilename(path);
    EXPECT_EQ(dict.ReadFilename(), path);
    EXPECT_FALSE(dict.IgnoreExists("anything"));
    EXPECT_TRUE(dict.AddIgnore("anything"));
    EXPECT_TRUE(dict.IgnoreExists("anything"));
  }
  // Every slot taken by removed entries: a lookup still ends.
  std::string full = sig + "\x1A";
  for (int32_t v : {0, 0, 0, 0, 251}) Put32(full, v);
  for (int i = 0; i < 251; ++i) Put32(full, -1);
  Put32(full, 0);
  const std::string path = dir.File("full.adu");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), path, full));
  TCustomDictionary dict;
  dict.WriteFilename(path);
  EXPECT_FALSE(dict.IgnoreExists("x"));
  EXPECT_TRUE(dict.AddIgnore("x"));
  EXPECT_TRUE(dict.IgnoreExists("x"));
}

TEST(CustomDictionary, RemoveAllChangesTheFileOnlyWithALaterSave) {
  testing::TempDir dir;
  const std::string path = dir.File("keep.adu");
  {
    TCustomDictionary dict;
    dict.WriteFilename(path);
    dict.AddIgnore("stays");
  }
  const std::string before = ReadBytes(path);
  {
    TCustomDictionary dict;
    dict.WriteFilename(path);
    dict.RemoveAll();
    EXPECT_FALSE(dict.IgnoreExists("stays"));
    EXPECT_FALSE(dict.ReadModified());
  }
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(CustomDictionary, SaveAsLeavesNameAndStateAlone) {
  testing::TempDir dir;
  TCustomDictionary dict;
  dict.AddIgnore("memory");
  dict.SaveAs(dir.File("copy.adu"));
  EXPECT_EQ(dict.ReadFilename(), "");
  EXPECT_TRUE(dict.ReadModified());
  TCustomDictionary copy;
  copy.WriteFilename(dir.File("copy.adu"));
  EXPECT_TRUE(copy.IgnoreExists("memory"));
}

TEST(CustomDictionary, FailedWritesKeepTheOldFile) {
  testing::TempDir dir;
  const std::string path = dir.File("safe.adu");
  {
    TCustomDictionary dict;
    dict.WriteFilename(path);
    dict.AddIgnore("old");
  }
  const std::string before = ReadBytes(path);
  platform::FaultEnv faults(Env::Default());
  {
    TCustomDictionary dict(faults);
    dict.WriteFilename(path);
    dict.AddIgnore("new");
    faults.FailWritesAfter(100);
    dict.Save();
    EXPECT_FALSE(dict.ReadModified());  // silent, and cleared all the same
    EXPECT_TRUE(dict.IgnoreExists("new"));
  }
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_FALSE(Env::Default().FileExists(path + ".new"));
}

TEST(FileChecks, CanFileBeWritten) {
  testing::TempDir dir;
  const std::string fresh = dir.File("fresh.txt");
  EXPECT_TRUE(CanFileBeWritten(Env::Default(), fresh, true));
  EXPECT_FALSE(Env::Default().FileExists(fresh));
  EXPECT_TRUE(CanFileBeWritten(Env::Default(), fresh, false));
  EXPECT_TRUE(Env::Default().FileExists(fresh));
  const std::string existing = dir.File("existing.txt");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), existing, "contents"));
  EXPECT_TRUE(CanFileBeWritten(Env::Default(), existing, true));
  EXPECT_EQ(ReadBytes(existing), "contents");
  std::unique_ptr<platform::File> reader;
  ASSERT_TRUE(Env::Default().OpenFile(existing, platform::FileAccess::Read, platform::FileShare::ReadWrite,
                                      platform::FileCreate::OpenExisting, &reader));
  EXPECT_FALSE(CanFileBeWritten(Env::Default(), existing, true));  // not ours alone
  EXPECT_FALSE(CanFileBeWritten(Env::Default(), dir.File("missing/dir/x"), true));
  EXPECT_FALSE(CanFileBeWritten(Env::Default(), "", true));
}

}  // namespace
}  // namespace tq::spell
