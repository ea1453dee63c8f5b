// The field types a table file can hold: their codes (the component library's
// field type ordinals), how many bytes each occupies in a record, and their
// names as the component library spells them in messages.
#pragma once

#include <cstdint>
#include <string>

namespace tq::storage {

// Codes as stored in a field descriptor. A descriptor read from a file may
// hold any byte; only the codes with a storage size below can be used.
enum TFieldType : uint8_t {
  ftUnknown = 0,
  ftString = 1,
  ftSmallint = 2,
  ftInteger = 3,
  ftWord = 4,
  ftBoolean = 5,
  ftFloat = 6,
  ftCurrency = 7,
  ftBCD = 8,
  ftDate = 9,
  ftTime = 10,
  ftDateTime = 11,
};

// True for the codes a table can create and use.
bool IsSupportedFieldType(TFieldType type);

// Bytes a field of this type and declared size occupies in every record
// (text: size + 4, at most INT32_MAX), or -1 for an unsupported type.
int32_t StorageSizeOf(TFieldType type, int32_t size);

// Bytes a value of this type needs at least (text: its terminating zero).
int32_t MinimumStorageOf(TFieldType type);

// "String", "Integer", ...; "Unknown" for codes without a name.
std::string FieldTypeName(TFieldType type);

}  // namespace tq::storage
