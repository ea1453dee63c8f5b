#include "library/rtf_html.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "library/rtf_tokens.h"
#include "platform/utf16.h"

namespace tq::library {
namespace {

// Groups whose text is not part of the document (the font and colour tables
// and fields are read apart).
bool IsSkippedDestination(std::string_view word) {
  static constexpr std::string_view kSkipped[] = {
      "stylesheet", "info",      "pict",         "object",    "header",
      "headerl",    "headerr",   "headerf",      "footer",    "footerl",
      "footerr",    "footerf",   "footnote",     "listtable", "listoverridetable",
      "rsidtbl",    "generator", "themedata",    "xmlnstbl",  "pn",
      "nonshppict", "shp",       "latentstyles", "datastore", "colorschememapping",
      "mmathPr",    "filetbl",   "revtbl",       "userprops", "docvar",
      "bkmkstart",  "bkmkend",   "annotation",   "atnid",     "atnauthor",
      "txe",        "xe",        "tc",           "template"};
  for (std::string_view s : kSkipped)
    if (word == s) return true;
  return false;
}

bool IsControl(std::string_view utf8) { return utf8.size() == 1 && static_cast<unsigned char>(utf8[0]) < 0x20; }

// One UTF-8 character that is well-formed: right length, no overlong form,
// no surrogate, at most U+10FFFF.
bool IsWholeCharacter(std::string_view s) {
  const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  if (s.empty()) return false;
  if (b(0) < 0x80) return s.size() == 1;
  size_t n = b(0) >= 0xF0 ? 4 : b(0) >= 0xE0 ? 3 : b(0) >= 0xC2 ? 2 : 0;
  if (n == 0 || b(0) > 0xF4 || s.size() != n) return false;
  for (size_t i = 1; i < n; ++i)
    if ((b(i) & 0xC0) != 0x80) return false;
  if (b(0) == 0xE0 && b(1) < 0xA0) return false;   // overlong
  if (b(0) == 0xED && b(1) >= 0xA0) return false;  // surrogate
  if (b(0) == 0xF0 && b(1) < 0x90) return false;   // overlong
  if (b(0) == 0xF4 && b(1) >= 0x90) return false;  // beyond U+10FFFF
  return true;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct CharFormat {
  bool bold = false, italic = false, underline = false, strike = false, hidden = false;
  int vertical = 0;     // 1 superscript, -1 subscript
  long font = -1;       // \fN, -1 for none
  long halfPoints = 0;  // \fsN, 0 for none
  long colour = 0;      // \cfN: an index in the colour table, 0 automatic
  long highlight = 0;   // \highlightN or \cbN
  bool operator==(const CharFormat&) const = default;
};

enum class ListKind { None, Bullet, Numbered };

struct ParaFormat {
  ListKind list = ListKind::None;
  bool fromListTable = false;  // \lsN: its kind comes from the marker text
  char align = 'l';
};

enum class Dest { Text, Skip, FontTable, ColourTable, FieldInst, ListMarker };

struct Group {
  Dest dest = Dest::Text;
  CharFormat chr;
  int unicodeSkip = 1;  // \ucN: fallback characters after each \u
  int field = -1;       // the \field this group is in
  std::string href;     // of the field result this group is in
};

struct Run {
  CharFormat chr;
  std::string href;
  std::string html;
};

struct Paragraph {
  ListKind list = ListKind::None;
  char align = 'l';
  std::vector<Run> runs;
  bool empty = true;
};

struct Font {
  long index = 0;
  std::string name;
  long codePage = 0;
};

struct Colour {
  bool automatic = true;
  int red = 0, green = 0, blue = 0;
};

struct Field {
  std::string instruction;
};

void AppendEscaped(std::string* out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        *out += "&amp;";
        break;
      case '<':
        *out += "&lt;";
        break;
      case '>':
        *out += "&gt;";
        break;
      case '"':
        *out += "&quot;";
        break;
      default:
        *out += c;
    }
  }
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// The target of a HYPERLINK field's instruction ("HYPERLINK "url" \l
// "anchor""), nothing for any other field or a script link.
std::optional<std::string> HyperlinkTarget(std::string_view inst) {
  auto skipSpace = [&] {
    while (!inst.empty() && (inst.front() == ' ' || inst.front() == '\t')) inst.remove_prefix(1);
  };
  auto argument = [&]() -> std::string {
    skipSpace();
    std::string arg;
    if (!inst.empty() && inst.front() == '"') {
      inst.remove_prefix(1);
      const size_t end = inst.find('"');
      arg = std::string(inst.substr(0, end));
      inst = end == std::string_view::npos ? std::string_view{} : inst.substr(end + 1);
    } else {
      size_t end = 0;
      while (end < inst.size() && inst[end] != ' ' && inst[end] != '\t') ++end;
      arg = std::string(inst.substr(0, end));
      inst.remove_prefix(end);
    }
    return arg;
  };
  skipSpace();
  if (!StartsWithNoCase(inst, "hyperlink")) return std::nullopt;
  inst.remove_prefix(9);
  std::string url, anchor;
  while (true) {
    skipSpace();
    if (inst.empty()) break;
    if (inst.front() == '\\') {
      // A switch is the whole word after its backslash (never half a character).
      size_t end = 1;
      while (end < inst.size() && inst[end] != ' ' && inst[end] != '\t') ++end;
      const std::string_view name = inst.substr(1, end - 1);
      inst.remove_prefix(end);
      if (name == "l") {
        anchor = argument();
      } else if (name == "o" || name == "t") {
        argument();  // a tip or a target frame: not kept
      }
      continue;
    }
    std::string arg = argument();
    if (url.empty()) url = std::move(arg);
  }
  std::string href;
  for (char c : url + (anchor.empty() ? "" : "#" + anchor))
    if (static_cast<unsigned char>(c) >= 0x20) href += c;
  std::string_view scheme = href;
  while (!scheme.empty() && static_cast<unsigned char>(scheme.front()) <= ' ') scheme.remove_prefix(1);
  if (href.empty() || StartsWithNoCase(scheme, "javascript:") || StartsWithNoCase(scheme, "vbscript:") ||
      StartsWithNoCase(scheme, "data:"))
    return std::nullopt;
  return href;
}

class Converter {
 public:
  std::string Convert(std::string_view rtf);

 private:
  Group& Top() { return groups_.back(); }
  void Word(std::string_view word, long value, bool hasValue, bool atGroupStart);
  void Character(std::string_view utf8);
  void Unit(char16_t unit);
  void FlushSurrogate();
  void AddText(std::string_view utf8);
  void AddMarkup(std::string_view html, bool space);
  Run& CurrentRun();
  void EndParagraph();
  long CodePageOfFont(long font) const;
  std::string Render() const;
  std::string RunStyle(const CharFormat& chr) const;

  std::vector<Group> groups_{Group{}};
  std::vector<Font> fonts_;
  std::vector<Colour> colours_;
  Colour colour_;  // the colour table's entry being read
  std::vector<Field> fields_;
  std::vector<Paragraph> paragraphs_;
  Paragraph paragraph_;
  ParaFormat para_;
  std::string marker_;  // the text of this paragraph's list marker
  long codePage_ = 1252;
  long defaultFont_ = -1;
  int pendingSkip_ = 0;
  char16_t highSurrogate_ = 0;
  bool lastWasSpace_ = true;  // a space here would collapse: it becomes &nbsp;
};

long Converter::CodePageOfFont(long font) const {
  for (const Font& f : fonts_)
    if (f.index == font && f.codePage != 0) return f.codePage;
  return codePage_;
}

Run& Converter::CurrentRun() {
  const Group& g = groups_.back();
  if (paragraph_.runs.empty() || !(paragraph_.runs.back().chr == g.chr) || paragraph_.runs.back().href != g.href)
    paragraph_.runs.push_back({g.chr, g.href, {}});
  return paragraph_.runs.back();
}

void Converter::AddMarkup(std::string_view html, bool space) {
  if (Top().dest != Dest::Text || Top().chr.hidden) return;
  CurrentRun().html += html;
  paragraph_.empty = false;
  lastWasSpace_ = space;
}

void Converter::AddText(std::string_view utf8) {
  Group& g = Top();
  switch (g.dest) {
    case Dest::Skip:
      return;
    case Dest::FontTable:
      if (utf8 == ";") {
        // The entry is complete; later text is another entry's.
      } else if (!fonts_.empty()) {
        fonts_.back().name += utf8;
      }
      return;
    case Dest::ColourTable:
      if (utf8 == ";") {
        colours_.push_back(colour_);
        colour_ = Colour{};
      }
      return;
    case Dest::FieldInst:
      if (g.field >= 0) fields_[static_cast<size_t>(g.field)].instruction += utf8;
      return;
    case Dest::ListMarker:
      marker_ += utf8;
      return;
    case Dest::Text:
      break;
  }
  if (g.chr.hidden) return;
  if (utf8 == "\t") {
    AddMarkup("<span style=\"white-space:pre\">&#9;</span>", false);
    return;
  }
  if (IsControl(utf8)) return;
  if (utf8 == " ") {
    AddMarkup(lastWasSpace_ ? "&nbsp;" : " ", true);
    return;
  }
  std::string escaped;
  AppendEscaped(&escaped, utf8);
  AddMarkup(escaped, false);
}

void Converter::Character(std::string_view utf8) {
  if (pendingSkip_ > 0) {
    --pendingSkip_;
    return;
  }
  FlushSurrogate();
  AddText(IsWholeCharacter(utf8) ? utf8 : kReplacement);
}

void Converter::FlushSurrogate() {
  if (highSurrogate_ != 0) {
    highSurrogate_ = 0;
    AddText(kReplacement);
  }
}

void Converter::Unit(char16_t unit) {
  if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
    const char16_t pair[2] = {highSurrogate_, unit};
    highSurrogate_ = 0;
    AddText(platform::Utf16ToUtf8(std::u16string_view(pair, 2)));
    return;
  }
  FlushSurrogate();
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    highSurrogate_ = unit;
  } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
    AddText(kReplacement);
  } else {
    AddText(platform::Utf16ToUtf8(std::u16string_view(&unit, 1)));
  }
}

void Converter::EndParagraph() {
  FlushSurrogate();
  ListKind list = para_.list;
  if (para_.fromListTable) {
    // Word's lists name their kind in the list table; the marker it writes
    // before the paragraph says the same: a number ("1.", "2"), a letter or
    // numeral with its stop ("a)", "iv."), or a bullet (a symbol, or the "o"
    // of a second level).
    std::string_view mark = marker_;
    while (!mark.empty() && (mark.back() == '\t' || mark.back() == ' ')) mark.remove_suffix(1);
    const auto alnum = [](char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); };
    const bool numbered = !mark.empty() && alnum(mark.front()) &&
                          ((mark.front() >= '0' && mark.front() <= '9') || mark.back() == '.' || mark.back() == ')');
    list = numbered ? ListKind::Numbered : ListKind::Bullet;
  }
  paragraph_.list = list;
  paragraph_.align = para_.align;
  paragraphs_.push_back(std::move(paragraph_));
  paragraph_ = Paragraph{};
  marker_.clear();
  lastWasSpace_ = true;
}

void Converter::Word(std::string_view word, long value, bool hasValue, bool atGroupStart) {
  Group& g = Top();
  const bool on = !hasValue || value != 0;
  // Destinations first: they decide where the group's text goes.
  if (atGroupStart) {
    if (word == "fonttbl") {
      g.dest = Dest::FontTable;
      return;
    }
    if (word == "colortbl") {
      g.dest = Dest::ColourTable;
      colour_ = Colour{};
      return;
    }
    if (word == "fldinst") {
      g.dest = g.field >= 0 ? Dest::FieldInst : Dest::Skip;
      return;
    }
    if (word == "fldrslt") {
      if (g.field >= 0) {
        if (auto href = HyperlinkTarget(fields_[static_cast<size_t>(g.field)].instruction)) g.href = *href;
      }
      g.dest = g.dest == Dest::Skip ? Dest::Skip : Dest::Text;
      return;
    }
    if (word == "pntext" || word == "listtext") {
      g.dest = g.dest == Dest::Skip ? Dest::Skip : Dest::ListMarker;
      marker_.clear();
      return;
    }
    if (IsSkippedDestination(word)) g.dest = Dest::Skip;
  }
  // A bullet or numbered paragraph's kind, told inside its skipped \pn group.
  if (word == "pnlvlblt") {
    para_.list = ListKind::Bullet;
    para_.fromListTable = false;
    return;
  }
  if (word == "pnlvlbody" || (word == "pnlvl" && hasValue)) {
    para_.list = ListKind::Numbered;
    para_.fromListTable = false;
    return;
  }
  if (g.dest == Dest::FontTable) {
    if (word == "f" && hasValue) fonts_.push_back({value, {}, 0});
    if (word == "fcharset" && hasValue && !fonts_.empty()) fonts_.back().codePage = RtfCharsetCodePage(value);
    if (word == "cpg" && hasValue && !fonts_.empty()) fonts_.back().codePage = value;
    return;
  }
  if (g.dest == Dest::ColourTable) {
    const int component = static_cast<int>(value < 0 ? 0 : value > 255 ? 255 : value);
    if (word == "red") colour_.red = component, colour_.automatic = false;
    if (word == "green") colour_.green = component, colour_.automatic = false;
    if (word == "blue") colour_.blue = component, colour_.automatic = false;
    return;
  }
  // Characters, wherever the text goes.
  if (word == "u" && hasValue) {
    if (pendingSkip_ > 0) pendingSkip_ = 0;
    Unit(static_cast<char16_t>(value < 0 ? value + 65536 : value));
    pendingSkip_ = g.unicodeSkip;
    return;
  }
  if (word == "uc" && hasValue) {
    g.unicodeSkip = static_cast<int>(value < 0 ? 0 : value);
    return;
  }
  static constexpr struct {
    std::string_view word, utf8;
  } kCharacters[] = {{"tab", "\t"},
                     {"emdash", "\xE2\x80\x94"},
                     {"endash", "\xE2\x80\x93"},
                     {"emspace", "\xE2\x80\x83"},
                     {"enspace", "\xE2\x80\x82"},
                     {"bullet", "\xE2\x80\xA2"},
                     {"lquote", "\xE2\x80\x98"},
                     {"rquote", "\xE2\x80\x99"},
                     {"ldblquote", "\xE2\x80\x9C"},
                     {"rdblquote", "\xE2\x80\x9D"},
                     {"cell", "\t"}};
  for (const auto& c : kCharacters) {
    if (word == c.word) {
      Character(c.utf8);
      return;
    }
  }
  if (g.dest != Dest::Text) return;
  if (word == "par" || word == "sect" || word == "page" || word == "row") {
    if (!g.chr.hidden) EndParagraph();
  } else if (word == "line") {
    FlushSurrogate();
    AddMarkup("<br>", true);
  } else if (word == "pard") {
    para_ = ParaFormat{};
  } else if (word == "ls" && hasValue) {
    para_.fromListTable = value > 0;
    if (value <= 0) para_.list = ListKind::None;
  } else if (word == "ql") {
    para_.align = 'l';
  } else if (word == "qc") {
    para_.align = 'c';
  } else if (word == "qr") {
    para_.align = 'r';
  } else if (word == "qj") {
    para_.align = 'j';
  } else if (word == "plain") {
    g.chr = CharFormat{};
    g.chr.font = defaultFont_;
  } else if (word == "b") {
    g.chr.bold = on;
  } else if (word == "i") {
    g.chr.italic = on;
  } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth" || word == "uldash" ||
             word == "ulwave" || word == "uldashd" || word == "uldashdd") {
    g.chr.underline = on;
  } else if (word == "ulnone") {
    g.chr.underline = false;
  } else if (word == "strike" || word == "striked") {
    g.chr.strike = on;
  } else if (word == "super") {
    g.chr.vertical = 1;
  } else if (word == "sub") {
    g.chr.vertical = -1;
  } else if (word == "nosupersub") {
    g.chr.vertical = 0;
  } else if (word == "v") {
    g.chr.hidden = on;
  } else if (word == "f" && hasValue) {
    g.chr.font = value;
  } else if (word == "fs" && hasValue) {
    g.chr.halfPoints = value > 0 && value <= 3276 ? value : 0;
  } else if (word == "cf" && hasValue) {
    g.chr.colour = value;
  } else if ((word == "highlight" || word == "cb" || word == "chcbpat") && hasValue) {
    g.chr.highlight = value;
  } else if (word == "ansicpg" && hasValue) {
    codePage_ = value;
  } else if (word == "deff" && hasValue) {
    defaultFont_ = value;
    g.chr.font = value;
  } else if (word == "field") {
    g.field = static_cast<int>(fields_.size());
    fields_.push_back({});
  }
}

std::string Converter::Convert(std::string_view rtf) {
  RtfTokenizer tokens(rtf);
  RtfToken t;
  bool groupStart = false;
  while (tokens.Next(&t)) {
    using K = RtfToken::Kind;
    if (t.kind == K::GroupStart) {
      groups_.push_back(groups_.back());
      groupStart = true;
      pendingSkip_ = 0;
      continue;
    }
    if (t.kind == K::GroupEnd) {
      if (groups_.back().dest == Dest::ColourTable && !colour_.automatic) colours_.push_back(colour_);
      if (groups_.size() > 1) groups_.pop_back();
      groupStart = false;
      pendingSkip_ = 0;
      continue;
    }
    if (t.kind == K::Symbol && t.text == "*") {  // an optional destination: skipped unless known
      Top().dest = Dest::Skip;
      continue;
    }
    const bool atGroupStart = groupStart;
    groupStart = false;
    switch (t.kind) {
      case K::Text:
        Character(t.text);
        break;
      case K::Byte:
        Character(RtfCodePageChar(CodePageOfFont(Top().chr.font), static_cast<unsigned char>(t.value)));
        break;
      case K::Symbol:
        if (t.text == "~") Character("\xC2\xA0");
        if (t.text == "_") Character("-");
        break;
      case K::Word:
        Word(t.text, t.value, t.hasValue, atGroupStart);
        break;
      default:
        break;
    }
  }
  FlushSurrogate();
  if (!paragraph_.empty) EndParagraph();
  while (!paragraphs_.empty() && paragraphs_.back().empty) paragraphs_.pop_back();
  return Render();
}

std::string Converter::RunStyle(const CharFormat& chr) const {
  std::string style;
  auto add = [&](const std::string& property) {
    if (!style.empty()) style += ';';
    style += property;
  };
  for (const Font& f : fonts_) {
    if (f.index != chr.font) continue;
    // Only what a font name holds: no quotes or semicolons end the style early.
    std::string name;
    for (char c : f.name) {
      const unsigned char u = static_cast<unsigned char>(c);
      if (u >= 0x80 || (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == ' ' || c == '-' ||
          c == '_')
        name += c;
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    if (!name.empty()) add("font-family:'" + name + "'");
    break;
  }
  if (chr.halfPoints > 0)
    add("font-size:" + std::to_string(chr.halfPoints / 2) + (chr.halfPoints % 2 ? ".5" : "") + "pt");
  auto colour = [&](long index) -> std::optional<std::string> {
    if (index <= 0 || static_cast<size_t>(index) >= colours_.size()) return std::nullopt;
    const Colour& c = colours_[static_cast<size_t>(index)];
    if (c.automatic) return std::nullopt;
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c.red, c.green, c.blue);
    return std::string(hex);
  };
  if (auto c = colour(chr.colour)) add("color:" + *c);
  if (auto c = colour(chr.highlight)) add("background-color:" + *c);
  return style;
}

std::string Converter::Render() const {
  std::string out;
  ListKind openList = ListKind::None;
  for (const Paragraph& p : paragraphs_) {
    if (p.list != openList) {
      if (openList != ListKind::None) out += openList == ListKind::Bullet ? "</ul>" : "</ol>";
      if (p.list != ListKind::None) out += p.list == ListKind::Bullet ? "<ul>" : "<ol>";
      openList = p.list;
    }
    const char* tag = p.list == ListKind::None ? "div" : "li";
    out += '<';
    out += tag;
    if (p.align == 'c') out += " style=\"text-align:center\"";
    if (p.align == 'r') out += " style=\"text-align:right\"";
    if (p.align == 'j') out += " style=\"text-align:justify\"";
    out += '>';
    // Runs that differ only in their tags share one <span>, and a link's
    // runs one <a>: the HTML stays small.
    std::string openHref, openStyle;
    auto closeSpan = [&] {
      if (!openStyle.empty()) out += "</span>";
      openStyle.clear();
    };
    for (const Run& run : p.runs) {
      if (run.html.empty()) continue;
      const std::string style = RunStyle(run.chr);
      if (run.href != openHref) {
        closeSpan();
        if (!openHref.empty()) out += "</a>";
        if (!run.href.empty()) {
          out += "<a href=\"";
          AppendEscaped(&out, run.href);
          out += "\">";
        }
        openHref = run.href;
      }
      if (style != openStyle) {
        closeSpan();
        if (!style.empty()) out += "<span style=\"" + style + "\">";
        openStyle = style;
      }
      std::string close;
      auto wrap = [&](bool on, const char* open, const char* end) {
        if (!on) return;
        out += open;
        close.insert(0, end);
      };
      wrap(run.chr.bold, "<b>", "</b>");
      wrap(run.chr.italic, "<i>", "</i>");
      wrap(run.chr.underline, "<u>", "</u>");
      wrap(run.chr.strike, "<s>", "</s>");
      wrap(run.chr.vertical > 0, "<sup>", "</sup>");
      wrap(run.chr.vertical < 0, "<sub>", "</sub>");
      out += run.html;
      out += close;
    }
    closeSpan();
    if (!openHref.empty()) out += "</a>";
    if (p.empty) out += "<br>";
    out += "</";
    out += tag;
    out += '>';
  }
  if (openList != ListKind::None) out += openList == ListKind::Bullet ? "</ul>" : "</ol>";
  return out;
}

std::string Offset(size_t n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%010zu", n);
  return digits;
}

}  // namespace

std::string RtfHtml(std::string_view rtf) { return Converter{}.Convert(rtf); }

std::string ClipboardHtml(std::string_view fragment) {
  // The header has a fixed length: its numbers have ten digits each.
  static constexpr std::string_view kHeader =
      "Version:0.9\r\nStartHTML:0000000000\r\nEndHTML:0000000000\r\n"
      "StartFragment:0000000000\r\nEndFragment:0000000000\r\n";
  static constexpr std::string_view kBefore = "<html><body>\r\n<!--StartFragment-->";
  static constexpr std::string_view kAfter = "<!--EndFragment-->\r\n</body></html>";
  const size_t startHtml = kHeader.size();
  const size_t startFragment = startHtml + kBefore.size();
  const size_t endFragment = startFragment + fragment.size();
  const size_t endHtml = endFragment + kAfter.size();
  std::string out = "Version:0.9\r\nStartHTML:" + Offset(startHtml) + "\r\nEndHTML:" + Offset(endHtml) +
                    "\r\nStartFragment:" + Offset(startFragment) + "\r\nEndFragment:" + Offset(endFragment) + "\r\n";
  out += kBefore;
  out += fragment;
  out += kAfter;
  return out;
}

}  // namespace tq::library
