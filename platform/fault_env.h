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
  // Every read fails while set.
  void FailReads(bool fail) { failReads_ = fail; }
  // Opening fails while set.
  void FailOpens(bool fail) { failOpens_ = fail; }
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
  bool failReads_ = false;
  bool failOpens_ = false;
  int64_t bytesWritten_ = 0;
  int64_t bytesRead_ = 0;
};

}  // namespace tq::platform
