#include "app/reply_library.h"

#include "storage/reply_layout.h"

namespace tq::app {
namespace {

ReplyRecord CurrentReply(storage::TBinaryDataSet& table) {
  ReplyRecord r;
  r.Category = table.FieldByName(storage::kCategoryField).AsString();
  r.Description = table.FieldByName(storage::kDescriptionField).AsString();
  r.Response = table.FieldByName(storage::kResponseField).AsString();
  r.HotKey = table.FieldByName(storage::kHotKeyField).AsInteger();
  return r;
}

}  // namespace

void OpenReplyTable(storage::TBinaryDataSet& table, const std::string& path) {
  table.Close();
  table.SetTableName(path);
  if (table.FieldCount() == 0 || table.FindField(storage::kCategoryField) == nullptr)
    storage::DeclareReplyFields(table);
  table.Open();
}

void CreateReplyTable(storage::TBinaryDataSet& table, const std::string& path) {
  table.Close();
  table.SetTableName(path);
  if (table.FieldCount() == 0 || table.FindField(storage::kCategoryField) == nullptr)
    storage::DeclareReplyFields(table);
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
