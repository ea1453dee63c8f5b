#include "app/core/reply_library.h"

#include "storage/reply_layout.h"

namespace tq::app {

ReplyRecord CurrentReply(storage::TBinaryDataSet& table) {
  ReplyRecord r;
  r.Category = table.FieldByName(storage::kCategoryField).AsString();
  r.Description = table.FieldByName(storage::kDescriptionField).AsString();
  r.Response = table.FieldByName(storage::kResponseField).AsString();
  r.HotKey = table.FieldByName(storage::kHotKeyField).AsInteger();
  return r;
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
  if (table.FieldCount() == 0 || table.FindField(storage::kCategoryField) == nullptr)
    storage::DeclareReplyFields(table);
}

}  // namespace

void OpenReplyTable(storage::TBinaryDataSet& table, const std::string& path) {
  AimAt(table, path);
  table.Open();
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

}  // namespace tq::app
