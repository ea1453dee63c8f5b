#include "spell/dialogs/spell_check_config_dialog.h"

#include <gtest/gtest.h>

#include "spell/dialogs/dialog_script.h"
#include "spell/dialogs/spelling_setup_test_support.h"
#include "ui/test_host.h"

namespace tq::spell {
namespace {

using testing::DialogScript;
using testing::PostClick;
using testing::ProgramFolder;

TSpellCheckConfigDialog& OptionsDialog(HWND hwnd) { return testing::FormOf<TSpellCheckConfigDialog>(hwnd); }

TEST(SpellCheckConfigDialog, ShowsTheProgramsOptionsAndDictionaries) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  auto spell = folder.Engine();
  DialogScript script;
  script.Then("Spelling Options", [&](HWND hwnd) {
    TSpellCheckConfigDialog& form = OptionsDialog(hwnd);
    // Eleven options are offered; the ten boxes take the first ten, and
    // thorough suggestions follow them.
    const char* const expected[] = {"Check spelling as you type",
                                    "Correct spelling errors as you type",
                                    "Ignore words in &UPPERCASE",
                                    "Ignore words containing numbers",
                                    "Ignore &markup languages (HTML, XML, etc)",
                                    "Ignore Internet addresses",
                                    "Ignore quoted lines",
                                    "Ignore abbreviations",
                                    "Suggest from main dictionaries only",
                                    "Prompt on repeated word",
                                    "&Thorough suggestions"};
    const bool checked[] = {true, true, false, false, false, true, false, true, false, true, true};
    for (int i = 0; i < 11; ++i) {
      EXPECT_EQ(form.Options[i].Text(), expected[i]);
      EXPECT_TRUE(form.Options[i].Visible());
      EXPECT_EQ(form.Options[i].Checked(), checked[i]) << expected[i];
      EXPECT_EQ(form.OptionTag(i), i < 10 ? i : soThoroughSuggestions);
    }
    EXPECT_EQ(form.ClientRect().height, form.Scale(413));
    EXPECT_EQ(form.ClientRect().width, form.Scale(320));
    const std::pair<ui::Wnd*, const char*> captions[] = {
        {&form, "Spelling Options"},
        {&form.OptionsGroup, " O&ptions: "},
        {&form.DictionariesGroup, " D&ictionaries: "},
        {&form.CustomLabel, "&Custom Dictionary:"},
        {&form.DictionariesButton, "&Dictionaries ..."},
        {&form.ResetButton, "Reset Defaults"},
        {&form.OK, "&OK"},
    };
    for (const auto& [control, caption] : captions) EXPECT_EQ(control->Text(), caption);
    // No help file: the Help button is hidden; everything else is there,
    // the list at its designed height.
    EXPECT_FALSE(form.HelpButton.Visible());
    for (ui::Wnd* shown : std::initializer_list<ui::Wnd*>{&form.MainDictionaries, &form.CustomLabel, &form.CustomCombo,
                                                         &form.DictionariesButton, &form.ResetButton, &form.OK})
      EXPECT_TRUE(shown->Visible());
    EXPECT_EQ(form.MainDictionaries.Bounds().height, form.Scale(97));
    EXPECT_EQ(form.DictionariesGroup.Bounds().height, form.Scale(161));
    ASSERT_EQ(form.MainDictionaries.Count(), 2);
    EXPECT_EQ(form.MainDictionaries.Text(0, 0), "American English");
    EXPECT_EQ(form.MainDictionaries.Text(0, 1), "American.adm");
    EXPECT_TRUE(form.MainDictionaries.Checked(0));
    EXPECT_EQ(form.MainDictionaries.Text(1, 0), "Locate Dictionaries...");
    EXPECT_EQ(form.MainDictionaries.Text(1, 1), "");
    EXPECT_FALSE(form.MainDictionaries.Checked(1));
    ASSERT_EQ(form.CustomCombo.Count(), 1);
    EXPECT_EQ(form.CustomCombo.ItemText(0), "Spell.adu");
    EXPECT_EQ(form.CustomCombo.SelectedIndex(), 0);
    PostClick(form.OK.Handle());
  });
  spell->Setup(nullptr);
  EXPECT_TRUE(script.Done()) << "waiting for " << script.Waiting();
}

TEST(SpellCheckConfigDialog, FewerOptionsMakeAShorterDialog) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  auto spell = folder.Engine();
  spell->ConfigAvailableOptions = TSpellOptions{soUpcase, soNumbers, soRepeated};
  DialogScript script;
  script.Then("Spelling Options", [&](HWND hwnd) {
    TSpellCheckConfigDialog& form = OptionsDialog(hwnd);
    EXPECT_EQ(form.ClientRect().height, form.Scale(413 - 7 * 16));
    EXPECT_EQ(form.Options[2].Text(), "Prompt on repeated word");
    EXPECT_EQ(form.OptionTag(2), soRepeated);
    EXPECT_EQ(form.Options[3].Text(), "&Thorough suggestions");
    EXPECT_EQ(form.OptionTag(3), soThoroughSuggestions);
    EXPECT_TRUE(form.Options[3].Visible());
    EXPECT_FALSE(form.Options[4].Visible());
    EXPECT_EQ(form.OptionTag(4), -1);
    // The rest moved up with the options group's bottom edge.
    EXPECT_EQ(form.DictionariesGroup.Bounds().y, form.Scale(216 - 7 * 16));
    EXPECT_EQ(form.OK.Bounds().y + form.OK.Bounds().height, form.ClientRect().height - form.Scale(6));
    PostClick(form.OK.Handle());
  });
  spell->Setup(nullptr);
  EXPECT_TRUE(script.Done());
}

// Every change reaches the engine while the dialog is open and is in
// Spell.cfg after the program ends; the next start reads it back.
TEST(SpellCheckConfigDialog, ChangesTakeEffectAtOnceAndSurviveARestart) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  {
    TCustomDictionary work;
    work.WriteFilename(folder.File("Work.adu"));
    work.AddIgnore("quokka");
    work.Save();
  }
  {
    auto spell = folder.Engine();
    ASSERT_TRUE(spell->ReadRepeatedWords());
    ASSERT_TRUE(spell->WordExists("cat"));
    spell->ReadAvailableCustom();
    DialogScript script;
    script.Then("Spelling Options", [&](HWND hwnd) {
      TSpellCheckConfigDialog& form = OptionsDialog(hwnd);
      form.Options[9].Send(BM_CLICK);  // Prompt on repeated word: off
      EXPECT_FALSE(spell->ReadRepeatedWords());
      form.Options[2].Send(BM_CLICK);  // Ignore words in UPPERCASE: on
      EXPECT_TRUE(spell->Configuration().ReadSpellOptions().Contains(soUpcase));

      // Unchecking the only main dictionary leaves none; checking it again brings it back.
      form.MainDictionaries.SetChecked(0, false);
      EXPECT_EQ(spell->Configuration().ReadMainDictionaries().Count(), 0);
      EXPECT_FALSE(spell->WordExists("cat"));
      form.MainDictionaries.SetChecked(0, true);
      EXPECT_TRUE(spell->WordExists("cat"));
      // The browse row never stays checked; with no folder chosen nothing changes.
      spell->OnShowAddDictionaryDir = [](TQuillSpellBase*, void*, std::string& chosen) { chosen.clear(); };
      form.MainDictionaries.SetChecked(1, true);
      EXPECT_FALSE(form.MainDictionaries.Checked(1));
      EXPECT_EQ(form.MainDictionaries.Count(), 2);

      // The active custom dictionary.
      ASSERT_EQ(form.CustomCombo.Count(), 2);
      const int work = form.CustomCombo.ItemText(0) == "Work.adu" ? 0 : 1;
      form.CustomCombo.SetSelectedIndex(work);
      form.Send(WM_COMMAND, MAKEWPARAM(form.CustomCombo.Id(), CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(form.CustomCombo.Handle()));
      ASSERT_NE(spell->ReadActiveCustomDictionary(), nullptr);
      EXPECT_EQ(spell->ReadActiveCustomDictionary()->ReadFilename(), folder.File("Work.adu"));
      EXPECT_TRUE(spell->WordExists("quokka"));
      PostClick(form.OK.Handle());
    });
    spell->Setup(nullptr);
    EXPECT_TRUE(script.Done());
  }
  EXPECT_EQ(testing::FileText(folder.File("Spell.cfg")),
            "[alice]\r\n"
            "_FirstRun=+\r\n"
            "_Main_count=1\r\n"
            "_Main_0=American.adm\r\n"
            "_Custom_count=2\r\n"
            "_Custom_0=Spell.adu\r\n"
            "_Custom_1=Work.adu\r\n"
            "_MSWordCustom_count=0\r\n"
            "_ActiveCustom=Work.adu\r\n"
            "_soUpcase=+\r\n"
            "_soNumbers=-\r\n"
            "_soHTML=-\r\n"
            "_soInternet=+\r\n"
            "_soQuoted=-\r\n"
            "_soAbbreviations=+\r\n"
            "_soPrimaryOnly=-\r\n"
            "_soRepeated=-\r\n"
            "_soDUalCaps=-\r\n"
            "_soLiveSpelling=+\r\n"
            "_soLiveCorrect=+\r\n"
            "_soUser1=-\r\n"
            "_soUser2=-\r\n"
            "_soUser3=-\r\n"
            "_soUser4=-\r\n"
            "_soThoroughSuggestions=+\r\n"
            "_DialogX=-1\r\n"
            "_DialogY=-1\r\n"
            "_NewPaths_count=0\r\n"
            "_UserData_count=0\r\n");
  auto restarted = folder.Engine();
  EXPECT_FALSE(restarted->ReadRepeatedWords());
  ASSERT_NE(restarted->ReadActiveCustomDictionary(), nullptr);
  EXPECT_EQ(restarted->ReadActiveCustomDictionary()->ReadFilename(), folder.File("Work.adu"));
}

// A new configuration has thorough suggestions (a word two slips away from
// any other is given some). Clearing the box turns them off for the running
// engine and in Spell.cfg; the next start shows it clear, and checking it
// turns them on again.
TEST(SpellCheckConfigDialog, TheThoroughSuggestionsBoxSetsAndClearsItsOption) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  const auto suggestions = [](TQuillSpellBase& spell) {
    std::vector<std::string> list;
    EXPECT_FALSE(spell.WordExists("xqt"));  // opens the dictionaries
    spell.InternalSuggest("xqt", 5, list);
    return list;
  };
  const std::vector<std::string> specified, thorough{"cat", "sat", "mat"};
  const auto cfgLine = [&] {
    const std::string text = testing::FileText(folder.File("Spell.cfg"));
    const size_t at = text.find("_soThoroughSuggestions=");
    return at == std::string::npos ? text : text.substr(at, text.find("\r\n", at) + 2 - at);
  };
  for (const bool turnOn : {false, true}) {
    auto spell = folder.Engine();
    EXPECT_EQ(suggestions(*spell), turnOn ? specified : thorough);
    DialogScript script;
    script.Then("Spelling Options", [&](HWND hwnd) {
      TSpellCheckConfigDialog& form = OptionsDialog(hwnd);
      ui::CheckBox& box = form.Options[10];
      ASSERT_EQ(form.OptionTag(10), soThoroughSuggestions);
      EXPECT_EQ(box.Checked(), !turnOn);
      box.Send(BM_CLICK);
      EXPECT_EQ(box.Checked(), turnOn);
      EXPECT_EQ(spell->Configuration().ReadSpellOptions().Contains(soThoroughSuggestions), turnOn);
      EXPECT_EQ(suggestions(*spell), turnOn ? thorough : specified);
      PostClick(form.OK.Handle());
    });
    spell->Setup(nullptr);
    EXPECT_TRUE(script.Done());
    spell.reset();
    EXPECT_EQ(cfgLine(), turnOn ? "_soThoroughSuggestions=+\r\n" : "_soThoroughSuggestions=-\r\n");
  }
}

TEST(SpellCheckConfigDialog, AFolderChosenInTheBrowserAddsItsDictionaries) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  tq::testing::TempDir more;
  testing::WriteDictionary(more.File("British.adm"), "British English", {"colour", "favour"});
  auto spell = folder.Engine();
  int asked = 0;
  spell->OnShowAddDictionaryDir = [&](TQuillSpellBase*, void*, std::string& chosen) {
    ++asked;
    chosen = more.path();
  };
  DialogScript script;
  script.Then("Spelling Options", [&](HWND hwnd) {
    TSpellCheckConfigDialog& form = OptionsDialog(hwnd);
    form.MainDictionaries.SetChecked(1, true);  // "Locate Dictionaries..."
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(form.MainDictionaries.Count(), 3);
    EXPECT_EQ(form.MainDictionaries.Text(1, 0), "British English");
    EXPECT_EQ(form.MainDictionaries.Text(1, 1), "British.adm");
    EXPECT_FALSE(form.MainDictionaries.Checked(1));
    EXPECT_EQ(form.MainDictionaries.Text(2, 0), "Locate Dictionaries...");
    EXPECT_FALSE(form.MainDictionaries.Checked(2));
    form.MainDictionaries.SetChecked(1, true);
    EXPECT_TRUE(spell->WordExists("colour"));
    // Reset Defaults: the default main dictionary and options again, all areas refreshed.
    form.Options[0].Send(BM_CLICK);
    form.ResetButton.Send(BM_CLICK);
    EXPECT_TRUE(form.Options[0].Checked());
    EXPECT_TRUE(form.MainDictionaries.Checked(0));
    EXPECT_FALSE(form.MainDictionaries.Checked(1));
    EXPECT_FALSE(spell->WordExists("colour"));
    EXPECT_EQ(form.CustomCombo.ItemText(form.CustomCombo.SelectedIndex()), "Spell.adu");
    PostClick(form.OK.Handle());
  });
  spell->Setup(nullptr);
  EXPECT_TRUE(script.Done());
}

}  // namespace
}  // namespace tq::spell
