// What quillet's library commands share: opening a reply library, moving to
// a reply by its index, and carrying replies between the library's fields
// and the UTF-8 of the command line, JSON and CSV through the reply codec
// (storage/reply_text_codec.h), with every text the library cannot hold
// reported.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "storage/binary_data_set.h"

namespace tq::cli {

// A reply with UTF-8 texts.
struct ReplyData {
  std::string category;
  std::string description;
  std::string response;
  int32_t hotkey = 0;
  bool operator==(const ReplyData&) const = default;
};

// How long a command waits for a library that another process holds before
// it gives up with "the file is in use by another process".
constexpr std::chrono::milliseconds kLibraryBusyWait{10000};

// Declares the reply fields and opens path (engine errors propagate). While
// another process holds the file, tries again for up to busyWait. A table
// protected by a password is refused: its records cannot be read or written
// without the program's encoding.
void OpenLibrary(storage::TBinaryDataSet& table, const std::string& path, bool readOnly,
                 std::chrono::milliseconds busyWait = kLibraryBusyWait);

// Runs an engine operation that opens a file, again for up to busyWait while
// the file is in use by another process.
void RetryWhileInUse(const std::function<void()>& operation, std::chrono::milliseconds busyWait);

// Goes to the reply of 0-based index n in navigation order, as the program
// does (first record, then n forward). False when there is no such reply.
bool GotoReplyIndex(storage::TBinaryDataSet& table, int64_t n);

// The 0-based index of the table's current record.
int64_t CurrentReplyIndex(storage::TBinaryDataSet& table);

ReplyData ReadReply(storage::TBinaryDataSet& table);

// Which fields a change sets; the rest keep their value.
struct ReplyFields {
  bool category = false, description = false, response = false, hotkey = false;
  static ReplyFields All() { return {true, true, true, true}; }
};

// The characters each text field holds.
struct ReplySizes {
  int32_t category = 32, description = 32, response = 4096;
  // The sizes of the open table's own fields.
  static ReplySizes Of(storage::TBinaryDataSet& table);
};

// Checks that the chosen fields of reply fit the library: UTF-8 with no zero
// character; category and description at most their field's size in UTF-16
// units (32 in a library the program created); and, when any text is
// chosen, the stored Response of the whole reply at most its field's size
// (4096 bytes), escapes and marks included. Returns one message per problem
// ("description: ..."); empty when it fits.
std::vector<std::string> CheckReply(const ReplyData& reply, ReplyFields fields, const ReplySizes& sizes = {});

// Writes the whole reply into the table's record buffer (Insert or Edit
// state): the stored form of each text depends on all three. The reply must
// have passed CheckReply.
void WriteReply(storage::TBinaryDataSet& table, const ReplyData& reply);

// A hotkey as quillet writes it: its text form ("Ctrl+Alt+R") when that
// reads back to the same value, else the number; "" for 0.
std::string HotKeyOutText(int32_t value);

// Reads a hotkey given as text ("Ctrl+Alt+R", "F5") or as a number (decimal
// or 0x hexadecimal; "" and "0" mean none). False with *error otherwise.
bool ParseHotKeyArgument(const std::string& text, int32_t* value, std::string* error);

// A path's contents; false with *error when it cannot be read.
bool ReadTextFile(platform::Env& env, const std::string& path, std::string* text, std::string* error);

}  // namespace tq::cli
