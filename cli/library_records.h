// What quillet's library commands share: opening a reply library, moving to
// a reply by its index, and carrying replies between the library's
// Windows-1252 fields and the UTF-8 of the command line, JSON and CSV, with
// every character or length that the library cannot hold reported.
#pragma once

#include <cstdint>
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

// Declares the reply fields and opens path (engine errors propagate).
void OpenLibrary(storage::TBinaryDataSet& table, const std::string& path, bool readOnly);

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

// Checks that the chosen fields of reply fit the library: Windows-1252
// characters only, no zero character, at most 32, 32 and 4096 characters.
// Returns one message per problem ("description: ..."); empty when it fits.
std::vector<std::string> CheckReply(const ReplyData& reply, ReplyFields fields);

// Writes the chosen fields into the table's record buffer (Insert or Edit
// state). The reply must have passed CheckReply.
void WriteReply(storage::TBinaryDataSet& table, const ReplyData& reply, ReplyFields fields);

// A hotkey as quillet writes it: its text form ("Ctrl+Alt+R") when that
// reads back to the same value, else the number; "" for 0.
std::string HotKeyOutText(int32_t value);

// Reads a hotkey given as text ("Ctrl+Alt+R", "F5") or as a number (decimal
// or 0x hexadecimal; "" and "0" mean none). False with *error otherwise.
bool ParseHotKeyArgument(const std::string& text, int32_t* value, std::string* error);

// A path's contents; false with *error when it cannot be read.
bool ReadTextFile(platform::Env& env, const std::string& path, std::string* text, std::string* error);

}  // namespace tq::cli
