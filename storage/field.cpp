#include "storage/field.h"

#include "storage/binary_data_set.h"
#include "storage/errors.h"

namespace tq::storage {

TField::TField(TBinaryDataSet& owner, std::string name, TFieldType type, int32_t size)
    : owner_(owner), name_(std::move(name)), type_(type), size_(size) {}

const FieldLayout& TField::Layout() const {
  if (!bound_ || !owner_.Active()) throw EDatabaseError("Cannot perform this operation on a closed dataset");
  return layout_;
}

namespace {

// Marks the pending record as changed once a write went through.
void Changed(TBinaryDataSet& owner, bool* modified) {
  if (owner.State() == dsInsert || owner.State() == dsEdit) *modified = true;
}

}  // namespace

std::string TField::AsString() const { return GetFieldString(Layout(), owner_.RecordForRead()); }
int32_t TField::AsInteger() const { return GetFieldInteger(Layout(), owner_.RecordForRead()); }
double TField::AsFloat() const { return GetFieldFloat(Layout(), owner_.RecordForRead()); }
bool TField::AsBoolean() const { return GetFieldBoolean(Layout(), owner_.RecordForRead()); }

void TField::SetAsString(const std::string& value) {
  SetFieldString(Layout(), owner_.RecordForWrite(), value);
  Changed(owner_, &owner_.modified_);
}

void TField::SetAsInteger(int32_t value) {
  SetFieldInteger(Layout(), owner_.RecordForWrite(), value);
  Changed(owner_, &owner_.modified_);
}

void TField::SetAsFloat(double value) {
  SetFieldFloat(Layout(), owner_.RecordForWrite(), value);
  Changed(owner_, &owner_.modified_);
}

void TField::SetAsBoolean(bool value) {
  SetFieldBoolean(Layout(), owner_.RecordForWrite(), value);
  Changed(owner_, &owner_.modified_);
}

bool TField::IsNull() const {
  Layout();
  if (type_ != ftBoolean) owner_.ShowMessage("very bad error in get field data");
  return false;
}

void TField::Clear() {
  if (Layout().type == ftBoolean)
    SetAsBoolean(false);
  else
    owner_.ShowMessage("Very bad error in setfield data");
}

}  // namespace tq::storage
