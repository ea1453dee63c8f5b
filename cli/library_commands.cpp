#include "cli/library_commands.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <set>

#include "library/rtf_html.h"
#include "cli/command.h"
#include "cli/json.h"
#include "cli/library_options.h"
#include "cli/library_records.h"
#include "cli/library_transfer.h"
#include "library/hotkey_value.h"
#include "platform/binary_stdout.h"
#include "platform/codepage.h"
#include "storage/binary_data_set.h"
#include "storage/errors.h"
#include "storage/one_line.h"
#include "storage/reply_layout.h"
#include "storage/table_check.h"
#include "storage/table_layout.h"

namespace tq::cli {

namespace {

using storage::TBinaryDataSet;

struct Context {
  platform::Env& env;
  FILE* out;
  FILE* err;
  std::string command;
  std::chrono::milliseconds busyWait;
  FILE* in;
};

int Failure(Context& c, const std::string& message) {
  std::fprintf(c.err, "quillet %s: %s\n", c.command.c_str(), message.c_str());
  return kExitFailure;
}

int UsageError(Context& c, const std::string& message) {
  std::fprintf(c.err, "quillet %s: %s\nTry 'quillet %s --help'.\n", c.command.c_str(), message.c_str(),
               c.command.c_str());
  return kExitUsage;
}

// "1 reply", "3 replies".
std::string Replies(size_t n) { return std::to_string(n) + (n == 1 ? " reply" : " replies"); }

// The end of a command that wrote to standard output: a write that failed
// (a full disk, a closed pipe) is a failure, not a success.
int OutputWritten(Context& c) {
  if (std::fflush(c.out) != 0 || std::ferror(c.out)) return Failure(c, "cannot write the output");
  return kExitOk;
}

// A library text for the terminal: control characters (an escape sequence
// included, and the C1 controls) are shown as \xNN or \u00NN, a backslash as
// \\, so that nothing in a library can move the cursor or change the
// terminal. keepLines: line breaks and tabs stay as they are.
std::string Printable(const std::string& utf8, bool keepLines = false) {
  std::string s;
  char buf[8];
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if (keepLines && (b == '\r' || b == '\n' || b == '\t')) {
      s += utf8[i];
    } else if (b < 0x20 || b == 0x7F) {
      std::snprintf(buf, sizeof buf, "\\x%02X", b);
      s += buf;
    } else if (b == 0xC2 && next >= 0x80 && next <= 0x9F) {
      std::snprintf(buf, sizeof buf, "\\u%04X", next);
      s += buf;
      ++i;
    } else if (b == '\\') {
      s += "\\\\";
    } else {
      s += utf8[i];
    }
  }
  return s;
}

bool ParseIndex(const std::string& text, int64_t* index) {
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(text.data(), last, *index);
  return !text.empty() && ec == std::errc() && end == last && *index >= 0;
}

int NoSuchReply(Context& c, const std::string& path, int64_t index, TBinaryDataSet& t) {
  return Failure(c, path + ": there is no reply " + std::to_string(index) + " (the library holds " +
                        std::to_string(t.RecordCount()) + ")");
}

// Code points of UTF-8 text, for lining up columns.
size_t Width(const std::string& utf8) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

std::string Pad(const std::string& s, size_t width) { return s + std::string(width - std::min(width, Width(s)), ' '); }

// --- create ---

int Create(Context& c, const LibraryOptions& o) {
  const std::string& path = o.positional[0];
  if (c.env.FileExists(path) && !o.Has("--force"))
    return Failure(c, path + " exists; give --force to replace it with an empty library");
  TBinaryDataSet t(c.env);
  t.SetTableName(path);
  storage::DeclareReplyFields(t);
  t.CreateTable();
  std::fprintf(c.out, "created %s\n", path.c_str());
  return kExitOk;
}

// --- list and show ---

struct Listed {
  int64_t index;
  int32_t record;
  ReplyData reply;
  bool formatted;
  size_t length;
};

// The current record; its length in characters of the UTF-8 text.
Listed ListedReply(int64_t index, TBinaryDataSet& t) {
  ReplyData reply = ReadReply(t);
  const bool formatted = storage::IsFormattedReply(reply.response);
  const size_t length = static_cast<size_t>(
      std::count_if(reply.response.begin(), reply.response.end(), [](char b) { return (b & 0xC0) != 0x80; }));
  return {index, t.RecNo(), std::move(reply), formatted, length};
}

std::vector<Listed> ReadAll(TBinaryDataSet& t) {
  std::vector<Listed> all;
  int64_t index = 0;
  for (t.First(); !t.Eof(); t.Next()) all.push_back(ListedReply(index++, t));
  return all;
}

std::string ListedJson(const Listed& l, bool withResponse) {
  std::string s = "{\"index\": " + std::to_string(l.index) + ", \"record\": " + std::to_string(l.record) +
                  ", \"category\": " + json::Quote(l.reply.category) +
                  ", \"description\": " + json::Quote(l.reply.description) +
                  ", \"hotkey\": " + std::to_string(l.reply.hotkey) +
                  ", \"hotkey_text\": " + json::Quote(HotKeyOutText(l.reply.hotkey)) +
                  ", \"formatted\": " + (l.formatted ? "true" : "false") + ", \"length\": " + std::to_string(l.length);
  if (withResponse) s += ", \"response\": " + json::Quote(l.reply.response);
  return s + "}";
}

int List(Context& c, const LibraryOptions& o) {
  TBinaryDataSet t(c.env);
  OpenLibrary(t, o.positional[0], true, c.busyWait);
  std::vector<Listed> all = ReadAll(t);
  if (o.Has("--json")) {
    std::string s = "{\"replies\": [";
    for (size_t i = 0; i < all.size(); ++i) s += (i ? ",\n  " : "\n  ") + ListedJson(all[i], false);
    s += all.empty() ? "]}\n" : "\n]}\n";
    std::fputs(s.c_str(), c.out);
    return OutputWritten(c);
  }
  for (Listed& l : all) {
    l.reply.category = Printable(l.reply.category);
    l.reply.description = Printable(l.reply.description);
  }
  size_t wCategory = 8, wDescription = 11, wHotKey = 6;
  for (const Listed& l : all) {
    wCategory = std::max(wCategory, Width(l.reply.category));
    wDescription = std::max(wDescription, Width(l.reply.description));
    wHotKey = std::max(wHotKey, Width(HotKeyOutText(l.reply.hotkey)));
  }
  const size_t wIndex = std::max<size_t>(5, std::to_string(all.size()).size());
  std::fprintf(c.out, "%s  %s  %s  %s  TEXT\n", Pad("INDEX", wIndex).c_str(), Pad("CATEGORY", wCategory).c_str(),
               Pad("DESCRIPTION", wDescription).c_str(), Pad("HOTKEY", wHotKey).c_str());
  for (const Listed& l : all)
    std::fprintf(c.out, "%s  %s  %s  %s  %s, %zu characters\n", Pad(std::to_string(l.index), wIndex).c_str(),
                 Pad(l.reply.category, wCategory).c_str(), Pad(l.reply.description, wDescription).c_str(),
                 Pad(HotKeyOutText(l.reply.hotkey), wHotKey).c_str(), l.formatted ? "rich" : "plain", l.length);
  std::fprintf(c.out, "%s\n", Replies(all.size()).c_str());
  return OutputWritten(c);
}

int Show(Context& c, const LibraryOptions& o) {
  int64_t index;
  if (!ParseIndex(o.positional[1], &index)) return UsageError(c, "'" + o.positional[1] + "' is not a reply index");
  if (o.Has("--json") && o.Has("--text")) return UsageError(c, "give --json or --text, not both");
  if (o.Has("--html") && (o.Has("--json") || o.Has("--text")))
    return UsageError(c, "give --html alone, without --json or --text");
  TBinaryDataSet t(c.env);
  OpenLibrary(t, o.positional[0], true, c.busyWait);
  if (!GotoReplyIndex(t, index)) return NoSuchReply(c, o.positional[0], index, t);
  const Listed l = ListedReply(index, t);
  if (o.Has("--json")) {
    std::fprintf(c.out, "%s\n", ListedJson(l, true).c_str());
  } else if (o.Has("--text")) {
    std::fputs(l.reply.response.c_str(), c.out);
  } else if (o.Has("--html")) {
    // What a paste puts on the clipboard as "HTML Format": rich replies only.
    if (!l.formatted) return Failure(c, "reply " + std::to_string(index) + " is plain text: it has no HTML");
    std::fprintf(c.out, "%s\n", library::RtfHtml(l.reply.response).c_str());
  } else {
    std::fprintf(
        c.out,
        "index: %lld\nrecord: %d\ncategory: %s\ndescription: %s\nhotkey: %s\nformatted: %s\n"
        "response (%zu characters):\n%s\n",
        static_cast<long long>(l.index), l.record, Printable(l.reply.category).c_str(),
        Printable(l.reply.description).c_str(),
        l.reply.hotkey ? (HotKeyOutText(l.reply.hotkey) + " (" + std::to_string(l.reply.hotkey) + ")").c_str() : "none",
        l.formatted ? "yes" : "no", l.length, Printable(l.reply.response, true).c_str());
  }
  return OutputWritten(c);
}

// --- add, edit, delete ---

// The reply fields given as options; false after reporting a problem.
bool ReplyFromOptions(Context& c, const LibraryOptions& o, ReplyData* r, ReplyFields* fields, int* code) {
  if (o.Has("--text") && o.Has("--text-file")) {
    *code = UsageError(c, "give --text or --text-file, not both");
    return false;
  }
  if (const std::string* v = o.Value("--category")) r->category = *v, fields->category = true;
  if (const std::string* v = o.Value("--description")) r->description = *v, fields->description = true;
  if (const std::string* v = o.Value("--text")) r->response = *v, fields->response = true;
  if (const std::string* path = o.Value("--text-file")) {
    std::string error;
    if (*path == "-") {
      char buf[4096];
      for (size_t n; (n = std::fread(buf, 1, sizeof buf, c.in)) > 0;) r->response.append(buf, n);
    } else if (!ReadTextFile(c.env, *path, &r->response, &error)) {
      *code = Failure(c, error);
      return false;
    }
    if (r->response.compare(0, 3, "\xEF\xBB\xBF") == 0) r->response.erase(0, 3);
    fields->response = true;
  }
  if (const std::string* v = o.Value("--hotkey")) {
    std::string error;
    if (!ParseHotKeyArgument(*v, &r->hotkey, &error)) {
      *code = UsageError(c, error);
      return false;
    }
    fields->hotkey = true;
  }
  return true;
}

// Whether the reply fits the open library's own fields; reports each problem.
bool FitsLibrary(Context& c, TBinaryDataSet& t, const ReplyData& r, ReplyFields fields) {
  const std::vector<std::string> problems = CheckReply(r, fields, ReplySizes::Of(t));
  for (const std::string& p : problems) Failure(c, p);
  return problems.empty();
}

int Add(Context& c, const LibraryOptions& o) {
  ReplyData r;
  ReplyFields given;
  int code;
  if (!ReplyFromOptions(c, o, &r, &given, &code)) return code;
  TBinaryDataSet t(c.env);
  OpenLibrary(t, o.positional[0], false, c.busyWait);
  if (!FitsLibrary(c, t, r, ReplyFields::All())) return kExitFailure;
  t.Insert();
  WriteReply(t, r);
  t.Post();
  std::fprintf(c.out, "added reply %lld\n", static_cast<long long>(CurrentReplyIndex(t)));
  return kExitOk;
}

int Edit(Context& c, const LibraryOptions& o) {
  int64_t index;
  if (!ParseIndex(o.positional[1], &index)) return UsageError(c, "'" + o.positional[1] + "' is not a reply index");
  ReplyData given;
  ReplyFields fields;
  int code;
  if (!ReplyFromOptions(c, o, &given, &fields, &code)) return code;
  if (!fields.category && !fields.description && !fields.response && !fields.hotkey)
    return UsageError(c, "nothing to change: give --category, --description, --text, --text-file or --hotkey");
  TBinaryDataSet t(c.env);
  OpenLibrary(t, o.positional[0], false, c.busyWait);
  if (!GotoReplyIndex(t, index)) return NoSuchReply(c, o.positional[0], index, t);
  ReplyData r = ReadReply(t);
  if (fields.category) r.category = given.category;
  if (fields.description) r.description = given.description;
  if (fields.response) r.response = given.response;
  if (fields.hotkey) r.hotkey = given.hotkey;
  if (!FitsLibrary(c, t, r, fields)) return kExitFailure;
  t.Edit();
  WriteReply(t, r);
  t.Post();
  std::fprintf(c.out, "changed reply %lld\n", static_cast<long long>(index));
  return kExitOk;
}

int Delete(Context& c, const LibraryOptions& o) {
  int64_t index;
  if (!ParseIndex(o.positional[1], &index)) return UsageError(c, "'" + o.positional[1] + "' is not a reply index");
  TBinaryDataSet t(c.env);
  OpenLibrary(t, o.positional[0], false, c.busyWait);
  if (!GotoReplyIndex(t, index)) return NoSuchReply(c, o.positional[0], index, t);
  t.Delete();
  std::fprintf(c.out, "deleted reply %lld\n", static_cast<long long>(index));
  return kExitOk;
}

// --- pack ---

// The slots a table file holds (whole ones, live or deleted) and its size,
// read as the pack reads them; false when it is not a table file.
bool SlotsOf(platform::Env& env, const std::string& path, int64_t* slots, int64_t* size) {
  std::unique_ptr<platform::File> f;
  if (!env.OpenFile(path, platform::FileAccess::Read, platform::FileShare::ReadWrite,
                    platform::FileCreate::OpenExisting, &f) ||
      !f->Size(size))
    return false;
  try {
    storage::TableLayout layout;
    storage::ReadTableLayout(*f, &layout);
    if (layout.recordSize <= 0 || layout.header.StartData > *size) return false;
    *slots = (*size - layout.header.StartData) / layout.recordSize;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

int Pack(Context& c, const LibraryOptions& o) {
  // A library that no longer opens (a slot cut short by a failed write) can
  // still be packed: the counts are taken from the packed file. Any table
  // file is packed, not only a reply library.
  const std::string& path = o.positional[0];
  int64_t slotsBefore = 0, before = 0, after = 0, slotsAfter = 0;
  const bool known = SlotsOf(c.env, path, &slotsBefore, &before);
  TBinaryDataSet t(c.env);
  t.SetTableName(path);
  RetryWhileInUse([&] { t.PackTable(); }, c.busyWait);
  SlotsOf(c.env, path, &slotsAfter, &after);
  std::fprintf(c.out, "packed %s: %s kept", path.c_str(), Replies(static_cast<size_t>(slotsAfter)).c_str());
  if (known)
    std::fprintf(c.out, ", %lld deleted %s removed, %lld -> %lld bytes",
                 static_cast<long long>(slotsBefore - slotsAfter), slotsBefore - slotsAfter == 1 ? "slot" : "slots",
                 static_cast<long long>(before), static_cast<long long>(after));
  std::fputc('\n', c.out);
  return kExitOk;
}

// --- export and import ---

// "json" or "csv": from --format, else from the file name, else json.
bool FormatOf(Context& c, const LibraryOptions& o, const std::string* path, std::string* format, int* code) {
  if (const std::string* f = o.Value("--format")) {
    *format = *f;
  } else {
    std::string ext = path && path->size() > 4 ? path->substr(path->size() - 4) : "";
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char ch) { return std::tolower(ch); });
    *format = ext == ".csv" ? "csv" : "json";
  }
  if (*format == "json" || *format == "csv") return true;
  *code = UsageError(c, "unknown format '" + *format + "' (json or csv)");
  return false;
}

int Export(Context& c, const LibraryOptions& o) {
  const std::string* output = o.Value("--output");
  std::string format;
  int code;
  if (!FormatOf(c, o, output, &format, &code)) return code;
  if (output) {
    platform::FileIdentity outputId, libraryId;
    if (c.env.IdentityOf(*output, &outputId) && c.env.IdentityOf(o.positional[0], &libraryId) && outputId == libraryId)
      return Failure(c, *output + " is the library itself; give another --output");
    if (!o.Has("--force") && (c.env.FileExists(*output) || c.env.DirectoryExists(*output)))
      return Failure(c, *output + " exists; give --force to replace it");
  }
  TBinaryDataSet t(c.env);
  OpenLibrary(t, o.positional[0], true, c.busyWait);
  std::vector<ReplyData> replies;
  for (t.First(); !t.Eof(); t.Next()) replies.push_back(ReadReply(t));
  const std::string text = format == "csv" ? RepliesToCsv(replies) : RepliesToJson(replies);
  if (!output) {
    platform::UseBinaryStdout();
    std::fwrite(text.data(), 1, text.size(), c.out);
    return std::fflush(c.out) == 0 ? kExitOk : Failure(c, "cannot write the output");
  }
  platform::Status s = platform::WriteWholeFile(c.env, *output, text);
  if (!s) return Failure(c, s.message());
  std::fprintf(c.out, "exported %s to %s\n", Replies(replies.size()).c_str(), output->c_str());
  return kExitOk;
}

int Import(Context& c, const LibraryOptions& o) {
  const std::string& path = o.positional[0];
  const std::string& input = o.positional[1];
  std::string format;
  int code;
  if (!FormatOf(c, o, &input, &format, &code)) return code;
  std::string text, error;
  if (!ReadTextFile(c.env, input, &text, &error)) return Failure(c, error);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  std::vector<ReplyData> replies;
  std::vector<std::string> problems;
  if (format == "csv")
    RepliesFromCsv(text, &replies, &problems);
  else
    RepliesFromJson(text, &replies, &problems);
  auto report = [&] {
    for (const std::string& p : problems) Failure(c, input + ": " + p);
    return kExitFailure;
  };
  if (!problems.empty()) return report();
  // Everything is checked against the library's own fields before a reply is
  // added: an import happens whole or not at all.
  TBinaryDataSet t(c.env);
  const bool created = !c.env.FileExists(path);
  if (created) {
    t.SetTableName(path);
    storage::DeclareReplyFields(t);
    t.CreateTable();
  }
  OpenLibrary(t, path, false, c.busyWait);
  const ReplySizes sizes = ReplySizes::Of(t);
  for (size_t i = 0; i < replies.size(); ++i)
    for (const std::string& p : CheckReply(replies[i], ReplyFields::All(), sizes))
      problems.push_back("reply " + std::to_string(i + 1) + ": " + p);
  if (!problems.empty()) {
    t.Close();
    if (created) c.env.RemoveFile(path);
    return report();
  }
  for (const ReplyData& r : replies) {
    t.Insert();
    WriteReply(t, r);
    t.Post();
  }
  std::fprintf(c.out, "imported %s into %s\n", Replies(replies.size()).c_str(), path.c_str());
  return kExitOk;
}

// --- verify ---

// Replies whose hotkey an earlier reply has: the program gives it to the
// earlier one only, and the later one's does nothing.
void ReportHotKeyClashes(Context& c, const std::string& path, storage::TableCheckReport* r) {
  TBinaryDataSet t(c.env);
  OpenLibrary(t, path, true, c.busyWait);
  const std::vector<Listed> all = ReadAll(t);
  std::vector<uint32_t> hotkeys;
  for (const Listed& l : all) hotkeys.push_back(static_cast<uint32_t>(l.reply.hotkey));
  for (const library::HotKeyClash& clash : library::FindHotKeyClashes(hotkeys)) {
    const ReplyData& holder = all[clash.holder].reply;
    const ReplyData& loser = all[clash.loser].reply;
    r->problems.push_back("reply " + std::to_string(clash.loser) + " (" + Printable(loser.description) +
                          ") has the hotkey " + HotKeyOutText(loser.hotkey) + ", which reply " +
                          std::to_string(clash.holder) + " (" + Printable(holder.description) +
                          ") has already: the program gives it to reply " + std::to_string(clash.holder) + " only");
  }
}

int Verify(Context& c, const LibraryOptions& o) {
  const std::string& path = o.positional[0];
  storage::TableCheckReport r = storage::CheckTableFile(c.env, path);
  if (r.readable && r.problems.empty()) {
    try {
      ReportHotKeyClashes(c, path, &r);
    } catch (const std::exception& e) {
      r.problems.push_back(storage::OneLine(e.what()));
    }
  }
  for (const std::string& p : r.problems) std::fprintf(c.out, "%s: problem: %s\n", path.c_str(), p.c_str());
  for (const std::string& n : r.notes) std::fprintf(c.out, "%s: note: %s\n", path.c_str(), n.c_str());
  if (!r.readable) return kExitFailure;
  if (!r.problems.empty()) return kExitFindings;
  std::fprintf(c.out, "%s: ok\n", path.c_str());
  return kExitOk;
}

// --- the table of commands ---

struct CommandEntry {
  const char* name;
  size_t minWords, maxWords;
  std::set<std::string> values, flags;
  int (*run)(Context&, const LibraryOptions&);
  const char* help;
};

const CommandEntry kEntries[] = {
    {"create",
     1,
     1,
     {},
     {"--force"},
     Create,
     "Usage: quillet create FILE.qdk [--force]\n"
     "Creates an empty reply library (212 bytes). An existing file is replaced only with --force.\n"},
    {"list",
     1,
     1,
     {},
     {"--json"},
     List,
     "Usage: quillet list FILE.qdk [--json]\n"
     "Lists the replies in the library's order: index, category, description, hotkey and\n"
     "whether the text is rich (RTF) or plain. Control characters are shown as \\xNN. --json writes {\"replies\": "
     "[...]} with the\n"
     "fields index, record, category, description, hotkey, hotkey_text, formatted, length.\n"},
    {"show",
     2,
     2,
     {},
     {"--json", "--text", "--html"},
     Show,
     "Usage: quillet show FILE.qdk INDEX [--json | --text | --html]\n"
     "Shows one reply with its whole text. --text writes the text alone; --json writes the\n"
     "fields of 'list --json' and the response; --html writes a rich reply's HTML, as a\n"
     "paste puts it on the clipboard.\n"},
    {"add",
     1,
     1,
     {"--category", "--description", "--text", "--text-file", "--hotkey"},
     {},
     Add,
     "Usage: quillet add FILE.qdk [--category TEXT] [--description TEXT]\n"
     "                  [--text TEXT | --text-file PATH] [--hotkey HOTKEY]\n"
     "Adds a reply and prints its index. Texts are UTF-8 and must fit the library's fields\n"
     "(in a library the program made: at most 32 characters for category and description,\n"
     "and the text as stored at most 4096 bytes, where a character Windows-1252 lacks takes\n"
     "an escape of 6 to 16 bytes). --text-file - reads standard input. A hotkey is written\n"
     "as text (Ctrl+Alt+R, Shift+F5) or as the packed number (decimal or 0x...); 0 or \"\"\n"
     "for none. A library in use by another process is waited for up to 10 seconds.\n"},
    {"edit",
     2,
     2,
     {"--category", "--description", "--text", "--text-file", "--hotkey"},
     {},
     Edit,
     "Usage: quillet edit FILE.qdk INDEX [--category TEXT] [--description TEXT]\n"
     "                  [--text TEXT | --text-file PATH] [--hotkey HOTKEY]\n"
     "Changes the given fields of a reply; the others keep their values. See 'add --help'.\n"},
    {"delete",
     2,
     2,
     {},
     {},
     Delete,
     "Usage: quillet delete FILE.qdk INDEX\n"
     "Deletes a reply. Its slot is reused by the next reply added; 'pack' removes it.\n"},
    {"pack",
     1,
     1,
     {},
     {},
     Pack,
     "Usage: quillet pack FILE.qdk\n"
     "Rewrites the library without its deleted slots, and repairs a reply that an\n"
     "interrupted 'add' left half-written. The packed copy is written beside the library\n"
     "and then copied over it in place, so links, owner and mode stay; should that copy\n"
     "fail, the library is put back as it was. Packing needs the library to itself: it\n"
     "waits up to 10 seconds for other users of the file, then fails.\n"},
    {"export",
     1,
     1,
     {"--format", "--output"},
     {"--force"},
     Export,
     "Usage: quillet export FILE.qdk [--format json|csv] [--output PATH [--force]]\n"
     "Writes every reply as UTF-8 JSON or CSV, to PATH or to standard output. An existing\n"
     "PATH is replaced only with --force, and never when it is the library. The format\n"
     "follows --format, else PATH's extension (.csv), else JSON.\n"
     "JSON: {\"replies\": [{\"category\", \"description\", \"response\", \"hotkey\" (number),\n"
     "\"hotkey_text\"}]}. CSV: header category,description,response,hotkey; the hotkey as\n"
     "text, or a number when it has no text form.\n"},
    {"import",
     2,
     2,
     {"--format"},
     {},
     Import,
     "Usage: quillet import FILE.qdk INPUT [--format json|csv]\n"
     "Adds the replies of a JSON or CSV file (as 'export' writes them) to the library,\n"
     "creating it when it does not exist. Nothing is added when any reply has a problem\n"
     "(a character Windows-1252 cannot hold, a text too long, a bad hotkey); every\n"
     "problem is reported.\n"},
    {"verify",
     1,
     1,
     {},
     {},
     Verify,
     "Usage: quillet verify FILE.qdk\n"
     "Checks a library file: the checks the program makes when it opens one, then the\n"
     "field descriptors, the record counts, the free-slot list and the texts; then\n"
     "replies whose hotkey an earlier reply has (the program gives it to that one only).\n"
     "Exit code 0: sound; 1: problems found (listed); 3: the file cannot be read.\n"},
};

}  // namespace

int RunLibraryCommand(platform::Env& env, const std::string& command, const std::vector<std::string>& args, FILE* out,
                      FILE* err, std::chrono::milliseconds busyWait, FILE* in) {
  Context c{env, out, err, command, busyWait, in};
  const CommandEntry* entry = nullptr;
  for (const CommandEntry& s : kEntries)
    if (command == s.name) entry = &s;
  if (!entry) return UsageError(c, "not a library command");
  LibraryOptions o;
  std::string error;
  if (!ParseLibraryOptions(args, entry->values, entry->flags, &o, &error)) return UsageError(c, error);
  if (o.Has("--help")) {
    std::fputs(entry->help, out);
    return kExitOk;
  }
  if (o.positional.size() < entry->minWords || o.positional.size() > entry->maxWords)
    return UsageError(c, o.positional.size() < entry->minWords ? "missing arguments" : "too many arguments");
  try {
    return entry->run(c, o);
  } catch (const storage::EStreamError& e) {
    // "Cannot open file X" alone leaves the user guessing: say why.
    std::string message =
        o.positional[0] + ": " + storage::OneLine(e.what()) + (e.reason().empty() ? "" : ": " + e.reason());
    // A library on a read-only share, or without write permission, can still
    // be read.
    const bool writes = command != "list" && command != "show" && command != "export" && command != "verify";
    if (writes && e.kind() == platform::FileError::AccessDenied)
      message += "\n  (the library cannot be changed here; 'quillet list', 'show' and 'export' only read it)";
    return Failure(c, message);
  } catch (const std::exception& e) {
    std::string message = o.positional[0] + ": " + storage::OneLine(e.what());
    // What an interrupted add or import leaves behind, and what mends it.
    if (std::strncmp(e.what(), "Open: Invalid record size.", 26) == 0 && command != "pack")
      message += "\n  (a change that was interrupted leaves this; 'quillet pack " + o.positional[0] + "' repairs it)";
    return Failure(c, message);
  }
}

#define TQ_LIBRARY_ENTRY(Function, name)                                                        \
  int Function(const std::vector<std::string>& args) {                                          \
    return RunLibraryCommand(Utf8Files(), name, args, stdout, stderr, kLibraryBusyWait, stdin); \
  }
TQ_LIBRARY_ENTRY(RunLibraryCreate, "create")
TQ_LIBRARY_ENTRY(RunLibraryList, "list")
TQ_LIBRARY_ENTRY(RunLibraryShow, "show")
TQ_LIBRARY_ENTRY(RunLibraryAdd, "add")
TQ_LIBRARY_ENTRY(RunLibraryEdit, "edit")
TQ_LIBRARY_ENTRY(RunLibraryDelete, "delete")
TQ_LIBRARY_ENTRY(RunLibraryPack, "pack")
TQ_LIBRARY_ENTRY(RunLibraryExport, "export")
TQ_LIBRARY_ENTRY(RunLibraryImport, "import")
TQ_LIBRARY_ENTRY(RunLibraryVerify, "verify")
#undef TQ_LIBRARY_ENTRY

}  // namespace tq::cli
