// Every caption of the options and dictionary dialogs fits its control, in
// every interface language, at the screen's DPI (the test runs at 96 dpi
// here and at 144 dpi in the end-to-end caption_fit test).
#include "ui/caption_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spell/dialogs/custom_dictionaries_dialog.h"
#include "spell/dialogs/custom_dictionary_edit_dialog.h"
#include "spell/dialogs/new_custom_dictionary.h"
#include "spell/dialogs/spell_check_config_dialog.h"
#include "spell/dialogs/spelling_setup_test_support.h"
#include "ui/test_host.h"

namespace tq::spell {
namespace {

using testing::ProgramFolder;

std::string Cut(HWND form) {
  std::string all;
  for (const std::string& cut : ui::CutCaptions(form)) all += "\n  " + cut;
  return all;
}

TEST(CaptionFit, TheOptionsAndDictionaryDialogsInEveryLanguage) {
  ProgramFolder folder;
  auto spell = folder.Engine();
  spell->CreateNewCustomDictionary("Work.adu");
  auto work = spell->GetCustomDictionary("Work.adu");
  ASSERT_TRUE(work);
  for (int language = 0; language < kSpellLanguageCount; ++language) {
    ui::testing::TestHost host;
    spell->UILanguage = static_cast<TSpellLanguageType>(language);
    {
      TSpellCheckConfigDialog form(host.form.Handle());
      spell.dialogs->SetupDialogControl(&form, nullptr);
      form.Show();
      EXPECT_EQ(Cut(form.Handle()), "") << "the options, language " << language;
      RECT screen{};
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
      EXPECT_LE(form.Bounds().width, screen.right - screen.left) << "language " << language;
    }
    {
      TCustomDictionariesDialog form(host.form.Handle());
      spell.dialogs->SetupDialogControl(&form, nullptr);
      form.Show();
      EXPECT_EQ(Cut(form.Handle()), "") << "the dictionaries, language " << language;
    }
    {
      TNewCustomDictionary form(host.form.Handle());
      spell.dialogs->SetupDialogControl(&form, nullptr);
      form.Show();
      EXPECT_EQ(Cut(form.Handle()), "") << "the new dictionary, language " << language;
    }
    {
      TCustomDictionaryEditDialog form(host.form.Handle());
      spell.dialogs->SetupDialogControl(&form, work.get());
      form.Show();
      for (int page = 0; page < form.PageControl.PageCount(); ++page) {
        form.PageControl.SetActivePage(page);
        EXPECT_EQ(Cut(form.Handle()), "") << "the dictionary's words, page " << page << ", language " << language;
      }
    }
  }
}

}  // namespace
}  // namespace tq::spell
