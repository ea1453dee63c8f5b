#include "spell/engine/quill_spell_base.h"

#include <gtest/gtest.h>

#include "platform/memory_env.h"

#include "spell/engine/engine_test_support.h"
#include "spell/engine/string_parser.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using platform::Env;

// A component whose configuration lives nowhere, with the given options.
// Its files (the default custom dictionary) are made in memory, never in the
// made-up program folder on the real disk.
struct Engine {
  fakes::FakeFacts facts;
  platform::MemoryEnv env;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  std::unique_ptr<TQuillSpellBase> spell;

  explicit Engine(TSpellOptions options = {}) {
    spell = std::make_unique<TQuillSpellBase>(TEngineServices{&env, keys.get(), &facts});
    spell->BeginLoading();
    spell->WriteConfigStorage(csNone);
    spell->ConfigDefaultOptions = options;
    spell->EndLoading();
  }

  std::vector<std::string> Words(std::string text) {
    TStringParser parser(text);
    TParsingEngine& cutter = *spell->ReadParsingEngine();
    cutter.Initialize(&parser, ctAll);
    std::vector<std::string> words;
    std::string w;
    for (cutter.NextWord(w); !w.empty(); cutter.NextWord(w)) words.push_back(w);
    return words;
  }
};

// A rule that records what it is asked.
class Probe : public TParserIgnoreBase {
 public:
  Probe(bool before, bool line, std::string* log, std::string name)
      : before_(before), line_(line), log_(log), name_(std::move(name)) {}
  bool NeededBeforeCheck() override { return before_; }
  bool LineCheckNeeded() override { return line_; }
  bool ExecuteWordIgnorePostCheck(std::string_view word, TControlParser*) override {
    *log_ += name_;
    return word == name_;
  }
  bool ExecuteLineIgnore(std::string_view line) override {
    *log_ += name_;
    return line == name_;
  }

 private:
  bool before_, line_;
  std::string* log_;
  std::string name_;
};

TEST(EngineComponent, RuleListsAndTheirQuestions) {
  Engine e;
  std::string log;
  e.spell->AddIgnore(nullptr);
  e.spell->AddIgnore(std::make_unique<Probe>(true, false, &log, "a"));
  e.spell->AddIgnore(std::make_unique<Probe>(false, true, &log, "b"));
  e.spell->AddIgnore(std::make_unique<Probe>(true, true, &log, "c"));
  EXPECT_EQ(e.spell->ReadIgnoreRuleCount(), 3);
  EXPECT_EQ(e.spell->ReadBeforeCheckRuleCount(), 2);
  EXPECT_EQ(e.spell->ReadLineRuleCount(), 2);
  // Post-check asks every rule in order; the first yes ends it.
  EXPECT_TRUE(e.spell->RunPostCheckIgnore("b", nullptr));
  EXPECT_EQ(log, "ab");
  log.clear();
  EXPECT_FALSE(e.spell->RunPostCheckIgnore("z", nullptr));
  EXPECT_EQ(log, "abc");
  log.clear();
  EXPECT_TRUE(e.spell->RunLineIgnore("c"));  // line rules only
  EXPECT_EQ(log, "bc");
  e.spell->ClearIgnoreList();
  EXPECT_EQ(e.spell->ReadIgnoreRuleCount() + e.spell->ReadBeforeCheckRuleCount() + e.spell->ReadLineRuleCount(), 0);
  EXPECT_FALSE(e.spell->RunPostCheckIgnore("a", nullptr));
}

TEST(EngineComponent, OptionsBuildTheRules) {
  Engine e({soInternet, soHTML, soUpcase, soNumbers, soQuoted, soAbbreviations, soRepeated, soLiveSpelling});
  e.spell->ResynchOptions(false);
  EXPECT_EQ(e.spell->ReadIgnoreRuleCount(), 6);
  EXPECT_EQ(e.spell->ReadBeforeCheckRuleCount(), 2);  // addresses and markup
  EXPECT_EQ(e.spell->ReadLineRuleCount(), 1);         // quoted lines
  EXPECT_TRUE(e.spell->ReadRepeatedWords());
  EXPECT_FALSE(e.spell->ReadDualCaps());
  EXPECT_TRUE(e.spell->ReadLiveSpelling());
  EXPECT_FALSE(e.spell->ReadLiveCorrect());
  // The word cutter skips what the before-check rules say.
  EXPECT_EQ(e.Words("<b>Bold</b> see http://x.org/y, mail me@x.org now"),
            (std::vector<std::string>{"Bold", "see", "mail", "now"}));
  struct Row {
    const char* word;
    bool accepted;
  } rows[] = {{"NASA", true}, {"R2D2", true}, {"e.g.", true}, {"&amp", true}, {"www.x.org", true}, {"word", false}};
  for (const Row& r : rows) EXPECT_EQ(e.spell->RunPostCheckIgnore(r.word, nullptr), r.accepted) << r.word;
  EXPECT_TRUE(e.spell->RunLineIgnore("> quoted"));
  e.spell->WriteQuoteChars("|");
  EXPECT_FALSE(e.spell->RunLineIgnore("> quoted"));
  EXPECT_TRUE(e.spell->RunLineIgnore("| quoted"));
}

TEST(EngineComponent, RebuildsOnlyWhenOptionsChangeOrWhenForced) {
  Engine e({soUpcase});
  int rebuilt = 0, told = 0;
  e.spell->OnAddCustomIgnore = [&](TQuillSpellBase* sender) {
    ++rebuilt;
    sender->AddIgnore(std::make_unique<TNumbersIgnore>());  // the application's own rule
  };
  int token = 0;
  e.spell->OptionsChangedListeners().Add(&token, [&](void*) { ++told; });
  e.spell->ResynchOptions(false);
  const int first = rebuilt;
  EXPECT_GE(first, 1);
  e.spell->ResynchOptions(false);
  EXPECT_EQ(rebuilt, first);
  e.spell->ResynchOptions(true);
  EXPECT_EQ(rebuilt, first + 1);
  EXPECT_EQ(e.spell->ReadIgnoreRuleCount(), 2);  // upper case and, again, the application's
  e.spell->Configuration().WriteSpellOptions({soUpcase, soHTML});
  EXPECT_EQ(rebuilt, first + 2);
  EXPECT_EQ(e.spell->ReadIgnoreRuleCount(), 3);
  EXPECT_EQ(told, rebuilt);
  e.spell->WriteParsingEngine(nullptr);  // ignored
  auto cutter = std::make_unique<TMainParsingEngine>();
  TParsingEngine* raw = cutter.get();
  e.spell->WriteParsingEngine(std::move(cutter));
  EXPECT_EQ(e.spell->ReadParsingEngine(), raw);
  EXPECT_EQ(rebuilt, first + 3);
  EXPECT_EQ(e.Words("<i>x</i>"), (std::vector<std::string>{"x"}));  // the hooks came along
  // While being set up the component leaves the rules alone.
  e.spell->BeginLoading();
  e.spell->WriteQuoteChars("#");
  e.spell->EndLoading();
  EXPECT_EQ(rebuilt, first + 3);
}

TEST(EngineComponent, ExpandsConfigID) {
  Engine e;
  e.facts.programPath = "/opt/q/Quill.exe";
  EXPECT_EQ(e.spell->ExpandVars("%ConfigID%.adu"), "alice.adu");
  EXPECT_EQ(e.spell->ExpandVars("%AppDir%\\%ConfigID%\\%AppName%"), "/opt/q\\alice\\Quill");
  e.spell->WriteConfigID("%AppName%-%UserName%");
  EXPECT_EQ(e.spell->ExpandQuillVars("[%ConfigID%]"), "[Quill-alice]");
}

TEST(EngineComponent, ReadsWordProcessorDictionaries) {
  tq::testing::TempDir dir;
  Engine e;
  e.env.CreateDirectories(dir.path());
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> words;
  } rows[] = {
      {"ansi.dic", "alpha\r\nbeta\r\n\r\nalpha\ncaf\xE9\n", {"alpha", "beta", "caf\xE9"}},
      {"unicode.dic",
       std::string("\xFF\xFE"
                   "a\0b\0\r\0\n\0\xE9\0\n\0\x16\x04\n\0",
                   18),
       {"ab", "\xE9"}},
      {"utf8.dic",
       "\xEF\xBB\xBF"
       "na\xC3\xAFve\n\xD0\x96\nok",
       {"na\xEFve", "ok"}},
  };
  for (const Row& r : rows) {
    ASSERT_TRUE(platform::WriteWholeFile(e.env, dir.File(r.name), r.bytes));
    std::unique_ptr<TCustomDictionary> dict = e.spell->GetMSWordCustomDictionary(dir.File(r.name));
    ASSERT_NE(dict, nullptr);
    EXPECT_EQ(dict->ReadFilename(), "");
    EXPECT_EQ(dict->ReadIgnoreCount(), static_cast<int>(r.words.size())) << r.name;
    for (const std::string& w : r.words) EXPECT_TRUE(dict->IgnoreExists(w)) << r.name << " " << w;
  }
  EXPECT_EQ(e.spell->GetMSWordCustomDictionary(dir.File("missing.dic")), nullptr);
}

TEST(EngineComponent, FindsWordProcessorDictionariesInTheRegistry) {
  tq::testing::TempDir dir;
  Engine e;
  e.env.CreateDirectories(dir.path());
  e.facts.appData = dir.path();
  e.env.CreateDirectories(dir.File("Microsoft/Proof"));
  platform::WriteWholeFile(e.env, dir.File("Microsoft/Proof/CUSTOM.DIC"), "x\n");
  platform::WriteWholeFile(e.env, dir.File("other.dic"), "y\n");
  const char* key = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  auto user = e.keys->Open(platform::KeyRoot::CurrentUser, key, true);
  user->WriteString("1", "CUSTOM.DIC");
  user->WriteString("2", "GONE.DIC");
  user->WriteString("3", dir.path() + "\\gone\\x.dic");  // a path: kept only if it exists
  user->WriteString("5", "never read: 4 is missing");
  auto machine = e.keys->Open(platform::KeyRoot::LocalMachine, key, true);
  machine->WriteString("1", dir.path() + "\\other.dic");
  const TStringList& found = e.spell->ReadAvailableMSWordCustom();
  EXPECT_EQ(found.Items(),
            (std::vector<std::string>{dir.path() + "\\Microsoft\\Proof\\CUSTOM.DIC", dir.path() + "\\other.dic"}));
}

TEST(EngineComponent, PhoneticMapProperties) {
  Engine e;
  EXPECT_EQ(e.spell->ReadPhoneticDepth(), 2);
  EXPECT_EQ(e.spell->ReadPhoneticDivisor(), 2);
  EXPECT_EQ(e.spell->ReadPhoneticMaxDistance(), 4);
  e.spell->WritePhoneticDepth(3);
  e.spell->WritePhoneticDepth(0);  // ignored
  e.spell->WritePhoneticDivisor(0);
  e.spell->WritePhoneticMaxDistance(6);
  EXPECT_EQ(e.spell->ReadPhoneticsMap().ReadStartDepth(), 3);
  EXPECT_EQ(e.spell->ReadPhoneticsMap().ReadDistanceDivisor(), 0);
  EXPECT_TRUE(e.spell->ReadPhoneticsMap().AcceptableDistance("abcdef", 6));
  e.spell->WritePhoneticsMap(nullptr);  // ignored
  EXPECT_EQ(e.spell->ReadPhoneticDepth(), 3);
  auto map = std::make_unique<TPhoneticsMap>();
  map->WriteLanguage(1036);
  e.spell->WritePhoneticsMap(std::move(map));
  EXPECT_EQ(e.spell->ReadPhoneticsMap().ReadLanguage(), 1036);
  EXPECT_EQ(e.spell->ReadPhoneticDepth(), 2);
}

TEST(EventList, AddRemoveNotify) {
  TEventList list;
  std::string order;
  int a = 0, b = 0, c = 0;
  list.Add(&a, [&](void*) { order += "a"; });
  list.Add(&b, [&](void*) {
    order += "b";
    list.Remove(&c);  // removed while the list is told: not called any more
  });
  list.Add(&a, [&](void*) { order += "A"; });  // already present
  list.Add(&c, [&](void*) { order += "c"; });
  EXPECT_EQ(list.ReadCount(), 3);
  EXPECT_EQ(list.ReadItems(1), &b);
  list.Notify(nullptr);
  EXPECT_EQ(order, "ab");
  list.Remove(&a);
  list.Notify(nullptr);
  EXPECT_EQ(order, "abb");
}

TEST(StringList, SortedWithoutDuplicates) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  list.WriteSorted(true);
  list.IgnoreDuplicates = true;
  list.Add("pear");
  list.Add("Apple");
  list.Add("apple");
  list.Add("fig");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Apple", "fig", "pear"}));
  EXPECT_EQ(list.IndexOf("PEAR"), 2);
  EXPECT_EQ(changes, 3);
  list.Delete(7);
  list.Delete(0);
  EXPECT_EQ(changes, 4);
  TStringList plain{"b", "a", "b"};
  EXPECT_EQ(plain.Count(), 3);
  plain.Insert(99, "z");
  EXPECT_EQ(plain[3], "z");
}

}  // namespace
}  // namespace tq::spell
