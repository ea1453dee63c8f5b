// QuilletSpellHost: a window with an edit and a rich edit whose text the
// end-to-end tests check with the spell-check dialog, as the reply dialog
// does. "Check &Edit" and "Check &Rich" start a check run; after each run the
// host writes what the user got into the folder it was given: edit.txt (the
// edit's text), rich.rtf (the rich edit as RTF) and runs.txt (how many runs
// have ended).
//
//   QuilletSpellHost FOLDER [--language N] [--rtf FILE] [--smart] [--modal]
//
// --smart checks as the smart check type does (the selection, then the
// question whether to check the rest; from the caret without one); --modal
// shows the dialog modally.
//
// FOLDER holds the main dictionary English.adm (compiled from a small word
// list when missing) and the custom dictionary mine.adu.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/env.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/engine/dictionary_compiler.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/rich_edit.h"

namespace {

using namespace tq;

const std::vector<std::string> kWords = {"the",    "cat",  "sat",   "on",     "mat", "a",    "dog",  "ran",
                                         "and",    "then", "house", "dear",   "sir", "word", "here", "reply",
                                         "thanks", "for",  "your",  "letter", "we",  "will", "send", "it"};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class HostForm : public ui::Form {
 public:
  HostForm(ui::Application& app, std::string folder, spell::TSpellLanguageType language, spell::TCheckType checkType,
           bool modal)
      : folder_(std::move(folder)), checkType_(checkType) {
    Create({.caption = "Quillet Spell Host",
            .width = 520,
            .height = 420,
            .defaultPosition = false,
            .x = 40,
            .y = 30,
            .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
            .owner = app.Handle()});
    edit.Create(*this, {8, 8, 490, 150}, {.multiLine = true, .vScroll = true});
    rich.Create(*this, {8, 166, 490, 150});
    checkEdit.Create(*this, {8, 326, 120, 25}, "Check &Edit");
    checkRich.Create(*this, {136, 326, 120, 25}, "Check &Rich");
    checkEdit.onClick = [this] { Check(edit); };
    checkRich.onClick = [this] { Check(rich); };

    spell.BeginLoading();
    spell.WriteConfigStorage(spell::csNone);
    spell::TStringList dirs;
    dirs.Assign({folder_});
    spell.WriteConfigDictionaryDir(dirs);
    spell.ConfigDefaultMain = spell::TStringList{"English.adm"};
    spell.ConfigDefaultActiveCustom = "mine.adu";
    spell.ConfigDefaultOptions = spell::TSpellOptions{spell::soRepeated};
    spell.AllowedCases = spell::cmInitialCaps;
    spell.UILanguage = language;
    spell.DialogShowModal = modal;
    spell.EndLoading();
  }

  ui::Edit edit;
  ui::RichEdit rich;
  ui::Button checkEdit, checkRich;
  spell::TQuillSpellBase spell;
  spell::TSpellDialogs dialogs{spell};

 protected:
  bool OnClose() override {
    ui::Application::Terminate(0);
    return true;
  }

 private:
  void Check(ui::Wnd& control) {
    dialogs.CheckWinControl(&control, checkType_);
    WriteFile(folder_ + "\\edit.txt", edit.Text());
    WriteFile(folder_ + "\\rich.rtf", rich.Rtf());
    WriteFile(folder_ + "\\runs.txt", std::to_string(++runs_));
  }

  std::string folder_;
  spell::TCheckType checkType_;
  int runs_ = 0;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  const std::string folder = __argv[1];
  spell::TSpellLanguageType language = spell::ltEnglish;
  std::string rtfFile;
  spell::TCheckType checkType = spell::ctAll;
  bool modal = false;
  for (int i = 2; i < __argc; ++i) {
    const std::string option = __argv[i];
    const bool valued = i + 1 < __argc;
    if (option == "--language" && valued) language = static_cast<spell::TSpellLanguageType>(std::atoi(__argv[++i]));
    if (option == "--rtf" && valued) rtfFile = __argv[++i];
    if (option == "--smart") checkType = spell::ctSmart;
    if (option == "--modal") modal = true;
  }
  const std::string adm = folder + "\\English.adm";
  if (GetFileAttributesA(adm.c_str()) == INVALID_FILE_ATTRIBUTES) {
    spell::TCompileOptions options;
    options.title = "English";
    options.language = 1033;
    std::string image, error;
    if (!spell::CompileMainDictionary(kWords, options, &image, nullptr, &error)) return 3;
    WriteFile(adm, image);
  }

  ui::Application app("Quillet Spell Host Application");
  HostForm form(app, folder, language, checkType, modal);
  if (!rtfFile.empty()) form.rich.SetRtf(ReadFile(rtfFile));
  form.Show();
  return app.Run();
}
