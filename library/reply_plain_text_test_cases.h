// Replies and their plain text, for the native test of ReplyPlainText and
// for the window test that holds it against what a rich edit showing the
// reply gives, line by line (app/reply_text_view_test.cpp). A \line is
// tested natively only: rich edits end its row differently (Wine's with a
// space), where the plain text breaks the line.
#pragma once

#include <string>
#include <vector>

namespace tq::library::testing {

struct PlainTextCase {
  std::string response;  // as the codec gives it: UTF-8, plain or RTF
  std::string text;      // its plain text
};

inline std::vector<PlainTextCase> PlainTextCases() {
  const std::string longLine(300, 'w');
  return {
      // Plain replies: every paragraph a line, however it was broken.
      {"Thank you for writing.", "Thank you for writing.\r\n"},
      {"Hello\r\nWorld", "Hello\r\nWorld\r\n"},
      {"Ends with a break\r\n", "Ends with a break\r\n\r\n"},
      {"lone\nLF and lone\rCR", "lone\r\nLF and lone\r\nCR\r\n"},
      {"", "\r\n"},
      {"tab\there {braces} back\\slash", "tab\there {braces} back\\slash\r\n"},
      {"Grüße — Привет 日本 👍", "Grüße — Привет 日本 👍\r\n"},
      {longLine, longLine + "\r\n"},  // wider than any window: never wrapped
      // "{\rtf1" not at the start: shown, and so taken, as plain text.
      {"Dear customer, {\\RTF1 in the middle", "Dear customer, {\\RTF1 in the middle\r\n"},
      // Rich replies as a rich edit writes them, and as people write them.
      {"{\\rtf1\\ansi Dear {\\b customer}, welcome.}", "Dear customer, welcome.\r\n"},
      {"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}{\\colortbl "
       ";\\red255\\green0\\blue0;}"
       "{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\\pard\\f0\\fs20 Hello \\b bold\\b0  world\\par\r\n}",
       "Hello bold world\r\n"},
      {"{\\rtf1 one\\par two\\par }", "one\r\ntwo\r\n"},
      {"{\\rtf1 one\\par\\par two}", "one\r\n\r\ntwo\r\n"},
      {"{\\rtf1 one\\par\\par }", "one\r\n\r\n"},
      {"{\\rtf1 a\\tab b}", "a\tb\r\n"},
      {"{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80}", "café €\r\n"},
      {"{\\rtf1\\ansi\\uc1 Gr\\u252?\\u223?e \\u1044?\\u1072? \\u-10179?\\u-9139?}", "Grüße Да 👍\r\n"},
      {"{\\rtf1 a\\emdash b\\endash c\\bullet d\\lquote e\\rquote f\\ldblquote g\\rdblquote}", "a—b–c•d‘e’f“g”\r\n"},
      {"{\\rtf1 no\\~break non\\_breaking}", "no\u00a0break non\u2011breaking\r\n"},
      // The stored form's marker groups, read as RTF (a damaged mark keeps
      // them in the Response): skipped.
      {"{\\rtf1{\\*\\tqplain}\\ansi\\ansicpg1252\\uc1 Line one\\par Line two}", "Line one\r\nLine two\r\n"},
  };
}

}  // namespace tq::library::testing
