// TBinaryDataSet: deciding whether a record passes the filter.
#include <algorithm>
#include <cstring>

#include "storage/binary_data_set.h"
#include "storage/filter_expression.h"

namespace tq::storage {

bool TBinaryDataSet::ProcessFilter(const uint8_t* record) {
  if (OnFilterRecord) {
    bool accept = true;
    filterRecord_ = record;
    try {
      OnFilterRecord(*this, accept);
    } catch (...) {
      // A failing filter rejects the record; it never stops the walk.
      accept = false;
    }
    filterRecord_ = nullptr;
    return accept;
  }
  const FilterExpression x = ParseFilter(filter_);
  if (!x.hasOperator) return true;
  // The name must match a definition exactly, letter case included.
  auto it = std::find_if(layout_.descriptors.begin(), layout_.descriptors.end(),
                         [&](const TFieldDescriptor& d) { return d.Name == x.fieldName; });
  if (it == layout_.descriptors.end()) return true;
  if (it->DataType != ftString) return false;
  const auto index = static_cast<size_t>(it - layout_.descriptors.begin());
  const uint8_t* p = record + layout_.offsets[index];
  const auto limit = static_cast<size_t>(std::max(0, std::min(it->Size, it->StorageSize)));
  const auto* end = static_cast<const uint8_t*>(std::memchr(p, 0, limit));
  std::string value(reinterpret_cast<const char*>(p), end ? static_cast<size_t>(end - p) : limit);
  return FilterAccepts(x.op, TrimFilterText(value), x.literal);
}

}  // namespace tq::storage
