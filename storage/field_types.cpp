#include "storage/field_types.h"

#include <cstdint>

namespace tq::storage {

bool IsSupportedFieldType(TFieldType type) { return StorageSizeOf(type, 0) >= 0; }

int32_t StorageSizeOf(TFieldType type, int32_t size) {
  switch (type) {
    case ftString:
      // A size no record could hold stays the largest storage, never wraps.
      return size > INT32_MAX - 4 ? INT32_MAX : size + 4;
    case ftSmallint:
    case ftWord:
    case ftBoolean:
      return 2;
    case ftInteger:
    case ftDate:
    case ftTime:
      return 4;
    case ftFloat:
    case ftCurrency:
    case ftDateTime:
      return 8;
    default:
      return -1;
  }
}

int32_t MinimumStorageOf(TFieldType type) { return type == ftString ? 1 : StorageSizeOf(type, 0); }

std::string FieldTypeName(TFieldType type) {
  static const char* const kNames[] = {"Unknown", "String",   "SmallInt", "Integer", "Word", "Boolean",
                                       "Float",   "Currency", "BCD",      "Date",    "Time", "DateTime"};
  return type < sizeof kNames / sizeof kNames[0] ? kNames[type] : "Unknown";
}

}  // namespace tq::storage
