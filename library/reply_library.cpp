#include "library/reply_library.h"

#include "storage/errors.h"
#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"

namespace tq::library {

ReplyRecord CurrentReply(storage::TBinaryDataSet& table) {
  storage::ReplyTexts texts = storage::ReadReplyTexts(table);
  return {std::move(texts.category), std::move(texts.description), std::move(texts.response),
          storage::ReadReplyHotKey(table)};
}

void WriteReply(storage::TBinaryDataSet& table, const ReplyRecord& record) {
  storage::WriteReplyFields(table, {record.Category, record.Description, record.Response}, record.HotKey);
}

int CurrentReplyIndex(storage::TBinaryDataSet& table) {
  const int32_t current = table.RecNo();
  int index = 0;
  for (table.First(); !table.Eof() && table.RecNo() != current; table.Next()) ++index;
  table.SetRecNo(current);
  return index;
}

namespace {

// Closes the table and points it at `path`, with the reply fields declared
// unless they already are.
void AimAt(storage::TBinaryDataSet& table, const std::string& path) {
  table.Close();
  table.SetTableName(path);
  table.SetReadOnly(false);
  if (table.FieldCount() == 0 || table.FindField(storage::kCategoryField) == nullptr)
    storage::DeclareReplyFields(table);
}

}  // namespace

void OpenReplyTable(storage::TBinaryDataSet& table, const std::string& path) {
  AimAt(table, path);
  try {
    table.Open();
    return;
  } catch (const storage::EStreamError& e) {
    if (e.kind() != platform::FileError::AccessDenied) throw;
  }
  // Replies can still be read and inserted from a library nobody may change.
  table.SetReadOnly(true);
  table.Open();
}

std::string LibraryCaption(const std::string& title, const std::string& path, bool readOnly) {
  return title + " - " + path + (readOnly ? " (read-only)" : "");
}

std::string LibraryChangedText(const std::string& path, platform::FileAtPath change) {
  if (change == platform::FileAtPath::Same) return "";
  return "The library file " + path +
         (change == platform::FileAtPath::Replaced ? " was replaced by another file" : " was deleted") +
         " after it was opened.\nNothing was saved to it. Open the library again to go on working with it.";
}

std::string LibraryChangedText(storage::TBinaryDataSet& table) {
  return LibraryChangedText(table.TableName(), table.FileAtTableName());
}

std::string LibraryChangedText(const std::exception& failure) {
  const auto* changed = dynamic_cast<const storage::ETableFileChanged*>(&failure);
  return changed ? LibraryChangedText(changed->path(), changed->change()) : "";
}

void CreateReplyTable(storage::TBinaryDataSet& table, const std::string& path) {
  AimAt(table, path);
  table.CreateTable();
  table.Close();
}

std::vector<ReplyRecord> ReadReplies(storage::TBinaryDataSet& table) {
  std::vector<ReplyRecord> records;
  table.First();
  while (!table.Eof()) {
    records.push_back(CurrentReply(table));
    table.Next();
  }
  return records;
}

ReplyRecord GoToReply(storage::TBinaryDataSet& table, int index) {
  table.First();
  if (index > 0) table.MoveBy(index);
  return CurrentReply(table);
}

}  // namespace tq::library
