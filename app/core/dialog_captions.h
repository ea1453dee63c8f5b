// The captions of the program's own windows, menus and controls, each with
// its access key, in one place: the windows take them from here, and the
// access-key check (dialog_captions_test.cpp) takes the same texts, grouped
// as the user reaches them at once. A caption added to a window belongs
// here and in its group there.
#pragma once

#include <string_view>

namespace tq::app {

// The main window: the menu bar, its menus and the buttons beside the tree
// and the preview. A button's key goes before the menu bar's titles, so
// they share no letter.
struct MainCaptions {
  static constexpr std::string_view FileMenu = "&File";
  static constexpr std::string_view New = "&New...";
  static constexpr std::string_view Open = "&Open...";
  static constexpr std::string_view ReOpen = "&ReOpen";
  static constexpr std::string_view Exit = "E&xit";

  static constexpr std::string_view ReplyMenu = "&Reply";
  static constexpr std::string_view Add = "&Add";
  static constexpr std::string_view Edit = "&Edit";
  static constexpr std::string_view Delete = "&Delete";
  static constexpr std::string_view Refresh = "&Refresh List";
  static constexpr std::string_view Insert = "&Insert";
  static constexpr std::string_view InsertAsText = "Insert As &Text";
  static constexpr std::string_view Copy = "&Copy to Clipboard";
  static constexpr std::string_view CheckAll = "Check &Spelling of All Replies";

  static constexpr std::string_view Configure = "&Configure...";

  static constexpr std::string_view HelpMenu = "&Help";
  static constexpr std::string_view HelpTopics = "&Help Topics";
  static constexpr std::string_view HomePageAfterTitle = " Home &Page";  // after the application title
  static constexpr std::string_view Support = "&Support...";
  static constexpr std::string_view About = "&About";

  static constexpr std::string_view TrayShow = "&Show";  // the tray menu: Show, Configure, Exit

  static constexpr std::string_view AddBtn = "&Add";
  static constexpr std::string_view EditBtn = "&Edit";
  static constexpr std::string_view DeleteBtn = "&Delete";
  static constexpr std::string_view RefreshBtn = "Refre&sh";
  static constexpr std::string_view InsertBtn = "&Insert";
  static constexpr std::string_view InsertAsTextBtn = "As &Text";
  static constexpr std::string_view CopyBtn = "C&opy";
};

// TConfigForm. OK has no key: it is the default button, Enter presses it,
// and its "O" belongs to the Other Options page.
struct ConfigCaptions {
  static constexpr std::string_view HotkeysPage = "Hot&keys";
  static constexpr std::string_view OtherPage = "&Other Options";
  static constexpr std::string_view PastingPage = "&Pasting";
  static constexpr std::string_view Ok = "OK";
  static constexpr std::string_view Cancel = "&Cancel";
  static constexpr std::string_view Help = "&Help";

  static constexpr std::string_view MainHotKeyLabel = "Hotkey to activate the &main screen:";
  static constexpr std::string_view MenuHotKeyLabel = "Hotkey to activate the popup me&nu interface:";
  static constexpr std::string_view SearchHotKeyLabel = "Hotkey to find a reply by t&yping:";
  static constexpr std::string_view StartWithWindows = "S&tart Tavrin Quillet when Windows starts";

  static constexpr std::string_view FormattingGroup = "Formatting";
  static constexpr std::string_view SaveFormat = "&Save formatting by default";
  static constexpr std::string_view DefaultWithFormat =
      "&Insert with formatting (if available) when selecting reply directly";
  static constexpr std::string_view ViewGroup = "View";
  static constexpr std::string_view HideAfterInsert = "Hide main window after insertin&g";
  static constexpr std::string_view ShowHotkeyInTree = "Sho&w reply hotkey at the end of reply description ";
  static constexpr std::string_view AutoExpandTree = "&Automatically expand the reply tree when opening";
  static constexpr std::string_view SpellingGroup = "Spelling";
  static constexpr std::string_view LiveSpelling = "Automatically &mark mis-spelled words in reply text";

  static constexpr std::string_view RestoreClipboard =
      "K&eep my clipboard: put back what was on it once a reply is pasted";
  static constexpr std::string_view PasteMethodsLabel = "Paste keys &by program (yours come first):";
  static constexpr std::string_view PasteProgramLabel = "Program &file:";
  static constexpr std::string_view PasteMethodLabel = "Metho&d:";
  static constexpr std::string_view PlainTextOnly = "Plain te&xt only: no formatting for this program";
  static constexpr std::string_view SetPasteMethod = "&Use";
  static constexpr std::string_view RemovePasteMethod = "&Remove";
};

// TReplyPropForm. A label's key moves the focus to the box after it.
struct ReplyPropCaptions {
  static constexpr std::string_view CategoryLabel = "Cate&gory:";
  static constexpr std::string_view DescriptionLabel = "&Description:";
  static constexpr std::string_view HotKeyLabel = "Hotke&y:  (Optional)";
  static constexpr std::string_view ResponseLabel = "&Reply Text:";
  static constexpr std::string_view Paste = "&Paste";
  static constexpr std::string_view Load = "&Load File...";
  static constexpr std::string_view SpellCheck = "Spell Chec&k";
  static constexpr std::string_view RemoveFormat = "Plain &Text";
  static constexpr std::string_view SaveFormat = "&Save with Formatting";
  static constexpr std::string_view Ok = "&OK";
  static constexpr std::string_view Cancel = "&Cancel";
  static constexpr std::string_view Help = "&Help";
};

// TAboutForm and TTrayReminderForm.
struct AboutCaptions {
  static constexpr std::string_view License = "&License";
  static constexpr std::string_view Readme = "&Readme";
  static constexpr std::string_view Close = "&Close";
};
struct TrayReminderCaptions {
  static constexpr std::string_view ShowAgain = "&Show the reminder again";
  static constexpr std::string_view Ok = "&OK";
};

}  // namespace tq::app
