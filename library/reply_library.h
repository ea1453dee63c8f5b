// The main window's access to the open library file: creating an empty one
// of the reply layout, opening one, and reading and writing its records in
// table order (record i has reply index i) as UTF-8.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "library/reply_record.h"
#include "storage/binary_data_set.h"

namespace tq::library {

// Closes the table, then opens `path` with the reply layout: for reading and
// writing, or, when writing is denied (a file without write permission, a
// read-only share), for reading only; table.ReadOnly() tells which. Throws
// what the table throws.
void OpenReplyTable(storage::TBinaryDataSet& table, const std::string& path);
// The main window's caption with a library open: the title, " - ", the path,
// and " (read-only)" when it is open for reading only.
std::string LibraryCaption(const std::string& title, const std::string& path, bool readOnly);
// What the user is told when the library's file was deleted or replaced
// after it was opened (so nothing was written to it); empty while the name
// still names the open file.
std::string LibraryChangedText(const std::string& path, platform::FileAtPath change);
std::string LibraryChangedText(storage::TBinaryDataSet& table);
// The same for a change the table refused for that reason; empty for any
// other failure.
std::string LibraryChangedText(const std::exception& failure);
// Closes the table and creates an empty library file at `path`.
void CreateReplyTable(storage::TBinaryDataSet& table, const std::string& path);
// The current record's reply, its texts read through the reply codec
// (storage/reply_text_codec.h) to UTF-8.
ReplyRecord CurrentReply(storage::TBinaryDataSet& table);
// Writes every field of a reply into the record buffer (Insert or Edit
// state), the texts through the reply codec. Changing one text can change
// the stored form of the others, so they are always written together. The
// caller checks the size first (storage::StoredResponseSize).
void WriteReply(storage::TBinaryDataSet& table, const ReplyRecord& record);
// The current record's reply index: how many records come before it from the
// first. The record is current again afterwards.
int CurrentReplyIndex(storage::TBinaryDataSet& table);
// Every record, from the first; the cursor ends past the last.
std::vector<ReplyRecord> ReadReplies(storage::TBinaryDataSet& table);
// Moves to the record of a reply index and returns it.
ReplyRecord GoToReply(storage::TBinaryDataSet& table, int index);

}  // namespace tq::library
