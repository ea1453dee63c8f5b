#include "spell/dialogs/custom_dictionary_edit_dialog.h"

#include <gtest/gtest.h>

#include "spell/dialogs/dialog_script.h"
#include "spell/dialogs/spelling_setup_test_support.h"
#include "ui/test_host.h"

namespace tq::spell {
namespace {

using testing::DialogScript;
using testing::PostClick;
using testing::ProgramFolder;

TCustomDictionaryEditDialog& EditDialog(HWND hwnd) { return testing::FormOf<TCustomDictionaryEditDialog>(hwnd); }

// The user picks a tab.
void ShowTab(TCustomDictionaryEditDialog& form, int index) {
  form.PageControl.SetActivePage(index);
  NMHDR hdr{form.PageControl.Handle(), static_cast<UINT_PTR>(form.PageControl.Id()), static_cast<UINT>(TCN_SELCHANGE)};
  form.Send(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

struct EditFixture {
  ui::testing::TestHost host;
  ProgramFolder folder;
  testing::SpellWithDialogs spell = folder.Engine();
  TCustomDictionary dictionary;
  DialogScript script;

  EditFixture() {
    dictionary.WriteFilename(folder.File("Work.adu"));
    dictionary.AddIgnore("beta");
    dictionary.AddIgnore("alpha");
    dictionary.AddExclude("wrongly");
    dictionary.AddAutoCorrect("teh", "the");
    dictionary.AddAutoCorrect("adn", "and");
  }
  void Run() {
    spell->EditCustomDictionary(nullptr, &dictionary);
    EXPECT_TRUE(script.Done()) << "waiting for " << script.Waiting();
  }
};

TEST(CustomDictionaryEditDialog, CaptionsTabsAndLists) {
  EditFixture f;
  f.script.Then("Work.adu", [&](HWND hwnd) {
    auto& form = EditDialog(hwnd);
    ASSERT_EQ(form.PageControl.PageCount(), 3);
    EXPECT_EQ(form.PageControl.PageCaption(0), "Add&ed Words");
    EXPECT_EQ(form.PageControl.PageCaption(1), "A&uto-Correct Pairs");
    EXPECT_EQ(form.PageControl.PageCaption(2), "Ex&cluded Words");
    EXPECT_EQ(form.AddedWordsExplain.Text(), "These words will be considered correct during a spell check operation.");
    EXPECT_EQ(form.IgnoreEditLabel.Text(), "Ignore &this word:");
    EXPECT_EQ(form.ReplaceEditLabel.Text(), "&Replace:");
    EXPECT_EQ(form.WithEditLabel.Text(), "&With:");
    EXPECT_EQ(form.ExcludeEditLabel.Text(), "E&xclude this word:");
    EXPECT_EQ(form.AddIgnoreButton.Text(), "&Add");
    EXPECT_EQ(form.DeleteExcludeButton.Text(), "&Delete");
    EXPECT_EQ(form.OK.Text(), "&OK");
    EXPECT_FALSE(form.HelpButton.Visible());
    // Filled in order of the sorted list, Add and Delete off until something is typed.
    ASSERT_EQ(form.IgnoreList.Count(), 2);
    EXPECT_EQ(form.IgnoreList.Item(0), "alpha");
    EXPECT_EQ(form.IgnoreList.Item(1), "beta");
    EXPECT_FALSE(form.AddIgnoreButton.Enabled());
    EXPECT_FALSE(form.DeleteIgnoreButton.Enabled());
    EXPECT_EQ(form.AutoCorrectList.Count(), 0) << "filled when its tab is first shown";
    ShowTab(form, 1);
    ASSERT_EQ(form.AutoCorrectList.Count(), 2);
    EXPECT_EQ(form.AutoCorrectList.Text(0, 0), "adn");
    EXPECT_EQ(form.AutoCorrectList.Text(0, 1), "and");
    EXPECT_EQ(form.AutoCorrectList.ColumnWidth(0), form.WithEdit.Bounds().x - form.ReplaceEdit.Bounds().x);
    ShowTab(form, 2);
    ASSERT_EQ(form.ExcludeList.Count(), 1);
    PostClick(form.OK.Handle());
  });
  f.Run();
}

// A word can be in one list of a dictionary only; Enter in a box adds, and
// deleting selects the next word (the new last one at the end).
TEST(CustomDictionaryEditDialog, AddedAndExcludedWords) {
  EditFixture f;
  f.script.Then("Work.adu", [&](HWND hwnd) {
    auto& form = EditDialog(hwnd);
    for (const char* taken : {"wrongly", "teh"}) {
      form.IgnoreEdit.SetText(taken);
      EXPECT_FALSE(form.AddIgnoreButton.Enabled()) << taken;
    }
    form.IgnoreEdit.SetText("beta");
    EXPECT_FALSE(form.AddIgnoreButton.Enabled());
    EXPECT_EQ(form.IgnoreList.SelectedIndex(), 1);
    EXPECT_TRUE(form.DeleteIgnoreButton.Enabled());
    form.IgnoreEdit.SetText("gamma");
    EXPECT_TRUE(form.AddIgnoreButton.Enabled());
    EXPECT_EQ(form.IgnoreList.SelectedIndex(), -1);
    // Enter, as the keyboard gives it to the dialog.
    form.IgnoreEdit.SetFocus();
    PostMessageW(form.IgnoreEdit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  });
  f.script.Then("Work.adu", [&](HWND hwnd) {
    auto& form = EditDialog(hwnd);
    EXPECT_TRUE(f.dictionary.IgnoreExists("gamma"));
    ASSERT_EQ(form.IgnoreList.Count(), 3);
    EXPECT_EQ(form.IgnoreList.Item(form.IgnoreList.SelectedIndex()), "gamma");
    // The last word deleted: the new last one is selected and shown.
    form.DeleteIgnoreButton.Send(BM_CLICK);
    EXPECT_FALSE(f.dictionary.IgnoreExists("gamma"));
    ASSERT_EQ(form.IgnoreList.Count(), 2);
    EXPECT_EQ(form.IgnoreList.SelectedIndex(), 1);
    EXPECT_EQ(form.IgnoreEdit.Text(), "beta");
    form.DeleteIgnoreButton.Send(BM_CLICK);
    form.DeleteIgnoreButton.Send(BM_CLICK);
    EXPECT_EQ(form.IgnoreList.Count(), 0);
    EXPECT_EQ(form.IgnoreList.SelectedIndex(), -1);
    EXPECT_FALSE(form.DeleteIgnoreButton.Enabled());
    EXPECT_EQ(f.dictionary.ReadIgnoreCount(), 0);

    ShowTab(form, 2);
    form.ExcludeEdit.SetText("teh");
    EXPECT_FALSE(form.AddExcludeButton.Enabled());
    form.ExcludeEdit.SetText("alot");
    form.AddExcludeButton.Send(BM_CLICK);
    EXPECT_TRUE(f.dictionary.ExcludeExists("alot"));
    EXPECT_EQ(form.ExcludeList.Count(), 2);
    PostClick(form.OK.Handle());
  });
  f.Run();
}

TEST(CustomDictionaryEditDialog, AutoCorrectPairs) {
  EditFixture f;
  f.script.Then("Work.adu", [&](HWND hwnd) {
    auto& form = EditDialog(hwnd);
    ShowTab(form, 1);
    // Choosing a row fills both boxes; typing a new replacement changes the
    // stored pair with each keystroke.
    form.AutoCorrectList.Select(1);
    EXPECT_EQ(form.ReplaceEdit.Text(), "teh");
    EXPECT_EQ(form.WithEdit.Text(), "the");
    EXPECT_FALSE(form.AddAutoCorrectButton.Enabled());
    EXPECT_TRUE(form.DeleteAutoCorrectButton.Enabled());
    std::string stored;
    for (const char* typed : {"th", "", "t", "tha"}) {
      form.WithEdit.SetText(typed);
      ASSERT_TRUE(f.dictionary.AutoCorrectExists("teh", stored));
      // An emptied box keeps the last replacement until a new one is typed.
      EXPECT_EQ(stored, *typed ? typed : "th");
    }
    EXPECT_EQ(form.AutoCorrectList.Text(1, 1), "tha");

    // A new pair: Add only with both boxes filled and a word in no other list.
    form.AutoCorrectList.Select(-1);
    form.ReplaceEdit.SetText("recieve");
    form.WithEdit.SetText("");
    EXPECT_FALSE(form.AddAutoCorrectButton.Enabled());
    form.WithEdit.SetText("receive");
    EXPECT_TRUE(form.AddAutoCorrectButton.Enabled());
    form.ReplaceEdit.SetText("wrongly");
    EXPECT_FALSE(form.AddAutoCorrectButton.Enabled());
    form.ReplaceEdit.SetText("recieve");
    // Enter in Replace moves on to With; Enter in With adds.
    form.ReplaceEdit.SetFocus();
    PostMessageW(form.ReplaceEdit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  });
  f.script.Then("Work.adu", [&](HWND hwnd) {
    auto& form = EditDialog(hwnd);
    EXPECT_EQ(GetFocus(), form.WithEdit.Handle());
    PostMessageW(form.WithEdit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  });
  f.script.Then("Work.adu", [&](HWND hwnd) {
    auto& form = EditDialog(hwnd);
    std::string stored;
    ASSERT_TRUE(f.dictionary.AutoCorrectExists("recieve", stored));
    EXPECT_EQ(stored, "receive");
    ASSERT_EQ(form.AutoCorrectList.Count(), 3);
    const int row = form.AutoCorrectList.FocusedRow();
    EXPECT_EQ(form.AutoCorrectList.Text(row, 0), "recieve");
    EXPECT_TRUE(form.AutoCorrectList.RowSelected(row));
    // Deleting the last row selects the new last one.
    form.AutoCorrectList.Select(2);
    const std::string last = form.AutoCorrectList.Text(2, 0);
    form.DeleteAutoCorrectButton.Send(BM_CLICK);
    EXPECT_FALSE(f.dictionary.AutoCorrectExists(last, stored));
    ASSERT_EQ(form.AutoCorrectList.Count(), 2);
    EXPECT_EQ(form.AutoCorrectList.FocusedRow(), 1);
    EXPECT_TRUE(form.AutoCorrectList.RowSelected(1));
    PostClick(form.OK.Handle());
  });
  f.Run();
}

TEST(CustomDictionaryEditDialog, WithoutADictionaryItClosesItselfWithCancel) {
  ui::testing::TestHost host;
  ProgramFolder folder;
  auto spell = folder.Engine();
  TCustomDictionaryEditDialog form(host.form.Handle());
  spell.dialogs->SetupDialogControl(&form, nullptr);
  EXPECT_EQ(form.ShowModal(), ui::mrCancel);
}

}  // namespace
}  // namespace tq::spell
