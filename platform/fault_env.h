// FaultEnv: an Env over another Env that fails on request, so tests can see
// how code above the platform behaves when the disk lets it down.
#pragma once

#include <cstdint>
#include <string>

#include "platform/forwarding_env.h"

namespace tq::platform {

class FaultEnv final : public ForwardingEnv {
 public:
  explicit FaultEnv(Env& base) : ForwardingEnv(base) {}

  // After this many more bytes, every write fails (a full disk). A write
  // that would cross the limit writes the bytes up to it, then fails.
  // Negative: no limit.
  void FailWritesAfter(int64_t bytes) { writeBudget_ = bytes; }
  // The n-th write call from now on (counted from 1 across all files) fails
  // without writing anything; the writes before and after it work, so one
  // operation sees a single failure in its middle. 0: none.
  void FailWriteNumber(int n) {
    failWriteNumber_ = n;
    writes_ = 0;
  }
  // Write calls since the last FailWriteNumber.
  int writes() const { return writes_; }
  // Every read fails while set.
  void FailReads(bool fail) { failReads_ = fail; }
  // Opening fails while set.
  void FailOpens(bool fail) { failOpens_ = fail; }
  // Opening for writing is refused while set, as Windows refuses a file the
  // user may only read (FileError::AccessDenied); reading still works.
  void DenyWriteAccess(bool deny) { denyWriteAccess_ = deny; }
  // Counters since construction.
  int64_t bytesWritten() const { return bytesWritten_; }
  int64_t bytesRead() const { return bytesRead_; }

  Status OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                  std::unique_ptr<File>* file) override;
  Status MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) override;
  Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override;

 private:
  class FaultFile;
  friend class FaultFile;

  int64_t writeBudget_ = -1;
  int failWriteNumber_ = 0;
  int writes_ = 0;
  bool failReads_ = false;
  bool failOpens_ = false;
  bool denyWriteAccess_ = false;
  int64_t bytesWritten_ = 0;
  int64_t bytesRead_ = 0;
};

}  // namespace tq::platform
