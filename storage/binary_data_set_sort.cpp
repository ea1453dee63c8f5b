// TBinaryDataSet: sorting the slots of the file in place.
#include <vector>

#include "storage/binary_data_set.h"
#include "storage/errors.h"
#include "storage/quick_sort.h"

namespace tq::storage {

namespace {

int Sign(double d) { return d < 0 ? -1 : d > 0 ? 1 : 0; }

int CompareText(const std::string& a, const std::string& b) {
  int c = a.compare(b);  // char_traits<char> compares as unsigned char
  return Sign(c);
}

int CompareField(const FieldLayout& f, const uint8_t* a, const uint8_t* b) {
  switch (f.type) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
      return Sign(static_cast<double>(GetFieldInteger(f, a)) - GetFieldInteger(f, b));
    case ftFloat:
    case ftCurrency:
    case ftDate:
    case ftTime:
    case ftDateTime: {
      double x = GetFieldFloat(f, a), y = GetFieldFloat(f, b);
      return x < y ? -1 : x > y ? 1 : 0;
    }
    default:
      return CompareText(GetFieldString(f, a), GetFieldString(f, b));
  }
}

}  // namespace

void TBinaryDataSet::SortTable(const std::vector<std::string>& fieldNames) {
  CheckActive();
  if (readOnly_) throw EBinaryDataSetError("Dataset must be opened for read/write to perform sort.");
  // The sort needs the buffers; a pending record is settled as by a movement.
  CheckBrowseMode();
  // Every key is checked before the first exchange, so an unknown or unusable
  // field never leaves the file half sorted.
  std::vector<FieldLayout> keys;
  for (const std::string& name : fieldNames) {
    FieldLayout f = FieldByName(name).Layout();
    CheckFieldUsable(f);
    keys.push_back(f);
  }
  if (!GetPassword()) throw EBinaryDataSetError("You must enter the password before modifying or viewing this table.");
  const BulkWrite checked(*this);
  const int64_t n = SlotCount();
  if (n > 1) {
    std::vector<uint8_t> a(static_cast<size_t>(layout_.recordSize)), b(a.size());
    auto compare = [&](int64_t x, int64_t y) {
      ReadSlot(a.data(), x - 1, password_);
      ReadSlot(b.data(), y - 1, password_);
      for (const FieldLayout& f : keys)
        if (int c = CompareField(f, a.data(), b.data())) return c;
      return 0;
    };
    auto swap = [&](int64_t x, int64_t y) {
      ReadSlot(a.data(), x - 1, password_);
      ReadSlot(b.data(), y - 1, password_);
      WriteSlot(a.data(), y - 1, password_);
      WriteSlot(b.data(), x - 1, password_);
    };
    QuickSortPositions(1, n, compare, swap);
    RebuildFreeList();
  }
  First();
}

// After the exchanges the NextFree links no longer describe the free list.
// Relinks every deleted slot, lowest first, and only those.
void TBinaryDataSet::RebuildFreeList() {
  std::vector<int64_t> deleted;
  std::vector<TRecordHeader> headers;
  for (int64_t slot = 0; slot < SlotCount(); ++slot) {
    TRecordHeader h = _ReadRecordHeader(slot);
    if (h.NextFree != 0) {
      deleted.push_back(slot);
      headers.push_back(h);
    }
  }
  for (size_t k = 0; k < deleted.size(); ++k) {
    const int32_t next = k + 1 < deleted.size() ? static_cast<int32_t>(deleted[k + 1] + 1) : -1;
    if (headers[k].NextFree != next) _WriteRecordHeader(deleted[k], {next, headers[k].Reserved});
  }
  TDataFileHeader& h = layout_.header;
  h.FirstFree = deleted.empty() ? -1 : static_cast<int32_t>(deleted[0] + 1);
  h.DeletedCount = static_cast<int32_t>(deleted.size());
  h.RecordCount = static_cast<int32_t>(SlotCount() - static_cast<int64_t>(deleted.size()));
  WriteHeader();
}

}  // namespace tq::storage
