#include "storage/reply_layout.h"

#include <algorithm>
#include <cctype>

namespace tq::storage {

void DeclareReplyFields(TBinaryDataSet& table) {
  for (const ReplyField& field : kReplyFields) table.AddField(field.name, field.type, field.size);
}

bool IsFormattedReply(const std::string& response) {
  static const std::string kMarker = "{\\rtf1";
  auto it = std::search(response.begin(), response.end(), kMarker.begin(), kMarker.end(),
                        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return it != response.end();
}

}  // namespace tq::storage
