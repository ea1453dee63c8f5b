#include "storage/reply_layout.h"

#include <algorithm>
#include <cctype>

namespace tq::storage {

void DeclareReplyFields(TBinaryDataSet& table) {
  for (const ReplyField& field : kReplyFields) table.AddField(field.name, field.type, field.size);
}

ReplyTexts ReadReplyTexts(TBinaryDataSet& table) {
  return DecodeReplyTexts({table.FieldByName(kCategoryField).AsString(),
                           table.FieldByName(kDescriptionField).AsString(),
                           table.FieldByName(kResponseField).AsString()});
}

int32_t ReadReplyHotKey(TBinaryDataSet& table) { return table.FieldByName(kHotKeyField).AsInteger(); }

void WriteReplyFields(TBinaryDataSet& table, const ReplyTexts& texts, int32_t hotKey) {
  const ReplyTexts stored = EncodeReplyTexts(texts);
  table.FieldByName(kCategoryField).SetAsString(stored.category);
  table.FieldByName(kDescriptionField).SetAsString(stored.description);
  table.FieldByName(kResponseField).SetAsString(stored.response);
  table.FieldByName(kHotKeyField).SetAsInteger(hotKey);
}

bool IsFormattedReply(const std::string& response) {
  static const std::string kMarker = "{\\rtf1";
  auto it = std::search(response.begin(), response.end(), kMarker.begin(), kMarker.end(),
                        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return it != response.end();
}

}  // namespace tq::storage
