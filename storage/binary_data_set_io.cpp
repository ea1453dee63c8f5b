// TBinaryDataSet: reading and writing slots and the header, storing new
// records in freed or new slots, freeing slots.
#include <cstring>

#include "storage/binary_data_set.h"
#include "storage/errors.h"

namespace tq::storage {

void TBinaryDataSet::Crypt(uint8_t* buffer, size_t size, const std::string& password, bool reading) {
  OnCryptData(buffer, static_cast<int>(size), password, reading);
}

void TBinaryDataSet::WriteToFile(int64_t offset, const void* data, size_t size) {
  // The name is checked before every write of a change: the check is what
  // keeps a record from going into a file nobody will see again.
  if (!fileCheckedForBulk_) CheckFileUnchanged();
  if (!file_->WriteAt(offset, data, size)) throw EStreamError("Stream write error");
}

void TBinaryDataSet::WriteHeader() {
  if (!file_) throw EAssertionFailed("fStream=Nil");
  // The size the fields make: a table opened without records was not held
  // to its stored size, and a wrong one written back would stop the next
  // open once a record is there.
  layout_.header.RecordSize = static_cast<int32_t>(layout_.recordSize);
  uint8_t raw[kHeaderSize];
  EncodeHeader(layout_.header, raw);
  WriteToFile(0, raw, kHeaderSize);
}

void TBinaryDataSet::ReadSlot(uint8_t* buffer, int64_t slot, const std::string& password) {
  const auto size = static_cast<size_t>(layout_.recordSize);
  size_t got = 0;
  if (!file_->ReadAt(layout_.SlotOffset(slot), buffer, size, &got) || got != size)
    throw EStreamError("Stream read error");
  if (OnCryptData && !password.empty()) Crypt(buffer, size, password, true);
}

void TBinaryDataSet::WriteSlot(const uint8_t* buffer, int64_t slot, const std::string& password) {
  const auto size = static_cast<size_t>(layout_.recordSize);
  const uint8_t* out = buffer;
  if (OnCryptData && !password.empty()) {
    // Encoded into a copy, so the caller's buffer keeps the plain record.
    crypt_.resize(size);
    std::memcpy(crypt_.data(), buffer, size);
    Crypt(crypt_.data(), size, password, false);
    out = crypt_.data();
  }
  WriteToFile(layout_.SlotOffset(slot), out, size);
}

TRecordHeader TBinaryDataSet::_ReadRecordHeader(int64_t slot) {
  uint8_t raw[kRecordHeaderSize];
  size_t got = 0;
  if (!file_->ReadAt(layout_.SlotOffset(slot), raw, sizeof raw, &got) || got != sizeof raw)
    throw EStreamError("Stream read error");
  if (Encoding()) Crypt(raw, sizeof raw, password_, true);
  return DecodeRecordHeader(raw);
}

void TBinaryDataSet::_WriteRecordHeader(int64_t slot, const TRecordHeader& header) {
  // The format lets the first 8 bytes of a slot be coded on their own.
  uint8_t raw[kRecordHeaderSize];
  EncodeRecordHeader(header, raw);
  if (Encoding()) Crypt(raw, sizeof raw, password_, false);
  WriteToFile(layout_.SlotOffset(slot), raw, sizeof raw);
}

int64_t TBinaryDataSet::_AddRecord(uint8_t* buffer) {
  TDataFileHeader& h = layout_.header;
  if (h.FirstFree <= 0) return _AppendRecord(buffer);
  const int64_t slot = int64_t{h.FirstFree} - 1;
  // A damaged free list must never lead to a live record being overwritten:
  // the head has to be a deleted slot inside the file. Otherwise the list is
  // dropped (its slots stay dead until a pack) and the record is appended.
  TRecordHeader freed;
  if (h.DeletedCount <= 0 || slot >= SlotCount() || (freed = _ReadRecordHeader(slot)).NextFree == 0) {
    h.FirstFree = -1;
    return _AppendRecord(buffer);
  }
  // The record goes in while the slot still reads as deleted, then the
  // header, and only then is the slot marked live: an interruption never
  // shows a half-written record.
  EncodeRecordHeader(freed, buffer);
  _WriteRecord(buffer, slot);
  const TDataFileHeader before = h;
  h.FirstFree = freed.NextFree;
  h.DeletedCount -= 1;
  h.RecordCount += 1;
  try {
    WriteHeader();
  } catch (...) {
    h = before;
    throw;
  }
  EncodeRecordHeader({0, freed.Reserved}, buffer);
  _WriteRecordHeader(slot, {0, freed.Reserved});
  return slot;
}

int64_t TBinaryDataSet::_AppendRecord(uint8_t* buffer) {
  TDataFileHeader& h = layout_.header;
  const int64_t slot = SlotCount();
  const TDataFileHeader before = h;
  EncodeRecordHeader({0, 0}, buffer);
  try {
    _WriteRecord(buffer, slot);
    h.RecordCount += 1;
    WriteHeader();
  } catch (...) {
    // Take back what was written, so that the file still opens: a partial
    // slot or a slot the header does not count would fail the size check.
    h = before;
    file_->Truncate(layout_.SlotOffset(slot));
    try {
      WriteHeader();
    } catch (...) {
    }
    throw;
  }
  return slot;
}

void TBinaryDataSet::DeleteSlot(int64_t slot) {
  TDataFileHeader& h = layout_.header;
  // Only the record header changes: the slot keeps the record as stored (not
  // whatever the buffer holds now). An empty list may be recorded as 0; a
  // freed slot must never read as live, so it links to -1 then.
  TRecordHeader rh = _ReadRecordHeader(slot);
  _WriteRecordHeader(slot, {h.FirstFree > 0 ? h.FirstFree : -1, rh.Reserved});
  const TDataFileHeader before = h;
  h.FirstFree = static_cast<int32_t>(slot + 1);
  h.DeletedCount += 1;
  h.RecordCount -= 1;
  try {
    WriteHeader();
  } catch (...) {
    // The record stays: mark the slot live again as far as the disk lets us.
    h = before;
    try {
      _WriteRecordHeader(slot, rh);
    } catch (...) {
    }
    throw;
  }
}

}  // namespace tq::storage
