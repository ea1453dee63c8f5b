// Shows one of the spelling options and dictionary dialogs over a sample
// program folder for a few seconds, so it can be looked at (and
// photographed) without the rest of the program:
//   setup_dialogs_preview options|dictionaries|edit|edit-pairs|new [seconds] [language]
// where language is a TSpellLanguageType number (0 English ... 12 French).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/core/spell_settings.h"
#include "platform/utf16.h"
#include "spell/dialogs/custom_dictionaries_dialog.h"
#include "spell/dialogs/custom_dictionary_edit_dialog.h"
#include "spell/dialogs/new_custom_dictionary.h"
#include "spell/dialogs/spell_check_config_dialog.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/engine/dictionary_compiler.h"
#include "ui/application.h"
#include "ui/test_host.h"

namespace {

using namespace tq;

void RunFor(int seconds) {
  ui::testing::PumpUntil([] { return false; }, std::chrono::seconds(seconds));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string which = __argc > 1 ? __argv[1] : "options";
  const int seconds = __argc > 2 ? std::atoi(__argv[2]) : 5;
  ui::Application app("Tavrin Quillet");
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = platform::Utf8(temp) + "tq_spell_preview";
  CreateDirectoryW(platform::Wide(folder).c_str(), nullptr);
  spell::TCompileOptions options;
  options.title = "American English";
  options.language = 1033;
  std::string image, error;
  spell::CompileMainDictionary({"the", "cat", "sat"}, options, &image, nullptr, &error);
  platform::WriteWholeFile(platform::Env::Default(), folder + "\\American.adm", image);
  options.title = "British English";
  spell::CompileMainDictionary({"colour", "favour"}, options, &image, nullptr, &error);
  platform::WriteWholeFile(platform::Env::Default(), folder + "\\British.adm", image);

  spell::TQuillSpellBase engine;
  spell::TSpellDialogs dialogs(engine);
  app::SpellingPlaces places = app::ChooseSpellingPlaces(platform::Env::Default(), folder, "");
  app::ApplySpellSettings(engine, places);
  if (__argc > 3) engine.UILanguage = static_cast<spell::TSpellLanguageType>(std::atoi(__argv[3]));
  engine.Configuration().EnsureLoaded();
  engine.CreateNewCustomDictionary("Work.adu");
  engine.ReadIgnoreAllDictionary().AddIgnore("zorp");
  auto work = engine.GetCustomDictionary("Work.adu");
  for (const char* w : {"Morvane", "Quillet", "Tavrin", "webinar"}) work->AddIgnore(w);
  work->AddAutoCorrect("teh", "the");
  work->AddAutoCorrect("recieve", "receive");
  work->AddAutoCorrect("adn", "and");
  work->AddExclude("alot");

  if (which == "options") {
    spell::TSpellCheckConfigDialog form(app.Handle());
    dialogs.SetupDialogControl(&form, nullptr);
    form.Show();
    RunFor(seconds);
  } else if (which == "dictionaries") {
    spell::TCustomDictionariesDialog form(app.Handle());
    dialogs.SetupDialogControl(&form, nullptr);
    form.Show();
    form.CustomDictionaries.Select(2);
    RunFor(seconds);
  } else if (which == "new") {
    spell::TNewCustomDictionary form(app.Handle());
    dialogs.SetupDialogControl(&form, nullptr);
    form.NameEdit.SetText("Projects");
    form.Show();
    RunFor(seconds);
  } else {
    spell::TCustomDictionaryEditDialog form(app.Handle());
    dialogs.SetupDialogControl(&form, work.get());
    form.Show();
    if (which == "edit-pairs") {
      form.PageControl.SetActivePage(1);
      form.AutoCorrectWordsSheetShow();
      form.AutoCorrectList.Select(1);
    }
    RunFor(seconds);
  }
  return 0;
}
