#include <gtest/gtest.h>

#include "spell/engine/dictionary_test_support.h"
#include "spell/engine/quill_spell_base.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using testsupport::DictionaryEngine;
using testsupport::WriteMainDictionary;

// A component whose menu "shows" by clicking the item at a path of captions
// (a submenu's caption, then the item's), or nothing for a dismissed menu.
class ClickingSpell : public TQuillSpellBase {
 public:
  using TQuillSpellBase::TQuillSpellBase;
  std::vector<std::string> clickPath;
  std::function<void()> whileShown;
  std::vector<std::string> shown;  // "caption|enabled|tag", submenu items indented

  void PresentPopupMenu(TSpellPopupMenu& menu, int, int) override {
    shown.clear();
    Record(menu.Items, "");
    if (whileShown) whileShown();
    const std::vector<std::unique_ptr<TSpellMenuItem>>* items = &menu.Items;
    for (size_t i = 0; i < clickPath.size(); ++i) {
      const TSpellMenuItem* hit = nullptr;
      for (const auto& item : *items)
        if (item->Caption == clickPath[i]) hit = item.get();
      ASSERT_NE(hit, nullptr) << clickPath[i];
      if (i + 1 == clickPath.size()) PopupMenuHook(*hit);
      items = &hit->Items;
    }
  }

 private:
  void Record(const std::vector<std::unique_ptr<TSpellMenuItem>>& items, const std::string& indent) {
    for (const auto& i : items) {
      shown.push_back(indent + i->Caption + "|" + (i->Enabled ? "1" : "0") + "|" + std::to_string(i->Tag));
      Record(i->Items, indent + "  ");
    }
  }
};

struct Fixture {
  testing::TempDir dir;
  fakes::FakeFacts facts;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  std::unique_ptr<ClickingSpell> spell;

  explicit Fixture(const std::string& activeCustom = "%ConfigID%.adu") {
    WriteMainDictionary(dir.File("English.adm"), {"house", "hose", "horse", "mouse", "the", "cat"});
    spell = std::make_unique<ClickingSpell>(TEngineServices{nullptr, keys.get(), &facts});
    testsupport::ConfigureTestEngine(*spell, {dir.path()}, TStringList{"English.adm"}, activeCustom, {});
    spell->WriteLearnSuggestions(false);
    spell->Configuration().EnsureLoaded();
  }
};

TEST(SpellPopupMenu, EntriesWithSuggestionsAndAnActiveDictionary) {
  Fixture f;
  std::string word = "hosue";
  EXPECT_EQ(f.spell->ShowPopupMenu(nullptr, TSpellPopupOptions::All(), 10, 20, word), spCancel);
  EXPECT_EQ(word, "hosue");
  EXPECT_EQ(f.spell->shown,
            (std::vector<std::string>{"house|1|7", "hose|1|7", "-|1|0", "I&gnore|1|6", "&Ignore All|1|5", "&Add|1|4",
                                      "-|1|0", "&Change All|1|0", "  house|1|3", "  hose|1|3", "A&uto Correct|1|0",
                                      "  house|1|2", "  hose|1|2", "&Spelling ...|1|1"}));
}

TEST(SpellPopupMenu, NoSuggestionsNoActiveDictionaryAndFewerOptions) {
  Fixture f("");
  ASSERT_EQ(f.spell->ReadActiveCustomDictionary(), nullptr);
  std::string word = "qqqqzz";
  f.spell->ShowPopupMenu(nullptr, TSpellPopupOptions::All(), 0, 0, word);
  EXPECT_EQ(f.spell->shown, (std::vector<std::string>{"(no suggestions)|0|0", "-|1|0", "I&gnore|1|6", "&Ignore All|1|5",
                                                      "&Add|0|4", "-|1|0", "&Spelling ...|1|1"}));
  word = "hosue";
  f.spell->ShowPopupMenu(nullptr, {spIgnore, spAutoCorrect, spChangeAll}, 0, 0, word);
  // Without spReplace no suggestions are asked for, so no submenus either.
  EXPECT_EQ(f.spell->shown, (std::vector<std::string>{"I&gnore|1|6", "-|1|0"}));
}

TEST(SpellPopupMenu, ChoicesGoToTheDictionariesAndTheListeners) {
  struct Case {
    std::vector<std::string> path;
    TSpellPopupOption result;
    std::string word;
  };
  const std::vector<Case> cases = {
      {{"hose"}, spReplace, "hose"},
      {{"&Change All", "house"}, spChangeAll, "house"},
      {{"A&uto Correct", "hose"}, spAutoCorrect, "hose"},
      {{"&Add"}, spAdd, "hosue"},
      {{"&Ignore All"}, spIgnoreAll, "hosue"},
      {{"I&gnore"}, spIgnore, "hosue"},
      {{"&Spelling ..."}, spDialog, "hosue"},
      {{}, spCancel, "hosue"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word + " " + std::to_string(c.result));
    Fixture f;
    std::vector<TSpellPopupOption> told;
    int listener = 0;
    f.spell->PopupResultListeners().Add(&listener, [&](void*) { told.push_back(f.spell->ReadPopupResult()); });
    std::string fromEvent;
    f.spell->OnPopupResult = [&](TQuillSpellBase*, const std::string& w, std::string&, TSpellPopupOption&) {
      fromEvent = w;
    };
    f.spell->clickPath = c.path;
    std::string word = "hosue";
    EXPECT_EQ(f.spell->ShowPopupMenu(nullptr, TSpellPopupOptions::All(), 0, 0, word), c.result);
    EXPECT_EQ(word, c.word);
    EXPECT_EQ(told, (std::vector<TSpellPopupOption>{c.result}));
    EXPECT_EQ(fromEvent, "hosue");
    TCustomDictionary& active = *f.spell->ReadActiveCustomDictionary();
    TCustomDictionary& ignoreAll = f.spell->ReadIgnoreAllDictionary();
    std::string replacement;
    EXPECT_EQ(active.AutoCorrectExists("hosue", replacement), c.result == spAutoCorrect);
    if (c.result == spAutoCorrect) {
      EXPECT_EQ(replacement, "hose");
    }
    EXPECT_EQ(ignoreAll.AutoCorrectExists("hosue", replacement), c.result == spChangeAll);
    if (c.result == spChangeAll) {
      EXPECT_EQ(replacement, "house");
    }
    EXPECT_EQ(active.IgnoreExists("hosue"), c.result == spAdd);
    EXPECT_EQ(ignoreAll.IgnoreExists("hosue"), c.result == spIgnoreAll);
    EXPECT_EQ(f.spell->WordAcceptable("hosue"), c.result == spAdd || c.result == spIgnoreAll);
  }
}

TEST(SpellPopupMenu, OneMenuAtATimeAndNoneForAnEmptyWord) {
  Fixture f;
  std::string empty;
  EXPECT_EQ(f.spell->ShowPopupMenu(nullptr, TSpellPopupOptions::All(), 0, 0, empty), spCancel);
  EXPECT_TRUE(f.spell->shown.empty());
  TSpellPopupOption nested = spReplace;
  f.spell->whileShown = [&] {
    EXPECT_TRUE(f.spell->ReadMenuBusy());
    std::string other = "hosue";
    nested = f.spell->ShowPopupMenu(nullptr, TSpellPopupOptions::All(), 0, 0, other);
  };
  f.spell->clickPath = {"I&gnore"};
  std::string word = "hosue";
  EXPECT_EQ(f.spell->ShowPopupMenu(nullptr, TSpellPopupOptions::All(), 0, 0, word), spIgnore);
  EXPECT_EQ(nested, spCancel);
  EXPECT_FALSE(f.spell->ReadMenuBusy());
}

TEST(SpellPopupMenu, AnOwnMenuObjectIsShownOnlyThroughItsEvents) {
  Fixture f;
  int created = 0;
  std::vector<std::string> added;
  f.spell->OnPopupCreateMenu = [&](TQuillSpellBase*, void*, std::unique_ptr<TSpellPopupMenu>& menu) {
    ++created;
    menu = std::make_unique<TSpellPopupMenu>();
  };
  f.spell->OnPopupAddMenuItem = [&](TQuillSpellBase*, TSpellPopupMenu&, TSpellMenuItem*, const std::string& caption,
                                    bool, bool, int, TSpellMenuItem*&) { added.push_back(caption); };
  std::string word = "hosue";
  f.spell->clickPath = {"&Add"};  // the standard presenter is not used
  EXPECT_EQ(f.spell->ShowPopupMenu(nullptr, {spIgnore, spAdd}, 0, 0, word), spCancel);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(added, (std::vector<std::string>{"I&gnore", "&Add", "-"}));
  f.spell->OnPopupDoMenu = [&](TQuillSpellBase*, TSpellPopupMenu&, int, int, int& tag, std::string&) { tag = spAdd; };
  EXPECT_EQ(f.spell->ShowPopupMenu(nullptr, {spIgnore, spAdd}, 0, 0, word), spAdd);
  EXPECT_TRUE(f.spell->ReadActiveCustomDictionary()->IgnoreExists("hosue"));
}

}  // namespace
}  // namespace tq::spell
