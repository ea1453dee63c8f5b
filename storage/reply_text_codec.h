// The reply's three text fields as the program holds them (UTF-8) and as the
// library file stores them (Windows-1252, in fields of 32, 32 and 4096
// bytes). Text Windows-1252 can hold is stored as it is; any other reply is
// stored as RTF whose \uN? escapes and marker groups carry the exact texts,
// while Category and Description get readable stand-ins. README.md in this
// folder describes the stored form.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tq::storage {

struct ReplyTexts {
  std::string category;
  std::string description;
  std::string response;  // plain text, or the RTF of a rich reply
  bool operator==(const ReplyTexts&) const = default;
};

// How DecodeReplyTexts read a stored reply.
enum class StoredReplyForm {
  kWindows1252,   // every byte is its own character
  kMarked,        // the marked form this codec writes
  kDamagedMarks,  // marker groups that this codec would not write so: read as ordinary RTF
};

// The longest category or description, in UTF-16 units (what a Windows edit
// control counts); for Windows-1252 text that is its length in bytes.
inline constexpr size_t kReplyNameUnits = 32;

// Stored fields (Windows-1252 bytes, no zero byte) to UTF-8. Total: any bytes
// give texts, and EncodeReplyTexts of the result gives the same fields back.
ReplyTexts DecodeReplyTexts(const ReplyTexts& stored, StoredReplyForm* form = nullptr);

// UTF-8 texts to stored fields. Each text ends at its first zero character,
// as the fields do; a byte that is not UTF-8 is read as U+FFFD. The stored
// Response may be longer than its field: check with StoredResponseSize.
ReplyTexts EncodeReplyTexts(const ReplyTexts& texts);

// The size in bytes of the Response field EncodeReplyTexts would store.
size_t StoredResponseSize(const ReplyTexts& texts);

// Length of a text in UTF-16 units, for the kReplyNameUnits limit.
size_t Utf16Length(std::string_view utf8);

// The Windows-1252 stand-in of a name: characters Windows-1252 holds stay;
// Latin letters with marks lose them, Greek and Cyrillic are transliterated,
// combining marks dropped, anything else becomes '?'; cut to at most `size`
// bytes between characters. Never empty for a non-empty name.
std::string NameStandIn(std::string_view utf8, size_t size);

}  // namespace tq::storage
