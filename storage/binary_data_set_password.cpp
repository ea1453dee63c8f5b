// TBinaryDataSet: the password check, changing the password, locking.
#include "storage/binary_data_set.h"
#include "storage/errors.h"

namespace tq::storage {

void TBinaryDataSet::RememberPassword(const std::string& password) {
  password_ = password;
  passwordFile_ = tableName_;
}

void TBinaryDataSet::ForgetPassword() {
  password_.clear();
  passwordFile_.clear();
}

void TBinaryDataSet::Lock() { ForgetPassword(); }

bool TBinaryDataSet::GetPassword() {
  CheckActive();
  if (!password_.empty() || !OnCryptData) return true;
  return RunPasswordDialogue(&layout_.header.PasswordCheck, true, false);
}

bool TBinaryDataSet::RunPasswordDialogue(CheckBlock* block, bool writeHeader, bool choosingOnPopulated) {
  const CheckBlockState state = ClassifyCheckBlock(*block);
  if (state == CheckBlockState::NoPassword) return true;
  const bool creating = state == CheckBlockState::NoPasswordChosen;
  // Slots written before any password was chosen are plain; choosing one now
  // would make them unreadable, so they stay plain until ChangePassword
  // encodes them. A read-only table cannot record a choice at all.
  if (creating && ((!choosingOnPopulated && Active() && SlotCount() > 0) || (writeHeader && readOnly_))) return true;
  for (;;) {
    bool handled = true;
    std::string password = password_;
    if (OnGetPassword) OnGetPassword(password, handled, creating);
    if (!handled) {
      ForgetPassword();
      return false;
    }
    if (creating) {
      const CheckBlock before = *block;
      if (password.empty()) {
        *block = FilledCheckBlock(0);
      } else {
        *block = SentinelCheckBlock();
        Crypt(block->data(), block->size(), password, false);
      }
      RememberPassword(password);
      if (writeHeader) {
        try {
          WriteHeader();
        } catch (...) {
          *block = before;
          ForgetPassword();
          throw;
        }
      }
      return true;
    }
    CheckBlock copy = *block;
    Crypt(copy.data(), copy.size(), password, true);
    if (copy == SentinelCheckBlock()) {
      RememberPassword(password);
      return true;
    }
    ForgetPassword();
    ShowMessage("Incorrect password.  Please try again.");
    // Without a dialogue nobody can give another answer.
    if (!OnGetPassword) return false;
  }
}

bool TBinaryDataSet::ChangePassword() {
  CheckActive();
  if (!OnCryptData || !OnGetPassword) return false;
  // Nothing can be re-encoded in a file opened for reading only.
  if (readOnly_) return false;
  CheckBrowseMode();
  // Restoring the copy after a failure would bring a deleted file back.
  const BulkWrite checked(*this);
  const std::string backup = tableName_ + ".bak";
  if (!env_.CopyFileTo(tableName_, backup, true)) return false;

  bool result = false;
  bool oldKnown = false;
  std::string oldPassword;
  try {
    ForgetPassword();
    if (GetPassword()) {
      oldPassword = password_;
      oldKnown = true;
      const CheckBlock oldBlock = layout_.header.PasswordCheck;
      ForgetPassword();
      layout_.header.PasswordCheck = FilledCheckBlock(kNoPasswordChosenByte);
      if (RunPasswordDialogue(&layout_.header.PasswordCheck, true, true)) {
        const std::string newPassword = password_;
        for (int64_t slot = 0; slot < SlotCount(); ++slot) {
          ReadSlot(scratch_.data(), slot, oldPassword);
          WriteSlot(scratch_.data(), slot, newPassword);
        }
        result = true;
      } else {
        // Declined: the records are still under the old password, so the old
        // block and password stay in force.
        layout_.header.PasswordCheck = oldBlock;
        if (!oldPassword.empty()) RememberPassword(oldPassword);
      }
    }
  } catch (...) {
    Close();
    if (!env_.CopyFileTo(backup, tableName_, true))
      throw EBinaryDataSetError("ChangePassword: the table could not be restored; its copy is kept in " + backup + ".");
    if (oldKnown && !oldPassword.empty()) RememberPassword(oldPassword);
    env_.RemoveFile(backup);
    try {
      Open();
    } catch (...) {
      // The file is back as it was; the table stays closed.
    }
    return false;
  }
  env_.RemoveFile(backup);
  if (result) {
    if (hasRecord_)
      Resync(activeSlot_);
    else
      First();
  }
  return result;
}

}  // namespace tq::storage
