#include "platform/fault_env.h"

#include <algorithm>

namespace tq::platform {

class FaultEnv::FaultFile final : public File {
 public:
  FaultFile(FaultEnv& env, std::unique_ptr<File> base) : env_(env), base_(std::move(base)) {}

  Status ReadAt(int64_t offset, void* buf, size_t n, size_t* got) override {
    if (env_.failReads_) {
      *got = 0;
      return Status::Error("Injected read failure");
    }
    Status s = base_->ReadAt(offset, buf, n, got);
    env_.bytesRead_ += static_cast<int64_t>(*got);
    return s;
  }

  Status WriteAt(int64_t offset, const void* buf, size_t n) override {
    if (++env_.writes_ == env_.failWriteNumber_) return Status::Error("Injected write failure");
    if (env_.writeBudget_ >= 0 && static_cast<int64_t>(n) > env_.writeBudget_) {
      size_t part = static_cast<size_t>(env_.writeBudget_);
      if (part > 0) base_->WriteAt(offset, buf, part);
      env_.bytesWritten_ += static_cast<int64_t>(part);
      env_.writeBudget_ = 0;
      return Status::Error("Injected write failure: the disk is full");
    }
    Status s = base_->WriteAt(offset, buf, n);
    if (s) {
      env_.bytesWritten_ += static_cast<int64_t>(n);
      if (env_.writeBudget_ >= 0) env_.writeBudget_ -= static_cast<int64_t>(n);
    }
    return s;
  }

  Status Size(int64_t* size) override { return base_->Size(size); }
  Status Truncate(int64_t size) override {
    if (env_.writeBudget_ == 0) return Status::Error("Injected write failure: the disk is full");
    return base_->Truncate(size);
  }
  Status Flush() override { return base_->Flush(); }
  Status Identity(FileIdentity* id) override { return base_->Identity(id); }

 private:
  FaultEnv& env_;
  std::unique_ptr<File> base_;
};

Status FaultEnv::OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                          std::unique_ptr<File>* file) {
  if (failOpens_) return Status::Error("Injected open failure for " + path);
  if (denyWriteAccess_ && access != FileAccess::Read)
    return Status::Error("Cannot open " + path + ": Access denied", 5, FileError::AccessDenied);
  std::unique_ptr<File> inner;
  Status s = base().OpenFile(path, access, share, create, &inner);
  if (!s) return s;
  *file = std::make_unique<FaultFile>(*this, std::move(inner));
  return Status::Ok();
}

Status FaultEnv::MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) {
  if (failOpens_ || failReads_) return Status::Error("Injected map failure for " + path);
  return base().MapFile(path, mapped);
}

Status FaultEnv::CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
  // Through our own files, so the injected faults apply to copies too.
  if (!overwrite && FileExists(to)) return Status::Error("Cannot copy to " + to + ": the file exists");
  std::string contents;
  Status s = ReadWholeFile(*this, from, &contents);
  if (!s) return s;
  return WriteWholeFile(*this, to, contents);
}

}  // namespace tq::platform
