// Reading and writing one field's value inside a record's bytes, for every
// type of the type table, as text, integer, float and boolean, with the
// component library's conversion rules and messages. Never touches a byte
// outside the field's storage.
#pragma once

#include <cstdint>
#include <string>

#include "storage/field_types.h"

namespace tq::storage {

// Where a field's value lives in a slot and how much text it may hold.
struct FieldLayout {
  std::string name;  // for messages
  TFieldType type = ftUnknown;
  int32_t offset = 0;        // from the start of the slot
  int32_t storage = 0;       // bytes the field owns in the slot
  int32_t textCapacity = 0;  // characters a text value may hold (text fields)
};

// Throws EBinaryDataSetError when the field cannot be used: a type code the
// engine does not know, or storage too small for its type.
void CheckFieldUsable(const FieldLayout& field);

// Each of these checks the field first. record points at the slot's first byte.
std::string GetFieldString(const FieldLayout& field, const uint8_t* record);
int32_t GetFieldInteger(const FieldLayout& field, const uint8_t* record);
double GetFieldFloat(const FieldLayout& field, const uint8_t* record);
bool GetFieldBoolean(const FieldLayout& field, const uint8_t* record);

// Writing a text longer than a text field holds keeps its first characters;
// the rest of the field's storage is zeroed so that no older, longer text
// survives behind the terminator. Conversions that fail throw EConvertError,
// values out of an integer type's range EDatabaseError; the record is then
// unchanged.
void SetFieldString(const FieldLayout& field, uint8_t* record, const std::string& value);
void SetFieldInteger(const FieldLayout& field, uint8_t* record, int32_t value);
void SetFieldFloat(const FieldLayout& field, uint8_t* record, double value);
void SetFieldBoolean(const FieldLayout& field, uint8_t* record, bool value);

}  // namespace tq::storage
