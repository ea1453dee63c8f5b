// Reading and checking the fixed part of a table file (header and field
// descriptors) the way opening a table does, step by step with the exact
// messages, so that the engine, the pack and the file checker agree on what
// a valid file is.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/env.h"
#include "storage/file_format.h"

namespace tq::storage {

// Largest record the engine will handle; larger ones come only from damaged
// files or absurd declarations.
constexpr int64_t kMaxRecordSize = int64_t{1} << 20;

struct TableLayout {
  TDataFileHeader header;
  std::vector<TFieldDescriptor> descriptors;
  std::vector<int64_t> offsets;  // of each field in a slot, from 8
  int64_t recordSize = 0;        // 8 plus the sum of the storage sizes

  int64_t SlotCount() const { return int64_t{header.RecordCount} + header.DeletedCount; }
  int64_t SlotOffset(int64_t slot) const { return header.StartData + slot * recordSize; }
};

// Reads the header and the descriptors into *layout, as it goes, and checks
// signature, version and field count. Throws EStreamError ("Stream read
// error"), EBinaryDataSetError ("Invalid file type.", "Invalid file
// version.") or EAssertionFailed ("Invalid number of fields.").
void ReadTableLayout(platform::File& file, TableLayout* layout);

// The size checks that follow: the header's record size (when there are
// records), then the file size (the five-line "Open: Invalid record size."
// message).
void CheckRecordSize(const TableLayout& layout);
void CheckFileSize(const TableLayout& layout, int64_t fileSize);

// Storage sizes that are not negative and a record of sane size: checked
// before anything computes with them.
void CheckStorageSanity(const TableLayout& layout);

// What a sound engine needs besides, checked after the above: storage sizes
// that are not negative and a record of sane size, counts that are not
// negative, slots that start after the descriptors.
void CheckTableSanity(const TableLayout& layout);

}  // namespace tq::storage
