// TField: one field of a TBinaryDataSet, a named value of the table's current
// record that can be read and written as text, integer, float or boolean.
// Declared fields live as long as their table and are bound to the file's
// field definitions while it is open; a table with no declared fields makes
// one field per definition when it opens.
#pragma once

#include <cstdint>
#include <string>

#include "storage/field_types.h"
#include "storage/field_value.h"

namespace tq::storage {

class TBinaryDataSet;

class TField {
 public:
  TField(TBinaryDataSet& owner, std::string name, TFieldType type, int32_t size);
  TField(const TField&) = delete;
  TField& operator=(const TField&) = delete;

  const std::string& FieldName() const { return name_; }
  TFieldType DataType() const { return type_; }
  int32_t Size() const { return size_; }  // declared characters of a text field
  // Characters a text keeps in the open table: the least of the declared
  // size, the size in the file's own descriptor and its storage.
  int32_t TextCapacity() const { return Layout().textCapacity; }
  bool Required() const { return required_; }
  void SetRequired(bool required) { required_ = required; }

  // Reading needs an open table. Writing changes the current record buffer:
  // in the Insert and Edit states that makes the record modified; in the
  // Browse state it changes only the buffered copy, which the next movement
  // discards.
  std::string AsString() const;
  void SetAsString(const std::string& value);
  int32_t AsInteger() const;
  void SetAsInteger(int32_t value);
  double AsFloat() const;
  void SetAsFloat(double value);
  bool AsBoolean() const;
  void SetAsBoolean(bool value);

  // Every field always holds a value, so this answers false; for every type
  // but ftBoolean the table first shows "very bad error in get field data".
  bool IsNull() const;
  // Sets an ftBoolean field to false; other types keep their value and the
  // table shows "Very bad error in setfield data".
  void Clear();

 private:
  friend class TBinaryDataSet;
  const FieldLayout& Layout() const;

  TBinaryDataSet& owner_;
  std::string name_;
  TFieldType type_;
  int32_t size_;
  bool required_ = false;
  bool bound_ = false;
  FieldLayout layout_;  // valid while bound
};

}  // namespace tq::storage
