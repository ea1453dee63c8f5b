#include "spell/engine/ignore_rules.h"

#include "spell/engine/ansi_text.h"

namespace tq::spell {

bool THTMLIgnore::ExecuteIgnore(char CurrentChar, TControlParser* Parser) {
  if (CurrentChar != '<' || !Parser) return false;
  if (!Parser->MoveNext()) return true;
  // "!--" opens a comment; the test leaves the cursor on its last character,
  // or where it was when the text reads otherwise.
  int32_t x = 0, y = 0;
  Parser->GetPosition(x, y);
  bool comment = true;
  for (int i = 0; i < 3 && comment; ++i) {
    comment = Parser->GetChar() == "!--"[i];
    if (comment && i < 2 && !Parser->MoveNext()) comment = false;
  }
  if (!comment) Parser->SetPosition(x, y, ptCurrent);
  const char first = Parser->GetChar();
  const bool processing = !comment && (first == '%' || first == '?');
  bool prevIsFirst = false;
  bool prevPrevIsFirst = false;
  for (;;) {
    const char c = Parser->GetChar();
    if (c == '>') {
      if (comment ? prevIsFirst && prevPrevIsFirst : processing ? prevIsFirst : true) return true;
    }
    prevPrevIsFirst = prevIsFirst;
    prevIsFirst = c == first;
    if (!Parser->MoveNext()) return true;  // unterminated: the rest of the text goes
  }
}

bool THTMLIgnore::ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser*) {
  return !Word.empty() && Word[0] == '&';
}

namespace {

bool IsAddressEnd(char c) {
  switch (c) {
    case '\r':
    case '\n':
    case '\t':
    case ' ':
    case '"':
    case '(':
    case ')':
    case '[':
    case ']':
    case '{':
    case '}':
    case ',':
    case '<':
    case '>':
    case '\'':
      return true;
    default:
      return false;
  }
}

// Asked of every word no dictionary knows: compared in place, no copy made.
bool StartsWithWww(std::string_view word) {
  return word.size() >= 4 && AnsiLowerChar(word[0]) == 'w' && AnsiLowerChar(word[1]) == 'w' &&
         AnsiLowerChar(word[2]) == 'w' && word[3] == '.';
}

}  // namespace

bool TURLIgnore::ExecuteWordIgnorePreCheck(std::string_view Word, TControlParser* Parser) {
  if (!Parser) return false;
  const char next = Parser->GetChar();
  bool address = next == '@';
  if (next == ':') {
    const std::string lower = AnsiLowerCase(Word);
    for (const char* scheme : {"http", "ftp", "news", "mailto", "nntp", "file", "https", "telnet", "wais"})
      address = address || lower == scheme;
  }
  if ((next == '\\' || next == '/') && StartsWithWww(Word)) address = true;
  if (!address) return false;
  while (Parser->MoveNext() && !IsAddressEnd(Parser->GetChar())) {
  }
  return true;
}

bool TURLIgnore::ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser*) { return StartsWithWww(Word); }

bool TQuotedLineIgnore::ExecuteLineIgnore(std::string_view Line) {
  return !Line.empty() && quoteChars_.find(Line[0]) != std::string::npos;
}

bool TQuotedLineIgnore::ExecuteWordIgnorePostCheck(std::string_view, TControlParser* Parser) {
  if (!Parser) return false;
  std::string line;
  Parser->GetLine(line);
  return ExecuteLineIgnore(line);
}

bool TUppercaseWordIgnore::ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser*) {
  return AnsiUpperCase(Word) == Word;
}

bool TNumbersIgnore::ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser*) {
  for (char c : Word)
    if (c >= '0' && c <= '9') return true;
  return false;
}

bool TAbbreviationsIgnore::ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser*) {
  if (Word.find('.') == std::string_view::npos) return false;
  while (Word.size() >= 3 && Word[1] == '.') Word.remove_prefix(2);
  return Word.size() < 3;
}

}  // namespace tq::spell
