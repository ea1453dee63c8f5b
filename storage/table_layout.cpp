#include "storage/table_layout.h"

#include <string>

#include "storage/errors.h"

namespace tq::storage {

namespace {

void ReadExactly(platform::File& file, int64_t offset, uint8_t* buf, size_t n) {
  size_t got = 0;
  if (!file.ReadAt(offset, buf, n, &got) || got != n) throw EStreamError("Stream read error");
}

}  // namespace

void ReadTableLayout(platform::File& file, TableLayout* layout) {
  *layout = TableLayout();
  uint8_t raw[kHeaderSize];
  ReadExactly(file, 0, raw, sizeof raw);
  layout->header = DecodeHeader(raw);
  const TDataFileHeader& h = layout->header;
  if (h.Signature != kSignature) throw EBinaryDataSetError("Invalid file type.");
  if (h.Version > kVersion) throw EBinaryDataSetError("Invalid file version.");
  if (h.FieldCount < 1) throw EAssertionFailed("Invalid number of fields.");
  int64_t offset = 8;
  for (int32_t i = 0; i < h.FieldCount; ++i) {
    uint8_t d[kDescriptorSize];
    ReadExactly(file, kHeaderSize + int64_t{kDescriptorSize} * i, d, sizeof d);
    layout->descriptors.push_back(DecodeDescriptor(d));
    layout->offsets.push_back(offset);
    offset += layout->descriptors.back().StorageSize;
  }
  layout->recordSize = offset;
}

void CheckRecordSize(const TableLayout& layout) {
  if (layout.header.RecordCount > 0 && layout.header.RecordSize != layout.recordSize)
    throw EBinaryDataSetError("Open: File record size mismatch.");
}

void CheckFileSize(const TableLayout& layout, int64_t fileSize) {
  const TDataFileHeader& h = layout.header;
  // Damaged headers can make the product overflow; such a file cannot match.
  int64_t expected = 0;
  bool overflow = __builtin_mul_overflow(layout.SlotCount(), layout.recordSize, &expected) ||
                  __builtin_add_overflow(expected, int64_t{h.StartData}, &expected);
  if (overflow || expected != fileSize)
    throw EBinaryDataSetError("Open: Invalid record size.\rStartData   : " + std::to_string(h.StartData) +
                              "\rfRecordCount: " + std::to_string(h.RecordCount) + "\rfRecordSize : " +
                              std::to_string(layout.recordSize) + "\rfStream.SIze: " + std::to_string(fileSize));
}

void CheckStorageSanity(const TableLayout& layout) {
  for (const TFieldDescriptor& d : layout.descriptors)
    if (d.StorageSize < 0) throw EBinaryDataSetError("Open: Invalid field storage size.");
  if (layout.recordSize > kMaxRecordSize) throw EBinaryDataSetError("Open: Invalid field storage size.");
}

void CheckTableSanity(const TableLayout& layout) {
  const TDataFileHeader& h = layout.header;
  CheckStorageSanity(layout);
  if (h.RecordCount < 0 || h.DeletedCount < 0) throw EBinaryDataSetError("Open: Invalid record count.");
  if (h.StartData < StartDataFor(h.FieldCount)) throw EBinaryDataSetError("Open: Invalid start of data.");
}

}  // namespace tq::storage
