#include "cli/library_records.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <thread>

#include "library/hotkey_text.h"
#include "platform/codepage.h"
#include "storage/errors.h"
#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"

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
  storage::ReplyTexts texts = storage::ReadReplyTexts(table);
  return {std::move(texts.category), std::move(texts.description), std::move(texts.response),
          storage::ReadReplyHotKey(table)};
}

namespace {

// The first byte of text that does not begin or continue a well-formed
// UTF-8 character, or npos.
size_t FirstNonUtf8Byte(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t len = b < 0x80                 ? 1
                       : b >= 0xC2 && b <= 0xDF ? 2
                       : b >= 0xE0 && b <= 0xEF ? 3
                       : b >= 0xF0 && b <= 0xF4 ? 4
                                                : 0;
    if (len == 0 || i + len > text.size()) return i;
    char32_t cp = len == 1 ? b : b & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) return i;
      cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return i;
    i += len;
  }
  return std::string_view::npos;
}

// What keeps a text out of any field: bytes that are not UTF-8 and the zero
// character that would end it early.
bool CheckStorable(const char* name, const std::string& utf8, std::vector<std::string>* problems) {
  if (const size_t at = FirstNonUtf8Byte(utf8); at != std::string::npos) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s: the byte 0x%02X, which is not UTF-8", name,
                  static_cast<unsigned char>(utf8[at]));
    problems->push_back(buf);
    return false;
  }
  if (utf8.find('\0') != std::string::npos) {
    problems->push_back(std::string(name) + ": holds a zero character, which the library cannot store");
    return false;
  }
  return true;
}

// Whether the name is storable; reports that and its length.
bool CheckName(const char* name, const std::string& utf8, size_t limit, std::vector<std::string>* problems) {
  if (!CheckStorable(name, utf8, problems)) return false;
  const size_t length = storage::Utf16Length(utf8);
  if (length > limit)
    problems->push_back(std::string(name) + ": " + std::to_string(length) + " characters, at most " +
                        std::to_string(limit) + " fit");
  return true;
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
  bool storable = true;
  if (fields.category) storable &= CheckName("category", reply.category, limit(sizes.category), &problems);
  if (fields.description) storable &= CheckName("description", reply.description, limit(sizes.description), &problems);
  if (fields.response) storable &= CheckStorable("response", reply.response, &problems);
  if (!storable || !(fields.category || fields.description || fields.response)) return problems;
  // The stored response depends on all three texts: a name Windows-1252
  // cannot hold travels in it.
  const storage::ReplyTexts texts{reply.category, reply.description, reply.response};
  const size_t stored = storage::StoredResponseSize(texts);
  if (stored <= limit(sizes.response)) return problems;
  auto holdable = [](const std::string& text) {
    std::string ignored;
    return platform::Utf8ToCp1252(text, &ignored);
  };
  if (holdable(reply.category) && holdable(reply.description) && holdable(reply.response))
    problems.push_back("response: " + std::to_string(stored) + " characters, at most " +
                       std::to_string(limit(sizes.response)) + " fit");
  else
    problems.push_back("response: stored with the escapes of the characters Windows-1252 cannot hold, it takes " +
                       std::to_string(stored) + " bytes, at most " + std::to_string(limit(sizes.response)) + " fit");
  return problems;
}

void WriteReply(storage::TBinaryDataSet& table, const ReplyData& reply) {
  storage::WriteReplyFields(table, {reply.category, reply.description, reply.response}, reply.hotkey);
}

std::string HotKeyOutText(int32_t value) {
  if (value == 0) return "";
  if (value > 0 && value <= 0xFFFF) {
    // Only a text that reads back to the same value (a bare digit key reads
    // as a number, a layout's own key name not at all).
    std::string text = library::HotKeyText(static_cast<uint32_t>(value));
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
  platform::Status s = library::ParseHotKeyText(text, &packed);
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
