// POSIX file system. Windows share modes are kept with open-file-description
// locks on bytes far past the end of the file, so a second opener in this or
// another process is refused exactly as Windows would refuse it.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/env.h"
#include "platform/path_match.h"

namespace tq::platform {

namespace {

std::string NativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

Status ErrnoStatus(const std::string& what, const std::string& path) {
  int e = errno;
  const FileError kind = e == EACCES || e == EPERM || e == EROFS ? FileError::AccessDenied : FileError::Other;
  return Status::Error(what + " " + path + ": " + std::strerror(e), e, kind);
}

// The lock bytes: whether a handle reads, writes, refuses readers, refuses
// writers. Shared locks only, so read-only descriptors can take them too.
constexpr off_t kLockBase = 0x7FFFFFFF00000000LL;
enum LockByte : off_t { kReads = 0, kWrites = 1, kDeniesRead = 2, kDeniesWrite = 3 };

bool LockHeldByOther(int fd, LockByte b) {
  struct flock fl {};
  fl.l_type = F_WRLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = kLockBase + b;
  fl.l_len = 1;
  if (fcntl(fd, F_OFD_GETLK, &fl) != 0) return false;
  return fl.l_type != F_UNLCK;
}

bool TakeLock(int fd, LockByte b) {
  struct flock fl {};
  fl.l_type = F_RDLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = kLockBase + b;
  fl.l_len = 1;
  return fcntl(fd, F_OFD_SETLK, &fl) == 0;
}

// Holds a whole-file flock() for as long as it lives. flock() and the
// open-file-description locks above do not see each other, so it serves as a
// mutex around the check-and-take of the share locks: without it two openers
// can both find the file free and both take it. flock() works on read-only
// descriptors too, which a write lock on a guard byte would not.
class ShareGuard {
 public:
  explicit ShareGuard(int fd) : fd_(fd) {
    while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~ShareGuard() { flock(fd_, LOCK_UN); }
  ShareGuard(const ShareGuard&) = delete;
  ShareGuard& operator=(const ShareGuard&) = delete;

 private:
  int fd_;
};

// Applies the share rules to a freshly opened descriptor, as one step with
// respect to every other opener. False on a sharing violation.
bool ClaimShare(int fd, FileAccess access, FileShare share) {
  const bool writes = access == FileAccess::ReadWrite;
  const bool deniesRead = share == FileShare::Exclusive;
  const bool deniesWrite = share != FileShare::ReadWrite;
  ShareGuard guard(fd);
  bool ok = !LockHeldByOther(fd, kDeniesRead) && !(writes && LockHeldByOther(fd, kDeniesWrite)) &&
            !(deniesRead && LockHeldByOther(fd, kReads)) && !(deniesWrite && LockHeldByOther(fd, kWrites));
  if (ok) {
    ok = TakeLock(fd, kReads) && (!writes || TakeLock(fd, kWrites)) && (!deniesRead || TakeLock(fd, kDeniesRead)) &&
         (!deniesWrite || TakeLock(fd, kDeniesWrite));
  }
  return ok;
}

class PosixFile final : public File {
 public:
  PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixFile() override { close(fd_); }

  Status ReadAt(int64_t offset, void* buf, size_t n, size_t* got) override {
    *got = 0;
    auto* p = static_cast<char*>(buf);
    while (*got < n) {
      ssize_t r = pread(fd_, p + *got, n - *got, offset + static_cast<int64_t>(*got));
      if (r < 0) {
        if (errno == EINTR) continue;
        return ErrnoStatus("Cannot read", path_);
      }
      if (r == 0) break;
      *got += static_cast<size_t>(r);
    }
    return Status::Ok();
  }

  Status WriteAt(int64_t offset, const void* buf, size_t n) override {
    const auto* p = static_cast<const char*>(buf);
    size_t done = 0;
    while (done < n) {
      ssize_t w = pwrite(fd_, p + done, n - done, offset + static_cast<int64_t>(done));
      if (w < 0) {
        if (errno == EINTR) continue;
        return ErrnoStatus("Cannot write", path_);
      }
      done += static_cast<size_t>(w);
    }
    return Status::Ok();
  }

  Status Size(int64_t* size) override {
    struct stat st {};
    if (fstat(fd_, &st) != 0) return ErrnoStatus("Cannot read the size of", path_);
    *size = st.st_size;
    return Status::Ok();
  }

  Status Truncate(int64_t size) override {
    if (ftruncate(fd_, size) != 0) return ErrnoStatus("Cannot truncate", path_);
    return Status::Ok();
  }

  Status Identity(FileIdentity* id) override {
    struct stat st {};
    if (fstat(fd_, &st) != 0) return ErrnoStatus("Cannot identify", path_);
    *id = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    return Status::Ok();
  }

  Status Flush() override {
    if (fsync(fd_) != 0 && errno != EINVAL) return ErrnoStatus("Cannot flush", path_);
    return Status::Ok();
  }

 private:
  int fd_;
  std::string path_;
};

class PosixMappedFile final : public MappedFile {
 public:
  PosixMappedFile(std::unique_ptr<File> file, const uint8_t* data, size_t size)
      : file_(std::move(file)), data_(data), size_(size) {}
  ~PosixMappedFile() override { munmap(const_cast<uint8_t*>(data_), size_); }
  const uint8_t* data() const override { return data_; }
  size_t size() const override { return size_; }

 private:
  std::unique_ptr<File> file_;  // keeps the share claim while mapped
  const uint8_t* data_;
  size_t size_;
};

FileTime ToFileTime(const struct timespec& ts) {
  constexpr int64_t kEpochDelta = 11644473600LL;  // seconds from 1601 to 1970
  return (static_cast<int64_t>(ts.tv_sec) + kEpochDelta) * 10000000LL + ts.tv_nsec / 100;
}

class PosixEnv final : public Env {
 public:
  Status OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                  std::unique_ptr<File>* file) override {
    std::string p = NativePath(path);
    int flags = (access == FileAccess::ReadWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC;
    if (create != FileCreate::OpenExisting) flags |= O_CREAT;
    int fd = open(p.c_str(), flags, 0666);
    if (fd < 0) return ErrnoStatus("Cannot open", path);
    if (!ClaimShare(fd, access, share)) {
      close(fd);
      return Status::Error("Cannot open " + path + ": the file is in use by another process", SharingViolationCode(),
                           FileError::InUse);
    }
    // Truncate only once the share check has passed, as Windows does.
    if (create == FileCreate::CreateAlways && ftruncate(fd, 0) != 0) {
      Status s = ErrnoStatus("Cannot truncate", path);
      close(fd);
      return s;
    }
    *file = std::make_unique<PosixFile>(fd, path);
    return Status::Ok();
  }

  Status MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) override {
    std::unique_ptr<File> f;
    Status s = OpenFile(path, FileAccess::Read, FileShare::Read, FileCreate::OpenExisting, &f);
    if (!s) return s;
    int64_t size = 0;
    if (!(s = f->Size(&size))) return s;
    if (size <= 0) return Status::Error("Cannot map the empty file " + path);
    int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ErrnoStatus("Cannot open", path);
    void* data = mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (data == MAP_FAILED) return ErrnoStatus("Cannot map", path);
    *mapped =
        std::make_unique<PosixMappedFile>(std::move(f), static_cast<const uint8_t*>(data), static_cast<size_t>(size));
    return Status::Ok();
  }

  bool FileExists(const std::string& path) override {
    struct stat st {};
    return stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
  }

  bool DirectoryExists(const std::string& path) override {
    struct stat st {};
    return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  Status RemoveFile(const std::string& path) override {
    if (unlink(NativePath(path).c_str()) != 0) return ErrnoStatus("Cannot delete", path);
    return Status::Ok();
  }

  Status RenameFile(const std::string& from, const std::string& to) override {
    if (rename(NativePath(from).c_str(), NativePath(to).c_str()) != 0) return ErrnoStatus("Cannot rename", from);
    return Status::Ok();
  }

  Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override {
    if (!overwrite && FileExists(to)) return Status::Error("Cannot copy to " + to + ": the file exists", EEXIST);
    std::string contents;
    Status s = ReadWholeFile(*this, from, &contents);
    if (!s) return s;
    return WriteWholeFile(*this, to, contents);
  }

  Status CreateDirectories(const std::string& path) override {
    std::string p = NativePath(path);
    for (size_t i = 1; i <= p.size(); ++i) {
      if (i != p.size() && p[i] != '/') continue;
      std::string part = p.substr(0, i);
      if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return ErrnoStatus("Cannot create the folder", part);
    }
    return DirectoryExists(path) ? Status::Ok() : Status::Error("Cannot create the folder " + path);
  }

  Status LastWriteTime(const std::string& path, FileTime* time) override {
    struct stat st {};
    if (stat(NativePath(path).c_str(), &st) != 0) return ErrnoStatus("Cannot read the time of", path);
    *time = ToFileTime(st.st_mtim);
    return Status::Ok();
  }

  Status IdentityOf(const std::string& path, FileIdentity* id) override {
    struct stat st {};
    if (stat(NativePath(path).c_str(), &st) != 0) return ErrnoStatus("Cannot identify", path);
    *id = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    return Status::Ok();
  }

  Status ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override {
    DIR* dir = opendir(NativePath(folder.empty() ? "." : folder).c_str());
    if (!dir) return ErrnoStatus("Cannot list", folder);
    std::string base = NativePath(folder) + "/";
    while (dirent* e = readdir(dir)) {
      std::string name = e->d_name;
      if (name == "." || name == ".." || !MatchesPattern(name, pattern)) continue;
      if (FileExists(base + name)) names->push_back(name);
    }
    closedir(dir);
    std::sort(names->begin(), names->end());
    return Status::Ok();
  }
};

}  // namespace

int SharingViolationCode() { return EBUSY; }
bool IsSharingViolation(const Status& s) { return s.code() == EBUSY; }

// A name is its bytes: one file system for both encodings.
Env& Env::Default(PathEncoding) {
  static PosixEnv env;
  return env;
}

}  // namespace tq::platform
