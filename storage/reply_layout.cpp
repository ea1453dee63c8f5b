#include "storage/reply_layout.h"

#include <algorithm>
#include <cctype>

namespace tq::storage {

void DeclareReplyFields(TBinaryDataSet& table) {
  table.AddField(kCategoryField, ftString, kCategorySize);
  table.AddField(kDescriptionField, ftString, kDescriptionSize);
  table.AddField(kResponseField, ftString, kResponseSize);
  table.AddField(kHotKeyField, ftInteger);
}

bool HasReplyLayout(const TBinaryDataSet& table) {
  const auto& defs = table.FieldDefs();
  struct Expected {
    const char* name;
    TFieldType type;
    int32_t size;
  };
  static const Expected kLayout[] = {{kCategoryField, ftString, kCategorySize},
                                     {kDescriptionField, ftString, kDescriptionSize},
                                     {kResponseField, ftString, kResponseSize},
                                     {kHotKeyField, ftInteger, 0}};
  if (defs.size() != std::size(kLayout)) return false;
  for (size_t i = 0; i < defs.size(); ++i)
    if (defs[i].Name != kLayout[i].name || defs[i].DataType != kLayout[i].type || defs[i].Size != kLayout[i].size)
      return false;
  return true;
}

bool IsFormattedReply(const std::string& response) {
  static const std::string kMarker = "{\\rtf1";
  auto it = std::search(response.begin(), response.end(), kMarker.begin(), kMarker.end(),
                        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return it != response.end();
}

}  // namespace tq::storage
