// Every window's captions, grouped as the user reaches them at once (a
// dialog's own controls with its page tabs and the shown page's controls; a
// menu bar's titles with the buttons of the window; each menu on its own),
// have one access key each and share none.
#include "app/core/dialog_captions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/core/app_identity.h"
#include "spell/engine/language_strings.h"
#include "ui/core/access_keys.h"

namespace tq::app {
namespace {

using spell::GetString;
using spell::TSpellLanguageString;
using spell::TSpellLanguageType;
using ui::core::AccessKeyClashes;
using ui::core::CaptionsWithoutAccessKey;

// `keyed`: captions of controls the user can focus or press, each of which
// needs a key of its own. `others`: captions that may go without one (group
// frames, OK as the default button, Cancel as Escape), but whose keys, where
// they have one, must not clash.
struct Scope {
  std::string name;
  std::vector<std::string> keyed;
  std::vector<std::string> others;
};

std::vector<std::string> Texts(std::initializer_list<std::string_view> texts) { return {texts.begin(), texts.end()}; }

std::string Describe(const std::vector<ui::core::AccessKeyClash>& clashes) {
  std::string out;
  for (const auto& c : clashes) {
    char key[16];
    std::snprintf(key, sizeof key, "U+%04X", static_cast<unsigned>(c.key));
    out += "\n  " + std::string(key) + ":";
    for (const std::string& caption : c.captions) out += " \"" + caption + "\"";
  }
  return out;
}

void ExpectUniqueKeys(const Scope& scope) {
  std::vector<std::string> all = scope.keyed;
  all.insert(all.end(), scope.others.begin(), scope.others.end());
  const auto clashes = AccessKeyClashes(all);
  EXPECT_TRUE(clashes.empty()) << scope.name << " shares keys:" << Describe(clashes);
  EXPECT_EQ(CaptionsWithoutAccessKey(scope.keyed), std::vector<std::string>()) << scope.name << " has no key for";
}

std::vector<Scope> ProgramScopes() {
  using M = MainCaptions;
  using C = ConfigCaptions;
  using R = ReplyPropCaptions;
  const std::string homePage = std::string(ApplicationTitle) + std::string(M::HomePageAfterTitle);
  const std::vector<std::string> configCommon =
      Texts({C::HotkeysPage, C::OtherPage, C::PastingPage, C::Cancel, C::Help});
  auto withConfigCommon = [&](std::vector<std::string> page) {
    page.insert(page.end(), configCommon.begin(), configCommon.end());
    return page;
  };
  return {
      {"main window: menu bar and buttons",
       Texts({M::FileMenu, M::ReplyMenu, M::Configure, M::HelpMenu, M::AddBtn, M::EditBtn, M::DeleteBtn, M::RefreshBtn,
              M::InsertBtn, M::InsertAsTextBtn, M::CopyBtn}),
       {}},
      {"File menu", Texts({M::New, M::Open, M::ReOpen, M::Exit}), {}},
      {"Reply menu",
       Texts({M::Add, M::Edit, M::Delete, M::Refresh, M::Insert, M::InsertAsText, M::Copy, M::CheckAll}),
       {}},
      {"Help menu", {std::string(M::HelpTopics), homePage, std::string(M::Support), std::string(M::About)}, {}},
      {"tray menu", Texts({M::TrayShow, M::Configure, M::Exit}), {}},
      {"configuration, Hotkeys page",
       withConfigCommon(Texts({C::MainHotKeyLabel, C::MenuHotKeyLabel, C::SearchHotKeyLabel, C::StartWithWindows})),
       Texts({C::Ok})},
      {"configuration, Other Options page",
       withConfigCommon(Texts({C::SaveFormat, C::DefaultWithFormat, C::HideAfterInsert, C::ShowHotkeyInTree,
                               C::AutoExpandTree, C::LiveSpelling})),
       Texts({C::Ok, C::FormattingGroup, C::ViewGroup, C::SpellingGroup})},
      {"configuration, Pasting page",
       withConfigCommon(Texts({C::RestoreClipboard, C::PasteMethodsLabel, C::PasteProgramLabel, C::PasteMethodLabel,
                               C::SetPasteMethod, C::RemovePasteMethod})),
       Texts({C::Ok})},
      {"reply properties",
       Texts({R::CategoryLabel, R::DescriptionLabel, R::HotKeyLabel, R::ResponseLabel, R::Paste, R::Load, R::SpellCheck,
              R::RemoveFormat, R::SaveFormat, R::Ok, R::Cancel, R::Help}),
       {}},
      {"about", Texts({AboutCaptions::License, AboutCaptions::Readme, AboutCaptions::Close}), {}},
      {"tray reminder", Texts({TrayReminderCaptions::ShowAgain, TrayReminderCaptions::Ok}), {}},
  };
}

TEST(DialogCaptions, EveryProgramWindowHasOneKeyPerControl) {
  for (const Scope& scope : ProgramScopes()) ExpectUniqueKeys(scope);
}

// The spelling windows' captions come from the string table in each
// interface language, in UTF-8.
struct KeyScope {
  std::string name;
  std::vector<TSpellLanguageString> keyed, others;
};

std::vector<KeyScope> SpellingScopes() {
  using namespace spell;
  const std::vector<TSpellLanguageString> editTabs = {lsDlgAddedWords, lsDlgAutoCorrectPairs, lsDlgExcludedWords,
                                                      lsDlgHelp, lsDlgOK};
  const std::vector<TSpellLanguageString> ignoreAllTabs = {lsDlgIgnoreAll, lsDlgChangeAll, lsDlgHelp, lsDlgOK};
  auto page = [](std::vector<TSpellLanguageString> tabs, std::initializer_list<TSpellLanguageString> controls) {
    tabs.insert(tabs.end(), controls);
    return tabs;
  };
  return {
      {"spell-check dialog",
       {lsDlgReplaceWith, lsDlgSuggestions, lsDlgUndo, lsDlgOptions, lsDlgIgnoreAll, lsDlgIgnore, lsDlgChangeAll,
        lsDlgChange, lsDlgAdd, lsDlgAutoCorrect, lsDlgHelp},
       {lsDlgNotFound, lsDlgRepeatedWord, lsDlgCancel}},
      // The ten option boxes this program shows, in their order.
      {"spelling options",
       {lsDlgCustomDictionary, lsDlgDictionaries, lsDlgHelp, lsDlgOK},
       {lsDlgOptionsLabel, lsDlgDictionariesLabel, lsDlgResetDefaults, lsLiveSpelling, lsLiveCorrect, lsIgnoreUpcase,
        lsIgnoreNumbers, lsHTML, lsInternet, lsQuoted, lsAbbreviations, lsPrimaryOnly, lsRepeated}},
      {"custom dictionaries", {lsDlgEdit, lsDlgDelete, lsDlgNew, lsDlgOK, lsDlgHelp}, {lsDlgCustomDictionaries}},
      {"new custom dictionary", {lsDlgNewCustom, lsDlgOK}, {lsDlgCancel}},
      {"dictionary editor, Added Words page", page(editTabs, {lsDlgIgnoreThisWord, lsDlgAdd, lsDlgDelete}), {}},
      {"dictionary editor, Auto-Correct page", page(editTabs, {lsDlgReplace, lsDlgWith, lsDlgAdd, lsDlgDelete}), {}},
      {"dictionary editor, Excluded Words page", page(editTabs, {lsDlgExcludeThisWord, lsDlgAdd, lsDlgDelete}), {}},
      {"Ignore All / Change All editor, first page",
       page(ignoreAllTabs, {lsDlgIgnoreThisWord, lsDlgAdd, lsDlgDelete}),
       {}},
      {"Ignore All / Change All editor, second page",
       page(ignoreAllTabs, {lsDlgReplace, lsDlgWith, lsDlgAdd, lsDlgDelete}),
       {}},
      {"spelling menu", {lsMnIgnore, lsMnIgnoreAll, lsMnAdd, lsMnChangeAll, lsMnAutoCorrect, lsMnSpelling}, {}},
  };
}

TEST(DialogCaptions, EverySpellingWindowHasOneKeyPerControlInEveryLanguage) {
  for (int l = 0; l < spell::kSpellLanguageCount; ++l) {
    const auto language = static_cast<TSpellLanguageType>(l);
    for (const KeyScope& keys : SpellingScopes()) {
      Scope scope{keys.name + " (language " + std::to_string(l) + ")", {}, {}};
      for (TSpellLanguageString key : keys.keyed) scope.keyed.push_back(GetString(key, language));
      for (TSpellLanguageString key : keys.others) scope.others.push_back(GetString(key, language));
      ExpectUniqueKeys(scope);
    }
  }
}

}  // namespace
}  // namespace tq::app
