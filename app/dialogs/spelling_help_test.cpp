#include "app/dialogs/spelling_help.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/shell_open.h"
#include "spell/dialogs/custom_dictionaries_dialog.h"
#include "spell/dialogs/custom_dictionary_edit_dialog.h"
#include "spell/dialogs/dialog_script.h"
#include "spell/dialogs/spell_check_config_dialog.h"
#include "spell/dialogs/spell_dialog.h"
#include "spell/dialogs/spelling_setup_test_support.h"
#include "ui/test_host.h"

namespace tq::app {
namespace {

using spell::testing::DialogScript;
using spell::testing::FormOf;
using spell::testing::PostClick;

// Each spelling window's Help button opens the help at that window's
// section, owned by the window.
TEST(SpellingHelp, EveryHelpButtonOpensItsWindowsSection) {
  ui::testing::TestHost host;
  spell::testing::ProgramFolder folder;
  auto spell = folder.Engine();
  std::vector<std::pair<HWND, int>> opened;
  ConnectSpellingHelp(*spell.dialogs, [&](HWND owner, int context) { opened.emplace_back(owner, context); });

  std::vector<std::pair<HWND, int>> expected;
  auto help = [&](HWND window, ui::Button& button, int context) {
    EXPECT_TRUE(button.Visible()) << context;
    expected.emplace_back(window, context);
    PostClick(button.Handle());
  };
  DialogScript script;
  script.Then("Spelling Options", [&](HWND hwnd) {
    auto& form = FormOf<spell::TSpellCheckConfigDialog>(hwnd);
    help(hwnd, form.HelpButton, kSpellOptionsHelpContext);
    PostClick(form.DictionariesButton.Handle());
  });
  script.Then("Dictionaries", [&](HWND hwnd) {
    auto& form = FormOf<spell::TCustomDictionariesDialog>(hwnd);
    help(hwnd, form.HelpButton, kDictionariesHelpContext);
    form.CustomDictionaries.Select(0);
    PostClick(form.EditButton.Handle());
  });
  script.Then("Spell.adu", [&](HWND hwnd) {
    auto& form = FormOf<spell::TCustomDictionaryEditDialog>(hwnd);
    help(hwnd, form.HelpButton, kDictionaryEditHelpContext);
    PostClick(form.OK.Handle());
  });
  script.Then("Dictionaries",
              [&](HWND hwnd) { PostClick(FormOf<spell::TCustomDictionariesDialog>(hwnd).OK.Handle()); });
  script.Then("Spelling Options",
              [&](HWND hwnd) { PostClick(FormOf<spell::TSpellCheckConfigDialog>(hwnd).OK.Handle()); });
  spell->Setup(nullptr);
  ASSERT_TRUE(script.Done()) << "waiting for " << script.Waiting();

  script.Then("Spelling", [&](HWND hwnd) {
    auto& form = FormOf<spell::TSpellDialog>(hwnd);
    help(hwnd, form.HelpButton, kSpellCheckHelpContext);
    PostClick(form.CancelButton.Handle());
  });
  std::string text = "teh cat";
  spell->CheckString(text);
  EXPECT_TRUE(script.Done()) << "waiting for " << script.Waiting();
  EXPECT_EQ(opened, expected);
}

}  // namespace
}  // namespace tq::app
