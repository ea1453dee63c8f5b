// TBinaryDataSet: the Insert and Edit states, storing and dropping the
// pending record, deleting records.
#include <algorithm>

#include "storage/binary_data_set.h"
#include "storage/errors.h"

namespace tq::storage {

namespace {

// Runs op; on failure lets the error hook retry it, abort it silently
// (EAbort) or let the error through.
template <class Op>
void WithErrorHook(TBinaryDataSet& dataSet, const TDataSetErrorEvent& hook, Op op) {
  for (;;) {
    try {
      op();
      return;
    } catch (const EAbort&) {
      throw;
    } catch (const std::exception& e) {
      if (!hook) throw;
      TDataAction action = daFail;
      hook(dataSet, e, action);
      if (action == daRetry) continue;
      if (action == daAbort) throw EAbort();
      throw;
    }
  }
}

}  // namespace

void TBinaryDataSet::Insert() {
  CheckBrowseMode();
  Notify(BeforeInsert);
  Notify(BeforeScroll);
  std::fill(buffer_.begin(), buffer_.end(), 0);
  state_ = dsInsert;
  Notify(OnNewRecord);
  // Values set by OnNewRecord are defaults, not changes.
  modified_ = false;
  Notify(AfterInsert);
  Notify(AfterScroll);
}

void TBinaryDataSet::Append() { Insert(); }

void TBinaryDataSet::Edit() {
  CheckActive();
  if (state_ == dsInsert || state_ == dsEdit) return;
  if (!hasRecord_) {
    Insert();
    return;
  }
  Notify(BeforeEdit);
  WithErrorHook(*this, OnEditError, [this] {
    if (!GetPassword()) throw EBinaryDataSetError("GetRecord: Invalid Password");
    // Start from the record as stored, not from values written while browsing.
    ReadSlot(scratch_.data(), activeSlot_, password_);
    buffer_.swap(scratch_);
  });
  state_ = dsEdit;
  modified_ = false;
  Notify(AfterEdit);
}

void TBinaryDataSet::Post() {
  CheckActive();
  if (state_ != dsInsert && state_ != dsEdit) throw EDatabaseError("Dataset not in edit or insert mode");
  Notify(BeforePost);
  int64_t slot = activeSlot_;
  WithErrorHook(*this, OnPostError, [this, &slot] {
    if (readOnly_) throw EBinaryDataSetError("Dataset must be opened for read/write to add or change records.");
    if (!GetPassword())
      throw EBinaryDataSetError("You must enter the password before modifying or viewing this table.");
    if (state_ == dsEdit)
      _WriteRecord(buffer_.data(), activeSlot_);
    else
      slot = _AddRecord(buffer_.data());
  });
  state_ = dsBrowse;
  modified_ = false;
  Resync(slot);
  Notify(AfterPost);
}

void TBinaryDataSet::Cancel() {
  CheckActive();
  if (state_ != dsInsert && state_ != dsEdit) return;
  Notify(BeforeCancel);
  state_ = dsBrowse;
  modified_ = false;
  if (hasRecord_)
    Resync(activeSlot_);
  else
    ClearActive();
  Notify(AfterCancel);
}

void TBinaryDataSet::Delete() {
  CheckActive();
  if (state_ == dsInsert) {
    Cancel();
    return;
  }
  if (!hasRecord_) throw EDatabaseError("Cannot perform this operation on an empty dataset");
  Notify(BeforeDelete);
  Notify(BeforeScroll);
  WithErrorHook(*this, OnDeleteError, [this] {
    if (readOnly_) throw EBinaryDataSetError("Dataset must be opened for read/write to delete records.");
    if (!GetPassword())
      throw EBinaryDataSetError("You must enter the password before modifying or viewing this table.");
    DeleteSlot(activeSlot_);
  });
  state_ = dsBrowse;
  modified_ = false;
  int64_t slot;
  if (FetchFrom(activeSlot_, Fetch::Next, &slot) || FetchFrom(activeSlot_, Fetch::Prior, &slot)) {
    ReadActive(slot);
    bof_ = eof_ = false;
  } else {
    ClearActive();
  }
  Notify(AfterDelete);
  Notify(AfterScroll);
}

}  // namespace tq::storage
