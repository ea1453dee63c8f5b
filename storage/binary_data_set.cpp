// TBinaryDataSet: properties, fields, opening, closing and creating.
#include "storage/binary_data_set.h"

#include <algorithm>
#include <cctype>

#include "storage/errors.h"

namespace tq::storage {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

TBinaryDataSet::TBinaryDataSet(platform::Env& env) : env_(env) {}

TBinaryDataSet::~TBinaryDataSet() {
  // Hooks may refer to objects that are already gone; close quietly.
  BeforeClose = AfterClose = nullptr;
  Close();
}

void TBinaryDataSet::CheckActive() const {
  if (!Active()) throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

void TBinaryDataSet::CheckInactive() const {
  if (Active()) throw EDatabaseError("Cannot perform this operation on an open dataset");
}

void TBinaryDataSet::Notify(const TDataSetNotifyEvent& hook) {
  if (hook) hook(*this);
}

void TBinaryDataSet::ShowMessage(const std::string& message) {
  if (OnMessage) OnMessage(message);
}

void TBinaryDataSet::SetTableName(const std::string& name) {
  if (name == tableName_) return;
  CheckInactive();
  tableName_ = name;
}

void TBinaryDataSet::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  CheckInactive();
  readOnly_ = readOnly;
}

void TBinaryDataSet::SetActive(bool active) {
  if (active)
    Open();
  else
    Close();
}

int32_t TBinaryDataSet::RecordCount() const {
  CheckActive();
  return layout_.header.RecordCount;
}

const TDataFileHeader& TBinaryDataSet::Header() const {
  CheckActive();
  return layout_.header;
}

TField& TBinaryDataSet::AddField(const std::string& name, TFieldType type, int32_t size) {
  CheckInactive();
  declared_.push_back(std::make_unique<TField>(*this, name, type, size));
  return *declared_.back();
}

void TBinaryDataSet::ClearFields() {
  CheckInactive();
  declared_.clear();
}

TField& TBinaryDataSet::Field(int index) {
  if (index < 0 || index >= FieldCount())
    throw EDatabaseError("List index out of bounds (" + std::to_string(index) + ")");
  return *Fields()[static_cast<size_t>(index)];
}

TField* TBinaryDataSet::FindField(const std::string& name) {
  for (const auto& f : Fields())
    if (SameName(f->FieldName(), name)) return f.get();
  return nullptr;
}

TField& TBinaryDataSet::FieldByName(const std::string& name) {
  TField* f = FindField(name);
  if (!f) throw EDatabaseError("Field '" + name + "' not found");
  return *f;
}

const uint8_t* TBinaryDataSet::RecordForRead() const { return filterRecord_ ? filterRecord_ : buffer_.data(); }

uint8_t* TBinaryDataSet::RecordForWrite() { return buffer_.data(); }

void TBinaryDataSet::BindFields() {
  auto bind = [this](TField& f, size_t def) {
    const TFieldDescriptor& d = layout_.descriptors[def];
    f.layout_.name = f.FieldName();
    f.layout_.type = static_cast<TFieldType>(d.DataType);
    f.layout_.offset = static_cast<int32_t>(layout_.offsets[def]);
    f.layout_.storage = d.StorageSize;
    // A text moves with the declared size, but never past what the file's
    // definition allows nor past the field's storage.
    f.layout_.textCapacity = std::max(0, std::min({f.Size(), d.Size, d.StorageSize - 1}));
    f.bound_ = true;
  };
  if (declared_.empty()) {
    for (size_t i = 0; i < layout_.descriptors.size(); ++i) {
      const TFieldDescriptor& d = layout_.descriptors[i];
      defaults_.push_back(std::make_unique<TField>(*this, d.Name, static_cast<TFieldType>(d.DataType), d.Size));
      bind(*defaults_.back(), i);
    }
    return;
  }
  for (const auto& f : declared_) {
    size_t def = 0;
    while (def < layout_.descriptors.size() && !SameName(layout_.descriptors[def].Name, f->FieldName())) ++def;
    if (def == layout_.descriptors.size()) throw EDatabaseError("Field '" + f->FieldName() + "' not found");
    auto actual = static_cast<TFieldType>(layout_.descriptors[def].DataType);
    if (actual != f->DataType())
      throw EDatabaseError("Type mismatch for field '" + f->FieldName() +
                           "', expecting: " + FieldTypeName(f->DataType()) + " actual: " + FieldTypeName(actual));
    bind(*f, def);
  }
}

void TBinaryDataSet::UnbindFields() {
  for (const auto& f : declared_) f->bound_ = false;
  defaults_.clear();
}

void TBinaryDataSet::OpenFile() {
  // A password given for one file is never tried on another.
  if (passwordFile_ != tableName_) ForgetPassword();
  if (tableName_.empty() || !env_.FileExists(tableName_)) throw EBinaryDataSetError("Table file not found.");
  std::unique_ptr<platform::File> file;
  platform::Status s = readOnly_ ? env_.OpenFile(tableName_, platform::FileAccess::Read, platform::FileShare::ReadWrite,
                                                 platform::FileCreate::OpenExisting, &file)
                                 : env_.OpenFile(tableName_, platform::FileAccess::ReadWrite, platform::FileShare::Read,
                                                 platform::FileCreate::OpenExisting, &file);
  if (!s) throw EStreamError("Cannot open file " + tableName_, s);
  TableLayout layout;
  try {
    ReadTableLayout(*file, &layout);
  } catch (...) {
    // The definitions read so far stay, as the next CreateTable uses them.
    fieldDefs_.clear();
    for (const auto& d : layout.descriptors)
      fieldDefs_.push_back({d.Name, static_cast<TFieldType>(d.DataType), d.Size, false, 0});
    throw;
  }
  fieldDefs_.clear();
  for (const auto& d : layout.descriptors)
    fieldDefs_.push_back({d.Name, static_cast<TFieldType>(d.DataType), d.Size, false, 0});
  layout_ = layout;
  try {
    // The sanity of the storage sizes is settled before any field is bound
    // to them: binding does arithmetic on them.
    CheckStorageSanity(layout_);
    BindFields();
    CheckRecordSize(layout_);
    int64_t size = 0;
    if (!file->Size(&size)) throw EStreamError("Stream read error");
    CheckFileSize(layout_, size);
    CheckTableSanity(layout_);
  } catch (...) {
    UnbindFields();
    layout_ = TableLayout();
    throw;
  }
  file_ = std::move(file);
  const auto recordSize = static_cast<size_t>(layout_.recordSize);
  buffer_.assign(recordSize, 0);
  scratch_.assign(recordSize, 0);
  crypt_.clear();  // sized when a slot is first encoded
}

platform::FileAtPath TBinaryDataSet::FileAtTableName() {
  return file_ ? platform::CheckFileAtPath(env_, *file_, tableName_) : platform::FileAtPath::Same;
}

void TBinaryDataSet::CheckFileUnchanged() {
  const platform::FileAtPath at = FileAtTableName();
  if (at != platform::FileAtPath::Same) throw ETableFileChanged(tableName_, at);
}

void TBinaryDataSet::Open() {
  if (Active()) return;
  Notify(BeforeOpen);
  OpenFile();
  state_ = dsBrowse;
  modified_ = false;
  try {
    ClearActive();
    int64_t slot;
    if (FetchFrom(-1, Fetch::Next, &slot)) {
      ReadActive(slot);
      eof_ = false;
    }
  } catch (...) {
    Close();
    throw;
  }
  Notify(AfterOpen);
}

void TBinaryDataSet::Close() {
  if (!Active()) return;
  Notify(BeforeClose);
  state_ = dsInactive;
  modified_ = false;
  file_.reset();
  UnbindFields();
  layout_ = TableLayout();
  buffer_.clear();
  scratch_.clear();
  crypt_.clear();
  hasRecord_ = false;
  activeSlot_ = -1;
  bof_ = eof_ = true;
  Notify(AfterClose);
}

void TBinaryDataSet::CreateTable() {
  CheckInactive();
  if (tableName_.empty()) throw EBinaryDataSetError("Table filename not specified.");
  if (readOnly_) throw EBinaryDataSetError("Dataset must be opened for read/write to create a new table.");
  std::vector<TFieldDef> defs = fieldDefs_;
  if (defs.empty())
    for (const auto& f : declared_) defs.push_back({f->FieldName(), f->DataType(), f->Size(), f->Required(), 0});

  // Everything is checked before the file is touched, so a refused creation
  // neither destroys an existing file nor leaves a half-written one.
  if (defs.empty()) throw EBinaryDataSetError("CreateTable: No fields defined.");
  std::vector<TFieldDescriptor> descriptors;
  int64_t recordSize = kRecordHeaderSize;
  for (const TFieldDef& def : defs) {
    if (def.Name.size() > static_cast<size_t>(kMaxFieldNameLength))
      throw EBinaryDataSetError("CreateTable: Field name '" + def.Name + "' is longer than " +
                                std::to_string(kMaxFieldNameLength) + " characters.");
    int32_t storage = StorageSizeOf(def.DataType, def.Size);
    if (storage < 0) throw EBinaryDataSetError("InitFieldsDefs: Unsupported field type");
    if (def.DataType == ftString && def.Size < 0)
      throw EBinaryDataSetError("CreateTable: Invalid size for field '" + def.Name + "'.");
    recordSize += storage;
    if (recordSize > kMaxRecordSize) throw EBinaryDataSetError("CreateTable: Record size too large.");
    descriptors.push_back({def.Name, static_cast<uint8_t>(def.DataType), storage,
                           def.DataType == ftString ? def.Size : 0, def.Precision});
  }

  std::unique_ptr<platform::File> file;
  if (!env_.OpenFile(tableName_, platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                     platform::FileCreate::CreateAlways, &file))
    throw EStreamError("Cannot create file " + tableName_);
  TDataFileHeader h;
  h.Signature = kSignature;
  h.Version = kVersion;
  h.PasswordCheck = FilledCheckBlock(kNoPasswordChosenByte);
  h.FieldCount = static_cast<int32_t>(descriptors.size());
  h.FirstFree = -1;
  h.StartData = -1;
  uint8_t raw[kHeaderSize];
  bool ok = true;
  EncodeHeader(h, raw);
  ok = ok && file->WriteAt(0, raw, kHeaderSize).ok();
  int64_t pos = kHeaderSize;
  for (const TFieldDescriptor& d : descriptors) {
    uint8_t bytes[kDescriptorSize];
    EncodeDescriptor(d, bytes);
    ok = ok && file->WriteAt(pos, bytes, kDescriptorSize).ok();
    pos += kDescriptorSize;
  }
  h.StartData = static_cast<int32_t>(pos);
  h.RecordSize = static_cast<int32_t>(recordSize);
  EncodeHeader(h, raw);
  ok = ok && file->WriteAt(0, raw, kHeaderSize).ok();
  file.reset();
  if (!ok) {
    env_.RemoveFile(tableName_);
    throw EStreamError("Stream write error");
  }
  // A new file: whatever password was remembered belongs to the old one.
  ForgetPassword();
}

}  // namespace tq::storage
