// Live spelling in a real rich edit: what gets marked after a paint, the
// switches, typing correction, the spelling menu's actions (the menu answered
// through OnPopupDoMenu), replace-all, ignore-once, and the manager's watchers.
#include <gtest/gtest.h>
#include <richedit.h>

#include <memory>
#include <string>

#include "spell/engine/dictionary_test_support.h"
#include "spell/live/live_spelling.h"
#include "tests/support/temp_dir.h"
#include "ui/rich_edit.h"
#include "ui/test_host.h"

namespace tq::spell {
namespace {

using testsupport::WriteMainDictionary;

const std::string kSample = "This is teh sample with a mispeled word.";

struct Live {
  tq::testing::TempDir dir;
  fakes::FakeFacts facts;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  ui::testing::TestHost host;
  ui::RichEdit box;
  std::unique_ptr<TQuillSpellBase> spell;
  std::unique_ptr<TLiveSpelling> liveSpelling;

  explicit Live(const std::string& text = kSample) {
    WriteMainDictionary(dir.File("English.adm"),
                        {"this", "is", "a", "sample", "with", "misspelled", "word", "the", "was", "and", "x", "tea"});
    box.Create(host.form, {8, 8, 360, 200});
    box.SetPlainText(text);
    spell = std::make_unique<TQuillSpellBase>(TEngineServices{nullptr, keys.get(), &facts});
    liveSpelling = std::make_unique<TLiveSpelling>(*spell, nullptr, &host.form);
    testsupport::ConfigureTestEngine(*spell, {dir.path()}, TStringList{"English.adm"}, "Spell.adu",
                                     {soLiveSpelling, soLiveCorrect});
    spell->WriteLearnSuggestions(false);
    liveSpelling->WriteSingeLiveControl(&box);
    liveSpelling->WriteAggressiveContextMenu(true);
    host.form.Show();
  }
  TQuillRichEditSubclass& watcher(int i = 0) { return *liveSpelling->ReadWatcher(i); }
  void Paint() {
    InvalidateRect(box.Handle(), nullptr, TRUE);
    UpdateWindow(box.Handle());
  }
  std::vector<TSpellingError> Errors(int line = 0) {
    Paint();
    TLineCache* entry = watcher().ReadLineCaches().Find(line);
    return entry ? entry->Errors : std::vector<TSpellingError>{};
  }
  void Caret(int at) { box.Send(EM_SETSEL, at, at); }
  // One keystroke as the keyboard delivers it.
  void Type(const std::string& text) {
    for (char c : text) {
      const WPARAM vk = LOBYTE(VkKeyScanW(c));
      box.Send(WM_KEYDOWN, vk, 1);
      box.Send(WM_CHAR, static_cast<unsigned char>(c), 1);
      box.Send(WM_KEYUP, vk, 0xC0000001);
    }
  }
  POINT Pos(int index) {
    const LRESULT v = box.Send(EM_POSFROMCHAR, index, 0);
    return POINT{static_cast<short>(LOWORD(v)), static_cast<short>(HIWORD(v))};
  }
};

TEST(LiveRichEdit, MarksMisspeltWordsWithoutTouchingTheDocument) {
  Live live;
  const LRESULT canUndo = live.box.Send(EM_CANUNDO);
  const LRESULT modified = live.box.Send(EM_GETMODIFY);
  EXPECT_EQ(live.Errors(), (std::vector<TSpellingError>{{8, 11}, {26, 34}}));
  EXPECT_EQ(live.box.PlainText(), kSample);
  EXPECT_EQ(live.box.Send(EM_CANUNDO), canUndo);
  EXPECT_EQ(live.box.Send(EM_GETMODIFY), modified);
}

// The marked ranges are the words' UTF-16 units in the control, after an
// emoji (two units), a combining mark and a Cyrillic word (left unmarked).
TEST(LiveRichEdit, MarksInUtf16UnitsAfterCharactersBeyondTheCodePage) {
  const struct {
    std::string text;
    std::vector<TSpellingError> errors;
  } cases[] = {
      {"\xF0\x9F\x98\x80 teh and mispeled", {{3, 6}, {11, 19}}},      // 😀 teh and mispeled
      {"\xF0\x9F\x98\x80\xF0\x9F\x98\x80teh was x teh", {{14, 17}}},  // 😀😀teh: not a word to mark
      {"x\xCC\x81teh \xD0\xBA\xD0\xBE\xD1\x82 teh", {{10, 13}}},      // x́teh кот teh
  };
  for (const auto& c : cases) {
    Live live(c.text);
    live.Caret(0);
    EXPECT_EQ(live.Errors(), c.errors) << c.text;
    EXPECT_EQ(live.box.PlainText(), c.text);
  }
}

// Typing a separator after a word with a correction replaces the word's own
// units, after an emoji.
TEST(LiveRichEdit, TypingCorrectionAfterAnEmoji) {
  Live live("\xF0\x9F\x98\x80 teh");
  live.spell->ReadActiveCustomDictionary()->AddAutoCorrect("teh", "the");
  live.Caret(6);
  live.Type(" ");
  EXPECT_EQ(live.box.PlainText(), "\xF0\x9F\x98\x80 the ");
}

TEST(LiveRichEdit, WordAtTheCaretIsMarkedOnceTheCaretLeavesIt) {
  Live live("x and teh");
  live.Caret(9);
  EXPECT_TRUE(live.Errors().empty());
  EXPECT_TRUE(live.watcher().ReadLineCaches().Find(0)->Dirty);
  live.Caret(0);
  live.box.Send(WM_KEYUP, VK_HOME, 0xC0000001);  // the caret moved by a key
  EXPECT_EQ(live.Errors(), (std::vector<TSpellingError>{{6, 9}}));
}

TEST(LiveRichEdit, SwitchesFollowTheOptionsTheProgramAndReadOnly) {
  Live live;
  TQuillRichEditSubclass& w = live.watcher();
  ASSERT_TRUE(w.ReadSpellingActive());
  ASSERT_TRUE(w.ReadCorrectingActive());
  live.Errors();

  const TSpellOptions all = live.spell->Configuration().ReadSpellOptions();
  TSpellOptions noMarking = all;
  noMarking.Exclude(soLiveSpelling);
  live.spell->Configuration().WriteSpellOptions(noMarking);
  EXPECT_FALSE(w.ReadSpellingActive());
  EXPECT_TRUE(w.ReadCorrectingActive());
  EXPECT_EQ(w.ReadLineCaches().SlotCount(), 0);  // every marker goes
  live.spell->Configuration().WriteSpellOptions(all);
  EXPECT_TRUE(w.ReadSpellingActive());

  TSpellOptions noCorrection = all;
  noCorrection.Exclude(soLiveCorrect);
  live.spell->Configuration().WriteSpellOptions(noCorrection);
  EXPECT_TRUE(w.ReadSpellingActive());
  EXPECT_FALSE(w.ReadCorrectingActive());
  live.spell->Configuration().WriteSpellOptions(all);

  // The program's setting stops marking, not correction.
  live.spell->WriteLiveSpelling(false);
  EXPECT_FALSE(w.ReadSpellingActive());
  EXPECT_TRUE(w.ReadCorrectingActive());
  live.spell->WriteLiveSpelling(true);
  EXPECT_TRUE(w.ReadSpellingActive());

  live.box.Send(EM_SETREADONLY, TRUE);
  EXPECT_FALSE(w.ReadSpellingActive());
  live.box.Send(EM_SETREADONLY, FALSE);
  EXPECT_TRUE(w.ReadSpellingActive());
  EXPECT_EQ(live.Errors().size(), 2u);
}

TEST(LiveRichEdit, TypingASeparatorCorrectsTheWordAsOneUndoStep) {
  Live live("x");
  live.spell->Configuration().EnsureLoaded();
  ASSERT_NE(live.spell->ReadActiveCustomDictionary(), nullptr);
  live.spell->ReadActiveCustomDictionary()->AddAutoCorrect("teh", "the");
  live.Caret(1);
  live.Type(" teh");
  EXPECT_EQ(live.box.PlainText(), "x teh");  // letters do not correct
  live.Type(" ");
  EXPECT_EQ(live.box.PlainText(), "x the ");
  EXPECT_EQ(live.box.Selection(), (std::pair<int, int>{6, 6}));
  live.box.Send(EM_UNDO);
  EXPECT_EQ(live.box.PlainText(), "x teh ");
  // Other separators correct too; a word without a pair stays.
  live.Caret(6);
  live.Type("teh:");
  EXPECT_EQ(live.box.PlainText(), "x teh the:");
  live.Type(" zzq ");
  EXPECT_EQ(live.box.PlainText(), "x teh the: zzq ");
  // Without correction on, nothing changes.
  live.spell->WriteLiveCorrect(false);
  live.Type("teh ");
  EXPECT_EQ(live.box.PlainText(), "x teh the: zzq teh ");
}

TEST(LiveRichEdit, MenuChoicesChangeTheTextAndTheDictionaries) {
  Live live;
  live.Errors();
  std::vector<std::string> offered;
  int chosen = spReplace;
  live.spell->OnPopupDoMenu = [&](TQuillSpellBase*, TSpellPopupMenu& menu, int, int, int& tag, std::string& caption) {
    offered.clear();
    for (const auto& item : menu.Items) offered.push_back(item->Caption);
    tag = chosen;
    caption = menu.Items.front()->Caption;
  };
  const auto rightClick = [&](int index) {
    const POINT p = live.Pos(index);
    live.box.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x + 2, p.y + 4));
  };
  // A correctly spelt word: no menu.
  rightClick(0);
  EXPECT_TRUE(offered.empty());
  // Replace: the first suggestion.
  rightClick(27);
  ASSERT_FALSE(offered.empty());
  EXPECT_EQ(offered.front(), "misspelled");
  EXPECT_EQ(live.box.PlainText(), "This is teh sample with a misspelled word.");
  EXPECT_EQ(live.Errors(), (std::vector<TSpellingError>{{8, 11}}));
  // Add: into the active custom dictionary, the marker gone.
  chosen = spAdd;
  rightClick(9);
  EXPECT_TRUE(live.spell->ReadActiveCustomDictionary()->IgnoreExists("teh"));
  EXPECT_TRUE(live.Errors().empty());
}

TEST(LiveRichEdit, ChangeAllReplacesExactOccurrencesOnly) {
  Live live("teh a teh b Teh teh");
  live.box.Send(EM_SETSEL, 2, 3);
  live.watcher().SearchAndReplace("teh", "the");
  EXPECT_EQ(live.box.PlainText(), "the a the b Teh the");
  EXPECT_EQ(live.box.Selection(), (std::pair<int, int>{2, 3}));
  EXPECT_FALSE(live.watcher().ReadBusy());
}

TEST(LiveRichEdit, IgnoreOnceOnlyAfterTheSamePrecedingWord) {
  Live live("is teh. was teh.");
  EXPECT_EQ(live.Errors(), (std::vector<TSpellingError>{{3, 6}, {12, 15}}));
  live.box.Send(EM_SETSEL, 3, 6);
  live.watcher().IgnoreWord(iwIgnore);
  EXPECT_EQ(live.Errors(), (std::vector<TSpellingError>{{12, 15}}));
  EXPECT_TRUE(live.watcher().WordOK("teh", "is"));
  EXPECT_FALSE(live.watcher().WordOK("teh", "was"));
}

TEST(LiveSpellManager, WatchersFollowWindowsAndFocus) {
  Live live;
  ui::RichEdit second;
  second.Create(live.host.form, {8, 220, 360, 60});
  second.SetPlainText("teh");
  live.liveSpelling->AddControl(&second);
  live.liveSpelling->AddControl(&second);  // once only
  ASSERT_EQ(live.liveSpelling->ReadWatcherCount(), 2);

  // Only the focused control is marked; the focus moves the marking.
  live.liveSpelling->WriteAutospellOnlyFocused(true);
  second.SetFocus();
  live.liveSpelling->OnTimer();
  EXPECT_FALSE(live.watcher(0).ReadSpellingActive());
  EXPECT_TRUE(live.watcher(1).ReadSpellingActive());
  live.box.SetFocus();
  live.liveSpelling->OnTimer();
  EXPECT_TRUE(live.watcher(0).ReadSpellingActive());
  EXPECT_FALSE(live.watcher(1).ReadSpellingActive());
  live.liveSpelling->WriteAutospellOnlyFocused(false);

  // A re-created window is watched again within one tick.
  live.box.Destroy();
  EXPECT_EQ(live.watcher(0).ReadHWND(), nullptr);
  live.box.Create(live.host.form, {8, 8, 360, 200});
  live.box.SetPlainText(kSample);
  live.liveSpelling->OnTimer();
  EXPECT_EQ(live.watcher(0).ReadHWND(), live.box.Handle());
  EXPECT_EQ(live.watcher(0).ReadSubclassedWindow(), live.box.Handle());
  EXPECT_EQ(live.Errors().size(), 2u);

  // Removing a control whose window went first.
  second.Destroy();
  live.liveSpelling->Notification(&second);
  EXPECT_EQ(live.liveSpelling->ReadWatcherCount(), 1);
}

}  // namespace
}  // namespace tq::spell
