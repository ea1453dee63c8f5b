#include "spell/dialogs/spell_dialog.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include "spell/dialogs/dialog_placement.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/dialogs/spell_test_host.h"
#include "spell/engine/custom_dictionary.h"
#include "ui/caption_fit.h"

namespace tq::spell {
namespace {

using testsupport::PostClick;
using testsupport::SpellHost;
using D = TSpellDialog;

TEST(SpellDialog, ChangeChangeAllIgnoreAndIgnoreAllReachTheText) {
  SpellHost h;
  h.Replace("the", &D::ChangeAllButton)  // both "teh": the second silently
      .Click(&D::IgnoreButton)           // the first "zork" only
      .Click(&D::IgnoreAllButton)        // the second "zork", and every later one
      .Replace("house", &D::ChangeButton)
      .Click(&D::IgnoreButton);
  EXPECT_EQ(h.CheckEdit("teh cat and teh dog ran zork and zork then zork blorp blorp"),
            "the cat and the dog ran zork and zork then zork house blorp");
  EXPECT_EQ(h.stops, (std::vector<std::string>{"teh", "zork", "zork", "blorp", "blorp"}));
  EXPECT_EQ(h.endMessages, 1);
  EXPECT_EQ(h.dialogs->ReadDialogForm(), nullptr) << "the dialog is gone with its run";
  EXPECT_FALSE(h.spell->ReadChecking());

  // Ignore All lasts as long as the component; its words are not saved.
  h.stops.clear();
  EXPECT_EQ(h.CheckEdit("zork teh"), "zork the") << "the Change All pair holds too";
  EXPECT_TRUE(h.stops.empty());
}

TEST(SpellDialog, EveryWayIntoAControlChecksItsText) {
  enum Way { kWinControl, kRichEdit, kHandle };
  for (const Way way : {kWinControl, kRichEdit, kHandle}) {
    SpellHost h;
    HWND owner = nullptr;
    h.Then([&](D& d) {
      owner = GetWindow(d.Handle(), GW_OWNER);
      d.ReplaceWithEdit.SetText("dog");
      PostClick(d.ChangeButton);
    });
    ui::Wnd& control = way == kRichEdit ? static_cast<ui::Wnd&>(h.rich) : h.edit;
    control.SetText("a dgo\r\nran");
    if (way == kWinControl) h.dialogs->CheckWinControl(&control, ctAll);
    if (way == kRichEdit) h.dialogs->CheckRichEdit(&control, ctAll);
    if (way == kHandle) h.dialogs->CheckWinControlHWND(control.Handle(), ctAll);
    EXPECT_EQ(way == kRichEdit ? h.rich.PlainText() : h.edit.Text(), "a dog\r\nran") << way;
    EXPECT_EQ(h.endMessages, 1);
    // The dialog stays in front of the form holding the control; a bare
    // window handle gives it no owner.
    EXPECT_EQ(owner, way == kHandle ? nullptr : h.host.form.Handle()) << way;
  }
}

TEST(SpellDialog, AddAndAutoCorrectGoToTheActiveCustomDictionary) {
  SpellHost h;
  h.Click(&D::AddButton).Replace("cat", &D::AutoCorrectButton);
  EXPECT_EQ(h.CheckEdit("zork ran. qwx sat. qwx zork"), "zork ran. cat sat. cat zork");
  EXPECT_EQ(h.stops, (std::vector<std::string>{"zork", "qwx"}));
  TCustomDictionary* custom = h.spell->ReadActiveCustomDictionary();
  ASSERT_NE(custom, nullptr);
  EXPECT_TRUE(custom->IgnoreExists("zork"));
  std::string replacement;
  EXPECT_TRUE(custom->AutoCorrectExists("qwx", replacement));
  EXPECT_EQ(replacement, "cat");
}

TEST(SpellDialog, UndoGoesBackAcrossTwoStepsAndCancelLeavesTheRest) {
  SpellHost h;
  bool undoEnabledAtThirdStop = false, focusUsable = false;
  h.Replace("the", &D::ChangeButton)
      .Click(&D::IgnoreButton)
      .Then([&](D& d) {
        undoEnabledAtThirdStop = d.UndoButton.Enabled();
        PostClick(d.UndoButton);
      })
      .Click(&D::UndoButton)  // back at "teh", restored
      .Then([&](D& d) {
        // Undo has nothing left and is disabled: the keyboard focus moved on.
        focusUsable =
            !d.UndoButton.Enabled() && GetFocus() && IsChild(d.Handle(), GetFocus()) && IsWindowEnabled(GetFocus());
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
      });
  EXPECT_EQ(h.CheckEdit("teh cat zork blorp"), "teh cat zork blorp");
  EXPECT_TRUE(focusUsable);
  EXPECT_TRUE(undoEnabledAtThirdStop);
  EXPECT_EQ(h.stops, (std::vector<std::string>{"teh", "zork", "blorp", "zork", "teh"}));
  EXPECT_EQ(h.endMessages, 0) << "no end message after Escape";
}

TEST(SpellDialog, EscapeAndTheCloseBoxCancel) {
  for (const bool closeBox : {false, true}) {
    SpellHost h;
    h.Replace("the", &D::ChangeButton).Then([closeBox](D& d) {
      if (closeBox)
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
      else
        PostMessageW(d.ReplaceWithEdit.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(h.CheckEdit("teh zork cat blorp"), "the zork cat blorp") << closeBox;
    EXPECT_EQ(h.stops.size(), 2u);
    EXPECT_EQ(h.endMessages, 0);
    EXPECT_FALSE(h.spell->ReadChecking());
  }
}

// The reply dialog's check: from the caret to the end, then the text before
// the caret, in one dialog that stays open, with one end message.
TEST(SpellDialog, ASmartCheckKeepsOneDialogOverBothRunsAndEndsOnce) {
  SpellHost h;
  std::vector<TSpellingForm*> dialogs;
  std::vector<bool> visible;
  const auto ignore = [&](D& d) {
    dialogs.push_back(&d);
    visible.push_back(d.Visible());
    PostClick(d.IgnoreButton);
  };
  h.Then(ignore).Then(ignore);
  h.edit.SetText("zork the cat blorp");
  h.edit.SetSelection(8, 8);  // after "the"
  h.dialogs->CheckWinControl(&h.edit, ctSmart);
  EXPECT_EQ(h.stops, (std::vector<std::string>{"blorp", "zork"}));
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0], dialogs[1]);
  EXPECT_EQ(visible, (std::vector<bool>{true, true}));
  EXPECT_EQ(h.endMessages, 1);
  EXPECT_EQ(h.dialogs->ReadDialogForm(), nullptr);
  EXPECT_EQ(h.edit.Selection(), std::make_pair(8, 8)) << "the caret goes back where it was";
}

TEST(SpellDialog, ARepeatedWordOffersOnlyKeepingOrRemovingIt) {
  SpellHost h(TSpellOptions{soRepeated});
  struct {
    std::string label, replacement;
    bool ignore, change, ignoreAll, changeAll, add, replaceBox, list;
  } seen{};
  h.Then([&](D& d) {
    seen = {d.NotFoundText.Text(),    d.ReplaceWithEdit.Text(),    d.IgnoreButton.Enabled(),
            d.ChangeButton.Enabled(), d.IgnoreAllButton.Enabled(), d.ChangeAllButton.Enabled(),
            d.AddButton.Enabled(),    d.ReplaceWithEdit.Enabled(), d.SuggestionsListbox.Enabled()};
    PostClick(d.ChangeButton);
  });
  EXPECT_EQ(h.CheckEdit("the dog ran ran home"), "the dog ran home");
  EXPECT_EQ(h.stops, (std::vector<std::string>{"[ran ran]", "home"}));
  EXPECT_EQ(seen.label, "Repeated Word:");
  EXPECT_EQ(seen.replacement, "ran");
  EXPECT_TRUE(seen.ignore);
  EXPECT_TRUE(seen.change);
  EXPECT_FALSE(seen.ignoreAll || seen.changeAll || seen.add || seen.replaceBox || seen.list);
}

TEST(SpellDialog, AWordWithoutSuggestionsWaitsForATypedReplacement) {
  SpellHost h;
  struct {
    std::string label, item;
    int count = 0;
    bool list = true, change = true, changeAll = true, autoCorrect = true, changeAfterTyping = false, options = true,
         add = false;
  } seen;
  h.Then([&](D& d) {
    seen.label = d.NotFoundText.Text();
    seen.count = d.SuggestionsListbox.Count();
    seen.item = d.SuggestionsListbox.Item(0);
    seen.list = d.SuggestionsListbox.Enabled();
    seen.change = d.ChangeButton.Enabled();
    seen.changeAll = d.ChangeAllButton.Enabled();
    seen.autoCorrect = d.AutoCorrectButton.Enabled();
    seen.options = d.OptionsButton.Enabled();
    seen.add = d.AddButton.Enabled();
    d.ReplaceWithEdit.SetText("dog");
    seen.changeAfterTyping = d.ChangeButton.Enabled();
    PostClick(d.ChangeButton);
  });
  EXPECT_EQ(h.CheckEdit("a qqqqqqqqqqqqqqqq ran"), "a dog ran");
  EXPECT_EQ(seen.label, "Not Found:");
  EXPECT_EQ(seen.count, 1);
  EXPECT_EQ(seen.item, "(no suggestions)");
  EXPECT_FALSE(seen.list || seen.change || seen.changeAll || seen.autoCorrect);
  EXPECT_TRUE(seen.changeAfterTyping);
  EXPECT_TRUE(seen.add) << "there is an active custom dictionary";
  EXPECT_TRUE(seen.options) << "the options dialog opens from it";
}

TEST(SpellDialog, SuggestionsFillTheReplacementAndADoubleClickChanges) {
  SpellHost h;
  std::string first, replacement, afterClick;
  h.Then([&](D& d) {
    first = d.SuggestionsListbox.Item(0);
    replacement = d.ReplaceWithEdit.Text();
    const int last = d.SuggestionsListbox.Count() - 1;
    d.SuggestionsListbox.SetSelectedIndex(last);
    d.SuggestionsListboxClick();
    afterClick = d.ReplaceWithEdit.Text();
    d.SuggestionsListbox.SetSelectedIndex(0);
    PostMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(d.SuggestionsListbox.Handle()), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(d.SuggestionsListbox.Handle()));
  });
  EXPECT_EQ(h.CheckEdit("the dgo ran"), "the dog ran");
  EXPECT_EQ(first, "dog");
  EXPECT_EQ(replacement, "dog");
  EXPECT_FALSE(afterClick.empty());
}

TEST(SpellDialog, CaptionsComeInTheInterfaceLanguage) {
  for (const TSpellLanguageType language : {ltEnglish, ltGerman, ltRussian}) {
    SpellHost h;
    h.spell->UILanguage = language;
    std::vector<std::pair<std::string, TSpellLanguageString>> shown;
    h.Then([&](D& d) {
      shown = {{d.Text(), lsSpelling},
               {d.NotFoundText.Text(), lsDlgNotFound},
               {d.ReplaceWithText.Text(), lsDlgReplaceWith},
               {d.SuggestionsText.Text(), lsDlgSuggestions},
               {d.UndoButton.Text(), lsDlgUndo},
               {d.OptionsButton.Text(), lsDlgOptions},
               {d.IgnoreAllButton.Text(), lsDlgIgnoreAll},
               {d.IgnoreButton.Text(), lsDlgIgnore},
               {d.ChangeAllButton.Text(), lsDlgChangeAll},
               {d.ChangeButton.Text(), lsDlgChange},
               {d.AddButton.Text(), lsDlgAdd},
               {d.AutoCorrectButton.Text(), lsDlgAutoCorrect},
               {d.CancelButton.Text(), lsDlgCancel}};
      EXPECT_FALSE(d.HelpButton.Visible()) << "no help context";
      EXPECT_TRUE(d.OptionsButton.Visible());
      PostClick(d.CancelButton);
    });
    h.CheckEdit("zork");
    ASSERT_EQ(shown.size(), 13u);
    for (const auto& [text, key] : shown) EXPECT_EQ(text, GetString(key, language)) << language << "/" << key;
  }
}

// Every caption fits its control in every interface language, measured
// with its own font.
TEST(SpellDialog, EveryCaptionFitsInEveryLanguage) {
  for (int language = 0; language < kSpellLanguageCount; ++language) {
    SpellHost h;
    h.spell->UILanguage = static_cast<TSpellLanguageType>(language);
    std::string cut = "not shown";
    h.Then([&](D& d) {
      cut.clear();
      for (const std::string& c : ui::CutCaptions(d.Handle())) cut += "\n  " + c;
      PostClick(d.CancelButton);
    });
    h.CheckEdit("zork");
    EXPECT_EQ(cut, "") << "language " << language;
  }
}

TEST(SpellDialog, OptionsOpensTheOptionsDialogAndShowsTheWordAgain) {
  SpellHost h;
  void* ownerSeen = nullptr;
  bool enabled = false;
  // An options dialog that turns on "Suggest from main dictionaries only".
  h.spell->OnShowConfigDialog = [&](TQuillSpellBase* sender, void* owner) {
    ownerSeen = owner;
    TSpellOptions options = sender->Configuration().ReadSpellOptions();
    options.Include(soPrimaryOnly);
    sender->Configuration().WriteSpellOptions(options);
  };
  std::string wordAfter, replacementAfter;
  void* mediator = nullptr;
  h.Then([&](D& d) {
    mediator = &d.DialogControl;
    enabled = d.OptionsButton.Enabled();
    d.OptionsButtonClick();
    wordAfter = d.NotFoundEdit.Text();
    replacementAfter = d.ReplaceWithEdit.Text();
    PostClick(d.CancelButton);
  });
  h.CheckEdit("a dgo ran");
  EXPECT_TRUE(enabled);
  EXPECT_EQ(ownerSeen, mediator) << "the dialog's mediator owns the options dialog";
  EXPECT_EQ(wordAfter, "dgo");
  EXPECT_EQ(replacementAfter, "dog");
  EXPECT_EQ(h.stops, (std::vector<std::string>{"dgo"})) << "the run did not move on";
  EXPECT_TRUE(h.spell->Configuration().ReadSpellOptions().Contains(soPrimaryOnly));
}

TEST(SpellDialog, HiddenOptionsLetUndoTakeItsPlace) {
  SpellHost h;
  h.dialogs->CommandsVisible.Exclude(sdcOptions);
  ui::Rect undo{}, options{};
  h.Then([&](D& d) {
    undo = d.UndoButton.Bounds();
    options = d.OptionsButton.Bounds();
    EXPECT_FALSE(d.OptionsButton.Visible());
    PostClick(d.CancelButton);
  });
  h.CheckEdit("zork");
  EXPECT_EQ(undo.y, options.y);
}

TEST(SpellDialog, EditingTheTextWhileTheDialogWaitsResumesFromTheEdit) {
  SpellHost h;
  bool disabledWhileAway = false;
  h.Then([&](D& d) {
    // The user clicks into the text: the dialog loses the activation...
    SetForegroundWindow(h.host.form.Handle());
    SetActiveWindow(h.host.form.Handle());
    disabledWhileAway = !d.IgnoreButton.Enabled() && !d.ChangeButton.Enabled();
    // ...corrects the word by hand, adds a new mistake before it, and comes back.
    h.edit.SetText("the blorp dog zork");
    SetForegroundWindow(d.Handle());
    SetActiveWindow(d.Handle());
  });
  h.Click(&D::IgnoreButton).Click(&D::IgnoreButton);
  EXPECT_EQ(h.CheckEdit("the dog zork"), "the blorp dog zork");
  EXPECT_TRUE(disabledWhileAway);
  EXPECT_EQ(h.stops, (std::vector<std::string>{"zork", "blorp", "zork"}));
}

TEST(SpellDialog, ABoldWordStaysBoldWhenChanged) {
  SpellHost h;
  h.Replace("house", &D::ChangeButton);
  ASSERT_TRUE(h.rich.SetRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 a {\\b hosue} here\\par}"));
  h.dialogs->CheckWinControl(&h.rich, ctAll);
  EXPECT_EQ(h.rich.PlainText().substr(0, 12), "a house here");

  // Read back as RTF into a fresh control: the corrected word is bold, its
  // neighbours are not.
  ui::RichEdit copy;
  copy.Create(h.host.form, {8, 8, 200, 50});
  ASSERT_TRUE(copy.SetRtf(h.rich.Rtf()));
  const auto bold = [&](int start, int end) {
    copy.Send(EM_SETSEL, start, end);
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD;
    copy.Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD);
  };
  EXPECT_TRUE(bold(2, 7));
  EXPECT_FALSE(bold(0, 1));
  EXPECT_FALSE(bold(8, 12));
}

// The arithmetic of placement, on a 1024 x 768 monitor and a 440 x 200 dialog.
TEST(DialogPlacement, KeepsTheDialogOnItsMonitorAndBesideTheControl) {
  const RECT monitor{0, 0, 1024, 768};
  const struct {
    int x, y, wantX, wantY;
  } inside[] = {{100, 100, 100, 100}, {-50, -20, 0, 0}, {900, 700, 584, 568}, {1000, 10, 584, 10}};
  for (const auto& c : inside) {
    const POINT p = DialogPositionInside(monitor, 440, 200, c.x, c.y);
    EXPECT_EQ(p.x, c.wantX) << c.x;
    EXPECT_EQ(p.y, c.wantY) << c.y;
  }
  const POINT big = DialogPositionInside(monitor, 2000, 1000, 10, 10);
  EXPECT_EQ(big.x, 1024 - 2000) << "larger than the monitor: aligned right and bottom";
  EXPECT_EQ(big.y, 768 - 1000);

  const struct {
    RECT control;
    bool fits;
    POINT want;
  } beside[] = {
      {{100, 100, 500, 300}, true, {100, 300}},  // below
      {{100, 500, 500, 700}, true, {500, 500}},  // right
      {{500, 500, 900, 700}, true, {500, 300}},  // above
      {{500, 100, 1000, 700}, true, {60, 100}},  // left
      {{0, 0, 1024, 768}, false, {}},            // nowhere
  };
  for (const auto& c : beside) {
    const auto at = DialogPositionBesideControl(monitor, c.control, 440, 200);
    ASSERT_EQ(at.has_value(), c.fits);
    if (at) {
      EXPECT_EQ(at->x, c.want.x);
      EXPECT_EQ(at->y, c.want.y);
    }
  }

  const RECT dialog{300, 300, 740, 500};
  POINT p = DialogPositionForRect(monitor, dialog, {320, 310, 360, 326}, true, true);
  EXPECT_EQ(p.x, 320);
  EXPECT_EQ(p.y, 326) << "below the word";
  p = DialogPositionForRect(monitor, dialog, {900, 700, 940, 716}, true, true);
  EXPECT_EQ(p.x, 584) << "pulled in at the right edge";
  EXPECT_EQ(p.y, 500) << "above the word when there is no room below";
  p = DialogPositionForRect(monitor, dialog, {900, 310, 940, 326}, false, true);
  EXPECT_EQ(p.x, 300) << "up and down only";
}

// The dialog never covers the word being checked: a text box at the top, the
// middle and the bottom of the screen, a misspelt word on its first line.
TEST(SpellDialog, NeverCoversTheWordBeingChecked) {
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  for (const int top : {0, screenHeight / 2 - 150, screenHeight - 120}) {
    SpellHost h;
    h.host.form.SetBounds({40, top, 420, 330});
    RECT word{}, dialog{};
    bool wordFound = false;
    h.Then([&](D& d) {
      TSpellRect w;
      h.spell->ReadCurrentParser()->GetSelectionScreenPosition(w);
      word = {w.Left, w.Top, w.Right, w.Bottom};
      wordFound = w.Right > w.Left;
      GetWindowRect(d.Handle(), &dialog);
      PostClick(d.CancelButton);
    });
    // The dialog opens where the user left it last: right over the text.
    h.spell->Configuration().WriteDialogX(60);
    h.spell->Configuration().WriteDialogY(top + 20);
    h.CheckEdit("the zork cat");
    ASSERT_TRUE(wordFound) << top;
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &word, &dialog))
        << "top " << top << ": word " << word.left << "," << word.top << "-" << word.right << "," << word.bottom
        << " dialog " << dialog.left << "," << dialog.top << "-" << dialog.right << "," << dialog.bottom;
    EXPECT_EQ(dialog.left, word.left);
    if (top == 0) {
      EXPECT_EQ(dialog.top, word.bottom) << "below the word";
    } else if (top > screenHeight / 2) {
      EXPECT_EQ(dialog.bottom, word.top) << "above the word at the bottom of the screen";
    }
  }
}

TEST(SpellDialog, TheFirstCheckPlacesTheDialogBelowTheControlAndRemembersWhereItWasLeft) {
  SpellHost h;
  RECT first{};
  h.Then([&](D& d) {
    GetWindowRect(d.Handle(), &first);
    SetWindowPos(d.Handle(), nullptr, 500, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PostClick(d.CancelButton);
  });
  h.CheckEdit("zork and dog");
  RECT control{};
  GetWindowRect(h.edit.Handle(), &control);
  POINT client{0, 0};
  ClientToScreen(h.edit.Handle(), &client);
  EXPECT_EQ(first.left, client.x);
  EXPECT_EQ(first.top, client.y + (control.bottom - control.top));
  EXPECT_EQ(h.spell->Configuration().ReadDialogX(), 500);
  EXPECT_EQ(h.spell->Configuration().ReadDialogY(), 50);
}

// The hourglass after one busy second: a clock that moves 400 ms at each
// look, so the third word is the first one checked after more than 1000 ms.
class SlowClockSpell : public TQuillSpellBase {
 public:
  using TQuillSpellBase::TQuillSpellBase;
  mutable int64_t now = 0;
  std::vector<std::pair<bool, int>> hourglass;  // on/off and the words checked by then

 protected:
  int64_t TickCountMs() const override { return now += 400; }
  void ShowHourglass(bool on) override {
    hourglass.emplace_back(on, ReadWordCount());
    TQuillSpellBase::ShowHourglass(on);
  }
};

TEST(SpellDialog, ALongRunShowsTheHourglassAfterOneSecond) {
  auto component = std::make_unique<SlowClockSpell>();
  SlowClockSpell* spell = component.get();
  SpellHost h({}, std::move(component));
  HCURSOR atStop = nullptr;
  h.Then([&](D& d) {
    atStop = GetCursor();
    PostClick(d.CancelButton);
  });
  h.CheckEdit("the cat sat on a mat and the dog ran zork");
  EXPECT_EQ(spell->hourglass, (std::vector<std::pair<bool, int>>{{true, 3}, {false, 11}}));
  EXPECT_NE(atStop, LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_WAIT))))
      << "the stop takes the hourglass back";
}

}  // namespace
}  // namespace tq::spell
