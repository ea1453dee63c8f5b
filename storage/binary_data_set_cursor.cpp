// TBinaryDataSet: the cursor over the live (and accepted) records in slot
// order, record numbers and bookmarks.
#include <algorithm>

#include "storage/binary_data_set.h"
#include "storage/errors.h"

namespace tq::storage {

bool TBinaryDataSet::Acceptable(const uint8_t* record) {
  return DecodeRecordHeader(record).NextFree == 0 && (!filtered_ || ProcessFilter(record));
}

// Walks from slot `from` (not included) in one direction to the first
// acceptable record, reading every slot it passes into scratch_.
bool TBinaryDataSet::FetchFrom(int64_t from, Fetch direction, int64_t* found) {
  if (!GetPassword()) throw EBinaryDataSetError("GetRecord: Invalid Password");
  if (layout_.header.RecordCount < 1) return false;
  const int64_t last = SlotCount() - 1;
  int64_t slot = from;
  for (;;) {
    if (direction == Fetch::Next) {
      if (slot >= last) return false;
      slot = std::max<int64_t>(slot + 1, 0);
    } else {
      if (slot <= 0) return false;
      slot = std::min(slot - 1, last);
    }
    ReadSlot(scratch_.data(), slot, password_);
    if (Acceptable(scratch_.data())) {
      *found = slot;
      return true;
    }
  }
}

// Makes the slot just fetched into scratch_ the current record.
void TBinaryDataSet::ReadActive(int64_t slot) {
  buffer_.swap(scratch_);
  activeSlot_ = slot;
  hasRecord_ = true;
  Notify(OnCalcFields);
}

void TBinaryDataSet::ClearActive() {
  std::fill(buffer_.begin(), buffer_.end(), 0);
  activeSlot_ = -1;
  hasRecord_ = false;
  bof_ = eof_ = true;
}

// Lands on the record in `slot`, else the next acceptable one after it, else
// the previous one before it.
void TBinaryDataSet::Resync(int64_t slot) {
  int64_t found;
  if (FetchFrom(slot - 1, Fetch::Next, &found) || FetchFrom(slot, Fetch::Prior, &found)) {
    ReadActive(found);
    bof_ = eof_ = false;
  } else {
    ClearActive();
  }
}

void TBinaryDataSet::CheckBrowseMode() {
  CheckActive();
  if (state_ == dsInsert || state_ == dsEdit) {
    if (modified_)
      Post();
    else
      Cancel();
  }
}

void TBinaryDataSet::First() {
  CheckBrowseMode();
  Notify(BeforeScroll);
  int64_t slot;
  if (FetchFrom(-1, Fetch::Next, &slot)) {
    ReadActive(slot);
    bof_ = true;
    eof_ = false;
  } else {
    ClearActive();
  }
  Notify(AfterScroll);
}

void TBinaryDataSet::Last() {
  CheckBrowseMode();
  Notify(BeforeScroll);
  int64_t slot;
  if (FetchFrom(SlotCount(), Fetch::Prior, &slot)) {
    ReadActive(slot);
    bof_ = false;
    eof_ = true;
  } else {
    ClearActive();
  }
  Notify(AfterScroll);
}

void TBinaryDataSet::Next() { MoveBy(1); }

void TBinaryDataSet::Prior() { MoveBy(-1); }

int TBinaryDataSet::MoveBy(int n) {
  CheckBrowseMode();
  int moved = 0;
  if ((n > 0 && !eof_) || (n < 0 && !bof_)) {
    Notify(BeforeScroll);
    bof_ = eof_ = false;
    int64_t slot;
    for (; n > 0; --n, ++moved) {
      if (!FetchFrom(activeSlot_, Fetch::Next, &slot)) {
        eof_ = true;
        break;
      }
      ReadActive(slot);
    }
    for (; n < 0; ++n, --moved) {
      if (!FetchFrom(activeSlot_, Fetch::Prior, &slot)) {
        bof_ = true;
        break;
      }
      ReadActive(slot);
    }
    Notify(AfterScroll);
  }
  return moved;
}

int32_t TBinaryDataSet::RecNo() const {
  CheckActive();
  return hasRecord_ ? static_cast<int32_t>(activeSlot_ + 1) : 1;
}

void TBinaryDataSet::SetRecNo(int32_t value) {
  CheckBrowseMode();
  // Every number RecNo can give is accepted, slots freed before it included.
  if (value < 1 || value > SlotCount()) return;
  Notify(BeforeScroll);
  Resync(value - 1);
  Notify(AfterScroll);
}

TBookmark TBinaryDataSet::GetBookmark() const {
  CheckActive();
  return hasRecord_ ? static_cast<TBookmark>(activeSlot_) : -1;
}

void TBinaryDataSet::GotoBookmark(TBookmark bookmark) {
  CheckBrowseMode();
  if (bookmark < 0 || bookmark >= SlotCount())
    throw EBinaryDataSetError("Bookmark " + std::to_string(bookmark) + " not found");
  if (!GetPassword()) throw EBinaryDataSetError("GetRecord: Invalid Password");
  ReadSlot(scratch_.data(), bookmark, password_);
  if (!Acceptable(scratch_.data())) throw EDatabaseError("Record not found");
  Notify(BeforeScroll);
  ReadActive(bookmark);
  bof_ = eof_ = false;
  Notify(AfterScroll);
}

}  // namespace tq::storage
