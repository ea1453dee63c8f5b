#include "cli/library_records.h"

#include <algorithm>
#include <charconv>
#include <thread>
#include <cstdio>

#include "app/core/hotkey_text.h"
#include "platform/codepage.h"
#include "storage/errors.h"
#include "storage/reply_layout.h"

namespace tq::cli {

void RetryWhileInUse(const std::function<void()>& operation, std::chrono::milliseconds busyWait) {
  const auto giveUp = std::chrono::steady_clock::now() + busyWait;
  for (auto pause = std::chrono::milliseconds(2);; pause = std::min(pause * 2, std::chrono::milliseconds(50))) {
    try {
      operation();
      return;
    } catch (const storage::EStreamError& e) {
      if (!e.inUse() || std::chrono::steady_clock::now() + pause > giveUp) throw;
    }
    std::this_thread::sleep_for(pause);
  }
}

void OpenLibrary(storage::TBinaryDataSet& table, const std::string& path, bool readOnly,
                 std::chrono::milliseconds busyWait) {
  table.SetTableName(path);
  table.SetReadOnly(readOnly);
  if (table.FieldCount() == 0 || table.FindField(storage::kCategoryField) == nullptr)
    storage::DeclareReplyFields(table);
  RetryWhileInUse([&] { table.Open(); }, busyWait);
  if (storage::ClassifyCheckBlock(table.Header().PasswordCheck) == storage::CheckBlockState::Protected) {
    table.Close();
    throw storage::EBinaryDataSetError(
        "the library is protected by a password; quillet cannot read or change its encoded replies");
  }
}

bool GotoReplyIndex(storage::TBinaryDataSet& table, int64_t n) {
  if (n < 0 || n > INT32_MAX) return false;
  table.First();
  if (table.Eof()) return false;
  return table.MoveBy(static_cast<int>(n)) == n;
}

int64_t CurrentReplyIndex(storage::TBinaryDataSet& table) {
  const storage::TBookmark here = table.GetBookmark();
  int64_t index = 0;
  for (table.First(); !table.Eof() && table.GetBookmark() != here; table.Next()) ++index;
  table.GotoBookmark(here);
  return index;
}

ReplyData ReadReply(storage::TBinaryDataSet& table) {
  ReplyData r;
  r.category = platform::Cp1252ToUtf8(table.FieldByName(storage::kCategoryField).AsString());
  r.description = platform::Cp1252ToUtf8(table.FieldByName(storage::kDescriptionField).AsString());
  r.response = platform::Cp1252ToUtf8(table.FieldByName(storage::kResponseField).AsString());
  r.hotkey = table.FieldByName(storage::kHotKeyField).AsInteger();
  return r;
}

namespace {

// Names the character a conversion stopped at: "'☃' (U+2603)", or the byte
// of text that is not UTF-8 at all.
std::string DescribeBad(const std::string& bad) {
  if (bad.size() == 1 && static_cast<unsigned char>(bad[0]) >= 0x80) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "the byte 0x%02X, which is not UTF-8", static_cast<unsigned char>(bad[0]));
    return buf;
  }
  uint32_t cp = 0;
  const auto b = static_cast<unsigned char>(bad[0]);
  const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  cp = extra == 0 ? b : b & (0x3F >> extra);
  for (size_t i = 1; i < bad.size(); ++i) cp = (cp << 6) | (static_cast<unsigned char>(bad[i]) & 0x3F);
  char buf[32];
  std::snprintf(buf, sizeof buf, " (U+%04X)", cp);
  return "'" + bad + "'" + buf + ", which Windows-1252 cannot hold";
}

void CheckText(const char* name, const std::string& utf8, size_t limit, std::vector<std::string>* problems) {
  std::string ansi, bad;
  if (!platform::Utf8ToCp1252(utf8, &ansi, &bad)) {
    problems->push_back(std::string(name) + ": " + DescribeBad(bad));
    return;
  }
  if (ansi.find('\0') != std::string::npos)
    problems->push_back(std::string(name) + ": holds a zero character, which the library cannot store");
  if (ansi.size() > limit)
    problems->push_back(std::string(name) + ": " + std::to_string(ansi.size()) + " characters, at most " +
                        std::to_string(limit) + " fit");
}

std::string ToAnsi(const std::string& utf8) {
  std::string ansi;
  platform::Utf8ToCp1252(utf8, &ansi);
  return ansi;
}

}  // namespace

ReplySizes ReplySizes::Of(storage::TBinaryDataSet& table) {
  return {table.FieldByName(storage::kCategoryField).TextCapacity(),
          table.FieldByName(storage::kDescriptionField).TextCapacity(),
          table.FieldByName(storage::kResponseField).TextCapacity()};
}

std::vector<std::string> CheckReply(const ReplyData& reply, ReplyFields fields, const ReplySizes& sizes) {
  std::vector<std::string> problems;
  auto limit = [](int32_t size) { return static_cast<size_t>(std::max(size, 0)); };
  if (fields.category) CheckText("category", reply.category, limit(sizes.category), &problems);
  if (fields.description) CheckText("description", reply.description, limit(sizes.description), &problems);
  if (fields.response) CheckText("response", reply.response, limit(sizes.response), &problems);
  return problems;
}

void WriteReply(storage::TBinaryDataSet& table, const ReplyData& reply, ReplyFields fields) {
  if (fields.category) table.FieldByName(storage::kCategoryField).SetAsString(ToAnsi(reply.category));
  if (fields.description) table.FieldByName(storage::kDescriptionField).SetAsString(ToAnsi(reply.description));
  if (fields.response) table.FieldByName(storage::kResponseField).SetAsString(ToAnsi(reply.response));
  if (fields.hotkey) table.FieldByName(storage::kHotKeyField).SetAsInteger(reply.hotkey);
}

std::string HotKeyOutText(int32_t value) {
  if (value == 0) return "";
  if (value > 0 && value <= 0xFFFF) {
    // Only a text that reads back to the same value (a bare digit key reads
    // as a number, a layout's own key name not at all).
    std::string text = app::HotKeyText(static_cast<uint32_t>(value));
    int32_t back = 0;
    std::string error;
    if (!text.empty() && ParseHotKeyArgument(text, &back, &error) && back == value) return text;
  }
  return std::to_string(value);
}

bool ParseHotKeyArgument(const std::string& text, int32_t* value, std::string* error) {
  if (text.empty()) {
    *value = 0;
    return true;
  }
  const bool negative = text[0] == '-';
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (negative || hex || (text[0] >= '0' && text[0] <= '9')) {
    const char* first = text.data() + (negative ? 1 : hex ? 2 : 0);
    const char* last = text.data() + text.size();
    uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(first, last, magnitude, hex ? 16 : 10);
    const uint64_t limit = negative ? uint64_t{1} << 31 : hex ? UINT32_MAX : INT32_MAX;
    if (first == last || ec != std::errc() || end != last || magnitude > limit) {
      *error = "'" + text + "' is not a hotkey number (a 32-bit integer)";
      return false;
    }
    *value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                      : static_cast<int32_t>(static_cast<uint32_t>(magnitude));
    return true;
  }
  uint16_t packed = 0;
  platform::Status s = app::ParseHotKeyText(text, &packed);
  if (!s) {
    *error = s.message();
    return false;
  }
  *value = packed;
  return true;
}

bool ReadTextFile(platform::Env& env, const std::string& path, std::string* text, std::string* error) {
  platform::Status s = platform::ReadWholeFile(env, path, text);
  if (!s) *error = s.message();
  return s.ok();
}

}  // namespace tq::cli
