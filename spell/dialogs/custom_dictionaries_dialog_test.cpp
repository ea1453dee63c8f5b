#include "spell/dialogs/custom_dictionaries_dialog.h"

#include <gtest/gtest.h>

#include "spell/dialogs/custom_dictionary_edit_dialog.h"
#include "spell/dialogs/dialog_script.h"
#include "spell/dialogs/new_custom_dictionary.h"
#include "spell/dialogs/spelling_setup_test_support.h"
#include "ui/test_host.h"
#include "ui/test_message_boxes.h"

namespace tq::spell {
namespace {

using platform::Env;
using testing::DialogScript;
using testing::FormOf;
using testing::PostClick;
using testing::ProgramFolder;

std::vector<std::string> Captions(const ui::RowListView& list) {
  std::vector<std::string> captions;
  for (int row = 0; row < list.Count(); ++row) captions.push_back(list.Text(row));
  return captions;
}

// The words of a dictionary file as another program would read them.
struct DictionaryFile {
  std::vector<std::string> added, excluded, pairs;  // pairs as "word>replacement"
};
DictionaryFile ReadDictionaryFile(const std::string& path) {
  TCustomDictionary d;
  d.WriteFilename(path);
  DictionaryFile f;
  std::string word, replacement;
  for (int i = 0; i < d.ReadIgnoreCount(); ++i) d.GetIgnoreWord(i, word), f.added.push_back(word);
  for (int i = 0; i < d.ReadExcludeCount(); ++i) d.GetExcludeWord(i, word), f.excluded.push_back(word);
  for (int i = 0; i < d.ReadAutoCorrectCount(); ++i)
    d.GetAutoCorrectWord(i, word, replacement), f.pairs.push_back(word + ">" + replacement);
  return f;
}

// The caption of row edited in place to text, as the user types it and presses Enter.
void RenameInPlace(ui::RowListView& list, int row, const std::string& text) {
  list.EditCaption(row);
  HWND edit = reinterpret_cast<HWND>(list.Send(LVM_GETEDITCONTROL));
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, platform::Wide(text).c_str());
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(edit, WM_CHAR, '\r', 0);
}

void TypeInto(ui::Edit& edit, const std::string& text) { edit.SetText(text); }

// A user's custom dictionary from its creation to its deletion, with the
// files and the configuration checked after each step.
TEST(CustomDictionariesDialog, CreateFillRenameAndDeleteADictionary) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  auto spell = folder.Engine();
  TQuillConfig& config = spell->Configuration();
  DialogScript script;
  script.Then("Dictionaries", [&](HWND hwnd) {
    auto& form = FormOf<TCustomDictionariesDialog>(hwnd);
    EXPECT_EQ(form.CustomGroup.Text(), " Custom Dictionaries: ");
    EXPECT_EQ(form.EditButton.Text(), "&Edit");
    EXPECT_EQ(form.DeleteButton.Text(), "&Delete");
    EXPECT_EQ(form.NewButton.Text(), "&New");
    EXPECT_EQ(form.OK.Text(), "&OK");
    EXPECT_FALSE(form.HelpButton.Visible());
    EXPECT_FALSE(form.EditButton.Enabled());
    EXPECT_FALSE(form.DeleteButton.Enabled());
    EXPECT_EQ(Captions(form.CustomDictionaries), std::vector<std::string>{"Spell.adu"});
    EXPECT_TRUE(form.CustomDictionaries.Checked(0));
    PostClick(form.NewButton.Handle());
  });
  script.Then("New Custom Dictionary", [&](HWND hwnd) {
    auto& name = FormOf<TNewCustomDictionary>(hwnd);
    EXPECT_EQ(name.EditLabel.Text(), "&Enter the new custom dictionary name:");
    EXPECT_EQ(name.OKButton.Text(), "&OK");
    EXPECT_EQ(name.CancelButton.Text(), "Cancel");
    // Another extension and a folder: the bare name with ".adu".
    name.NameEdit.SetText("C:\\Somewhere\\Work.txt");
    PostClick(name.OKButton.Handle());
  });
  script.Then("Dictionaries", [&](HWND hwnd) {
    auto& form = FormOf<TCustomDictionariesDialog>(hwnd);
    ASSERT_TRUE(Env::Default().FileExists(folder.File("Work.adu")));
    EXPECT_TRUE(config.ReadCustomDictionaries().Contains("Work.adu"));
    const int row = form.CustomDictionaries.FocusedRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(form.CustomDictionaries.Text(row), "Work.adu");
    EXPECT_TRUE(form.CustomDictionaries.Checked(row));
    EXPECT_EQ(GetFocus(), form.CustomDictionaries.Handle());
    EXPECT_TRUE(form.EditButton.Enabled());
    EXPECT_TRUE(form.DeleteButton.Enabled());
    PostClick(form.EditButton.Handle());
  });
  script.Then("Work.adu", [&](HWND hwnd) {
    auto& edit = FormOf<TCustomDictionaryEditDialog>(hwnd);
    TypeInto(edit.IgnoreEdit, "quokka");
    edit.AddIgnoreButton.Send(BM_CLICK);
    EXPECT_EQ(edit.IgnoreList.Count(), 1);
    EXPECT_FALSE(edit.AddIgnoreButton.Enabled());
    edit.PageControl.SetActivePage(1);
    edit.AutoCorrectWordsSheetShow();
    TypeInto(edit.ReplaceEdit, "teh");
    TypeInto(edit.WithEdit, "the");
    edit.AddAutoCorrectButton.Send(BM_CLICK);
    EXPECT_EQ(edit.AutoCorrectList.Count(), 1);
    PostClick(edit.OK.Handle());
  });
  script.Then("Dictionaries", [&](HWND hwnd) {
    auto& form = FormOf<TCustomDictionariesDialog>(hwnd);
    // Closing the edit dialog saved the file, and the engine sees the words.
    const DictionaryFile work = ReadDictionaryFile(folder.File("Work.adu"));
    EXPECT_EQ(work.added, std::vector<std::string>{"quokka"});
    EXPECT_EQ(work.pairs, std::vector<std::string>{"teh>the"});
    EXPECT_TRUE(spell->WordExists("quokka"));

    // Renamed in place: the file and the configuration follow; the row shows the file's name.
    const int row = form.CustomDictionaries.FocusedRow();
    RenameInPlace(form.CustomDictionaries, row, "Projects");
    EXPECT_EQ(form.CustomDictionaries.Text(row), "Projects.adu");
    EXPECT_FALSE(Env::Default().FileExists(folder.File("Work.adu")));
    EXPECT_EQ(ReadDictionaryFile(folder.File("Projects.adu")).added, std::vector<std::string>{"quokka"});
    EXPECT_TRUE(config.ReadCustomDictionaries().Contains("Projects.adu"));
    EXPECT_FALSE(config.ReadCustomDictionaries().Contains("Work.adu"));
    // A name in use is refused and the caption goes back.
    RenameInPlace(form.CustomDictionaries, row, "Spell");
    EXPECT_EQ(form.CustomDictionaries.Text(row), "Projects.adu");
    EXPECT_TRUE(Env::Default().FileExists(folder.File("Projects.adu")));

    // Unchecked: out of the configuration, its words no longer accepted.
    form.CustomDictionaries.SetChecked(row, false);
    EXPECT_FALSE(config.ReadCustomDictionaries().Contains("Projects.adu"));
    EXPECT_FALSE(spell->WordExists("quokka"));
    form.CustomDictionaries.SetChecked(row, true);
    EXPECT_TRUE(spell->WordExists("quokka"));

    // Deleted after the question.
    ui::testing::MessageBoxAnswerer yes(IDYES);
    form.DeleteButton.Send(BM_CLICK);
    ASSERT_EQ(yes.seen.size(), 1u);
    EXPECT_EQ(yes.seen[0].caption, "Confirmation:");
    EXPECT_EQ(yes.seen[0].text, "Delete this custom dictionary?");
    EXPECT_FALSE(Env::Default().FileExists(folder.File("Projects.adu")));
    EXPECT_FALSE(config.ReadCustomDictionaries().Contains("Projects.adu"));
    EXPECT_EQ(Captions(form.CustomDictionaries), std::vector<std::string>{"Spell.adu"});
    PostClick(form.OK.Handle());
  });
  spell->SetupCustomDictionaries(nullptr);
  EXPECT_TRUE(script.Done()) << "waiting for " << script.Waiting();
}

TEST(CustomDictionariesDialog, NewWithAnExistingOrEmptyNameCreatesNothing) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  auto spell = folder.Engine();
  DialogScript script;
  for (const char* typed : {"spell.ADU", "", "Cancelled"}) {
    script.Then("Dictionaries",
                [&](HWND hwnd) { PostClick(FormOf<TCustomDictionariesDialog>(hwnd).NewButton.Handle()); });
    script.Then("New Custom Dictionary", [&, typed](HWND hwnd) {
      auto& name = FormOf<TNewCustomDictionary>(hwnd);
      name.NameEdit.SetText(typed);
      PostClick(std::string(typed) == "Cancelled" ? name.CancelButton.Handle() : name.OKButton.Handle());
    });
  }
  script.Then("Dictionaries", [&](HWND hwnd) {
    auto& form = FormOf<TCustomDictionariesDialog>(hwnd);
    EXPECT_EQ(Captions(form.CustomDictionaries), std::vector<std::string>{"Spell.adu"});
    std::vector<std::string> files;
    Env::Default().ListFiles(folder.dir.path(), "*.adu", &files);
    // Spell.adu itself is written with its first word.
    EXPECT_TRUE(files.empty()) << files[0];
    PostClick(form.OK.Handle());
  });
  spell->SetupCustomDictionaries(nullptr);
  EXPECT_TRUE(script.Done()) << "waiting for " << script.Waiting();
}

// After Ignore All the internal row leads to those words, and it cannot be
// switched off, renamed or deleted.
TEST(CustomDictionariesDialog, TheIgnoreAllRow) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  auto spell = folder.Engine();
  DialogScript script;
  script.Then("Dictionaries", [&](HWND hwnd) {
    EXPECT_EQ(Captions(FormOf<TCustomDictionariesDialog>(hwnd).CustomDictionaries),
              std::vector<std::string>{"Spell.adu"});
    PostClick(FormOf<TCustomDictionariesDialog>(hwnd).OK.Handle());
  });
  spell->SetupCustomDictionaries(nullptr);
  ASSERT_TRUE(script.Done());

  spell->ReadIgnoreAllDictionary().AddIgnore("zorp");
  script.Then("Dictionaries", [&](HWND hwnd) {
    auto& form = FormOf<TCustomDictionariesDialog>(hwnd);
    EXPECT_EQ(Captions(form.CustomDictionaries), (std::vector<std::string>{"(Ignore All / Change All)", "Spell.adu"}));
    form.CustomDictionaries.SetChecked(0, false);
    EXPECT_TRUE(form.CustomDictionaries.Checked(0));
    form.CustomDictionaries.Select(0);
    EXPECT_FALSE(form.DeleteButton.Enabled());
    EXPECT_TRUE(form.EditButton.Enabled());
    form.CustomDictionaries.EditCaption(0);
    EXPECT_FALSE(form.CustomDictionaries.Editing());
    PostClick(form.EditButton.Handle());
  });
  script.Then("Words added with Ignore All / Change All", [&](HWND hwnd) {
    auto& edit = FormOf<TCustomDictionaryEditDialog>(hwnd);
    ASSERT_EQ(edit.PageControl.PageCount(), 2);
    EXPECT_EQ(edit.ExcludedWordsSheet, nullptr);
    EXPECT_EQ(edit.IgnoreList.Count(), 1);
    EXPECT_EQ(edit.IgnoreList.Item(0), "zorp");
    PostClick(edit.OK.Handle());
  });
  script.Then("Dictionaries", [&](HWND hwnd) { PostClick(FormOf<TCustomDictionariesDialog>(hwnd).OK.Handle()); });
  spell->SetupCustomDictionaries(nullptr);
  EXPECT_TRUE(script.Done()) << "waiting for " << script.Waiting();
}

}  // namespace
}  // namespace tq::spell
