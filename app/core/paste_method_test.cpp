#include "app/core/paste_method.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

using M = PasteMethodRule::Match;

TEST(PasteMethod, ChoosesTheUsersRuleThenTheBuiltInOnesThenCtrlV) {
  const std::vector<PasteMethodRule> user = {
      {M::Program, "OldApp.exe", PasteMethod::TypeText},
      {M::Program, "putty.exe", PasteMethod::TypeText},  // overrides the built-in Shift+Insert
  };
  struct Case {
    const char* program;
    const char* windowClass;
    PasteMethod expected;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Old\\oldapp.EXE", "OldAppMain", PasteMethod::TypeText},  // any case, full path
      {"C:\\Tools\\PUTTY.exe", "PuTTY", PasteMethod::TypeText},
      {"C:\\Windows\\System32\\conhost.exe", "ConsoleWindowClass", PasteMethod::ShiftInsert},
      {"", "ConsoleWindowClass", PasteMethod::ShiftInsert},  // process not known
      {"C:\\x\\mintty.exe", "mintty", PasteMethod::ShiftInsert},
      {"C:\\Windows\\System32\\mstsc.exe", "TscShellContainerClass", PasteMethod::SlowCtrlV},
      {"D:/apps/vmconnect.exe", "", PasteMethod::SlowCtrlV},
      {"C:\\Windows\\notepad.exe", "Notepad", PasteMethod::CtrlV},
      {"C:\\putty.exe.bak", "", PasteMethod::CtrlV},  // the whole file name must match
      {"", "", PasteMethod::CtrlV},
  };
  for (const Case& c : cases) EXPECT_EQ(ChoosePasteMethod(c.program, c.windowClass, user), c.expected) << c.program;
  // Without the user's rules PuTTY keeps its built-in method.
  EXPECT_EQ(ChoosePasteMethod("C:\\Tools\\PUTTY.exe", "PuTTY", {}), PasteMethod::ShiftInsert);
}

TEST(PasteMethod, RulesGoToTheirStringAndBack) {
  const std::vector<PasteMethodRule> rules = {{M::Program, "putty.exe", PasteMethod::TypeText},
                                              {M::Program, "My App.exe", PasteMethod::SlowCtrlV},
                                              {M::Program, "term.exe", PasteMethod::ShiftInsert},
                                              {M::Program, "x.exe", PasteMethod::CtrlV}};
  const std::string text = FormatPasteMethodRules(rules);
  EXPECT_EQ(text, "putty.exe=Type the text|My App.exe=Slow Ctrl+V|term.exe=Shift+Insert|x.exe=Ctrl+V");
  EXPECT_EQ(ParsePasteMethodRules(text), rules);
  EXPECT_EQ(FormatPasteMethodRules({}), "");
  EXPECT_TRUE(ParsePasteMethodRules("").empty());
  // Hand-edited values: spaces around, any case of a method, and lines that
  // make no sense (no "=", an unknown method, no name, a path, a repeat).
  EXPECT_EQ(ParsePasteMethodRules(" a.exe = shift+insert |b.exe|c.exe=Paste|=Ctrl+V|C:\\d.exe=Ctrl+V|A.EXE=Ctrl+V||"),
            (std::vector<PasteMethodRule>{{M::Program, "a.exe", PasteMethod::ShiftInsert}}));
}

TEST(PasteMethod, PlainTextOnlyComesFromTheRuleThatChoosesTheMethod) {
  const std::vector<PasteMethodRule> user = {
      {M::Program, "webmail.exe", PasteMethod::CtrlV, true},
      {M::Program, "putty.exe", PasteMethod::ShiftInsert},  // formatting wanted after all
  };
  struct Case {
    const char* program;
    const char* windowClass;
    bool plainOnly;
  };
  const Case cases[] = {
      {"C:\\Apps\\WebMail.exe", "Chrome_WidgetWin_1", true},
      {"C:\\Tools\\putty.exe", "PuTTY", false},
      {"C:\\Windows\\System32\\conhost.exe", "ConsoleWindowClass", true},  // consoles and terminals: built in
      {"C:\\x\\WindowsTerminal.exe", "CASCADIA_HOSTING_WINDOW_CLASS", true},
      {"C:\\x\\mintty.exe", "mintty", true},
      {"C:\\Windows\\System32\\mstsc.exe", "TscShellContainerClass", false},
      {"C:\\Windows\\notepad.exe", "Notepad", false},
  };
  for (const Case& c : cases) EXPECT_EQ(PastesPlainTextOnly(c.program, c.windowClass, user), c.plainOnly) << c.program;

  // Stored after the method, so settings without it read and write as before.
  const std::vector<PasteMethodRule> rules = {{M::Program, "a.exe", PasteMethod::CtrlV, true},
                                              {M::Program, "b.exe", PasteMethod::TypeText}};
  EXPECT_EQ(FormatPasteMethodRules(rules), "a.exe=Ctrl+V;plain|b.exe=Type the text");
  EXPECT_EQ(ParsePasteMethodRules("a.exe=Ctrl+V;plain|b.exe=Type the text"), rules);
  EXPECT_EQ(ParsePasteMethodRules(" a.exe = Ctrl+V ;plain |c.exe=;plain|d.exe=plain"),
            (std::vector<PasteMethodRule>{{M::Program, "a.exe", PasteMethod::CtrlV, true}}));
  std::vector<PasteMethodRule> set = rules;
  EXPECT_EQ(SetPasteMethodRule(set, "A.EXE", PasteMethod::ShiftInsert), 0u);  // no longer plain only
  EXPECT_EQ(SetPasteMethodRule(set, "b.exe", PasteMethod::TypeText, true), 1u);
  EXPECT_EQ(set, (std::vector<PasteMethodRule>{{M::Program, "a.exe", PasteMethod::ShiftInsert},
                                               {M::Program, "b.exe", PasteMethod::TypeText, true}}));
}

TEST(PasteMethod, SettingARuleAddsOrChangesItAndRefusesNamesNoFileHas) {
  std::vector<PasteMethodRule> rules;
  EXPECT_EQ(SetPasteMethodRule(rules, "  notes.exe ", PasteMethod::TypeText), 0u);
  EXPECT_EQ(SetPasteMethodRule(rules, "other.exe", PasteMethod::ShiftInsert), 1u);
  EXPECT_EQ(SetPasteMethodRule(rules, "NOTES.EXE", PasteMethod::SlowCtrlV), 0u);  // the same program
  EXPECT_EQ(rules, (std::vector<PasteMethodRule>{{M::Program, "notes.exe", PasteMethod::SlowCtrlV},
                                                 {M::Program, "other.exe", PasteMethod::ShiftInsert}}));
  for (const char* bad : {"", "   ", "C:\\x.exe", "a/b.exe", "a=b.exe", "a|b.exe", "a\tb.exe"}) {
    EXPECT_EQ(SetPasteMethodRule(rules, bad, PasteMethod::CtrlV), std::nullopt) << bad;
  }
  EXPECT_EQ(rules.size(), 2u);
}

TEST(PasteMethod, NamesAreUniqueAndFoundAgain) {
  for (PasteMethod m : kPasteMethods) EXPECT_EQ(PasteMethodNamed(PasteMethodName(m)), m);
  EXPECT_EQ(PasteMethodNamed("type THE text"), PasteMethod::TypeText);
  EXPECT_EQ(PasteMethodNamed("Ctrl+Y"), std::nullopt);
}

}  // namespace
}  // namespace tq::app
