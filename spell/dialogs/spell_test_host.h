// For the spelling dialogs' window tests: an engine with its dialogs over a small English
// main dictionary and a custom dictionary in a fresh folder, a host form with
// an edit and a rich edit, and a script of dialog actions that runs one
// action at each stop of a check run (through posted window messages, as the
// user's clicks arrive), cancelling when the script has run out.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/key_store.h"
#include "spell/dialogs/spell_dialog.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/engine/dictionary_test_support.h"
#include "spell/engine/engine_test_support.h"
#include "tests/support/temp_dir.h"
#include "ui/edit.h"
#include "ui/rich_edit.h"
#include "ui/test_host.h"

namespace tq::spell::testsupport {

inline const std::vector<std::string> kHostWords = {"the", "cat",  "sat",   "on",   "mat", "a",    "dog", "ran",
                                                    "and", "then", "house", "dear", "sir", "word", "here"};

// Presses a button the way a click does, once the current handler returns.
inline void PostClick(ui::Button& button) { PostMessageW(button.Handle(), BM_CLICK, 0, 0); }

struct SpellHost {
  using Action = std::function<void(TSpellDialog&)>;

  ::tq::testing::TempDir dir;
  fakes::FakeFacts facts;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  std::unique_ptr<TQuillSpellBase> spell;
  std::unique_ptr<TSpellDialogs> dialogs;
  ui::testing::TestHost host;
  ui::Edit edit;
  ui::RichEdit rich;
  std::deque<Action> script;
  std::vector<std::string> stops;
  int endMessages = 0;

  explicit SpellHost(TSpellOptions options = {}, std::unique_ptr<TQuillSpellBase> engine = nullptr) {
    WriteMainDictionary(dir.File("English.adm"), kHostWords, 1033);
    spell =
        engine ? std::move(engine) : std::make_unique<TQuillSpellBase>(TEngineServices{nullptr, keys.get(), &facts});
    dialogs = std::make_unique<TSpellDialogs>(*spell);
    TQuillSpellBase& s = *spell;
    s.BeginLoading();
    s.WriteConfigStorage(csNone);
    TStringList dirs;
    dirs.Assign({dir.path()});
    s.WriteConfigDictionaryDir(dirs);
    s.ConfigDefaultMain = TStringList{"English.adm"};
    s.ConfigDefaultActiveCustom = "mine.adu";
    s.ConfigDefaultOptions = options;
    s.EndLoading();
    s.Configuration().EnsureLoaded();
    s.WriteLearnSuggestions(false);
    s.AllowedCases = cmInitialCaps;
    s.OnShowEndMessage = [this](TQuillSpellBase*) { ++endMessages; };
    s.OnPromptWord = [this](TQuillSpellBase*, const std::string& word, bool repeated) {
      stops.push_back(repeated ? "[" + word + "]" : word);
      TSpellDialog* dialog = Dialog();
      if (!dialog) return;
      if (script.empty()) {
        PostClick(dialog->CancelButton);
        return;
      }
      Action next = std::move(script.front());
      script.pop_front();
      next(*dialog);
    };
    host.form.SetBounds({100, 100, 420, 330});
    edit.Create(host.form, {8, 8, 390, 120}, {.multiLine = true, .vScroll = true});
    rich.Create(host.form, {8, 140, 390, 140});
    host.form.Show();
  }

  TSpellDialog* Dialog() const { return dynamic_cast<TSpellDialog*>(dialogs->ReadDialogForm()); }
  SpellHost& Then(Action action) {
    script.push_back(std::move(action));
    return *this;
  }
  // A click on one of the dialog's buttons.
  SpellHost& Click(ui::Button TSpellDialog::*button) {
    return Then([button](TSpellDialog& d) { PostClick(d.*button); });
  }
  // Types a replacement, then clicks.
  SpellHost& Replace(const std::string& text, ui::Button TSpellDialog::*button) {
    return Then([text, button](TSpellDialog& d) {
      d.ReplaceWithEdit.SetText(text);
      PostClick(d.*button);
    });
  }
  std::string CheckEdit(const std::string& text) {
    edit.SetText(text);
    dialogs->CheckWinControl(&edit, ctAll);
    return edit.Text();
  }
};

}  // namespace tq::spell::testsupport
