// Windows file system through the ANSI file API.
#include <windows.h>

#include <algorithm>

#include "platform/env.h"
#include "platform/path_match.h"
#include "platform/win_handle.h"

namespace tq::platform {

namespace {

std::string WinPath(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

Status LastError(const std::string& what, const std::string& path) {
  DWORD e = GetLastError();
  char buf[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, e, 0, buf, sizeof buf,
                           nullptr);
  std::string text(buf, n);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) text.pop_back();
  const FileError kind = e == ERROR_ACCESS_DENIED || e == ERROR_WRITE_PROTECT        ? FileError::AccessDenied
                         : e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION ? FileError::InUse
                                                                                     : FileError::Other;
  return Status::Error(what + " " + path + (text.empty() ? "" : ": " + text), static_cast<int>(e ? e : -1), kind);
}

OVERLAPPED At(int64_t offset) {
  OVERLAPPED ov{};
  ov.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
  ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return ov;
}

Status HandleIdentity(HANDLE h, const std::string& path, FileIdentity* id) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(h, &info)) return LastError("Cannot identify", path);
  *id = {info.dwVolumeSerialNumber, (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  return Status::Ok();
}

class WinFile final : public File {
 public:
  WinFile(UniqueHandle h, std::string path) : h_(std::move(h)), path_(std::move(path)) {}

  Status ReadAt(int64_t offset, void* buf, size_t n, size_t* got) override {
    *got = 0;
    auto* p = static_cast<char*>(buf);
    while (*got < n) {
      OVERLAPPED ov = At(offset + static_cast<int64_t>(*got));
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(n - *got, 1u << 30)), read = 0;
      if (!ReadFile(h_.get(), p + *got, chunk, &read, &ov)) {
        if (GetLastError() == ERROR_HANDLE_EOF) break;
        return LastError("Cannot read", path_);
      }
      if (read == 0) break;
      *got += read;
    }
    return Status::Ok();
  }

  Status WriteAt(int64_t offset, const void* buf, size_t n) override {
    const auto* p = static_cast<const char*>(buf);
    size_t done = 0;
    while (done < n) {
      OVERLAPPED ov = At(offset + static_cast<int64_t>(done));
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(n - done, 1u << 30)), written = 0;
      if (!WriteFile(h_.get(), p + done, chunk, &written, &ov) || written == 0) return LastError("Cannot write", path_);
      done += written;
    }
    return Status::Ok();
  }

  Status Size(int64_t* size) override {
    LARGE_INTEGER li{};
    if (!GetFileSizeEx(h_.get(), &li)) return LastError("Cannot read the size of", path_);
    *size = li.QuadPart;
    return Status::Ok();
  }

  Status Truncate(int64_t size) override {
    LARGE_INTEGER li{};
    li.QuadPart = size;
    if (!SetFilePointerEx(h_.get(), li, nullptr, FILE_BEGIN) || !SetEndOfFile(h_.get()))
      return LastError("Cannot truncate", path_);
    return Status::Ok();
  }

  Status Identity(FileIdentity* id) override { return HandleIdentity(h_.get(), path_, id); }

  Status Flush() override {
    if (!FlushFileBuffers(h_.get())) return LastError("Cannot flush", path_);
    return Status::Ok();
  }

 private:
  UniqueHandle h_;
  std::string path_;
};

class WinMappedFile final : public MappedFile {
 public:
  WinMappedFile(UniqueHandle file, UniqueHandle mapping, const uint8_t* data, size_t size)
      : file_(std::move(file)), mapping_(std::move(mapping)), data_(data), size_(size) {}
  ~WinMappedFile() override { UnmapViewOfFile(data_); }
  const uint8_t* data() const override { return data_; }
  size_t size() const override { return size_; }

 private:
  UniqueHandle file_;
  UniqueHandle mapping_;
  const uint8_t* data_;
  size_t size_;
};

DWORD ShareFlags(FileShare share) {
  switch (share) {
    case FileShare::Exclusive:
      return 0;
    case FileShare::Read:
      return FILE_SHARE_READ;
    case FileShare::ReadWrite:
      return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
  return 0;
}

DWORD CreateFlags(FileCreate create) {
  switch (create) {
    case FileCreate::OpenExisting:
      return OPEN_EXISTING;
    case FileCreate::CreateAlways:
      return CREATE_ALWAYS;
    case FileCreate::OpenAlways:
      return OPEN_ALWAYS;
  }
  return OPEN_EXISTING;
}

class WinEnv final : public Env {
 public:
  Status OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                  std::unique_ptr<File>* file) override {
    DWORD rights = access == FileAccess::ReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    UniqueHandle h(CreateFileA(WinPath(path).c_str(), rights, ShareFlags(share), nullptr, CreateFlags(create),
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) return LastError("Cannot open", path);
    *file = std::make_unique<WinFile>(std::move(h), path);
    return Status::Ok();
  }

  Status MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) override {
    UniqueHandle f(CreateFileA(WinPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return LastError("Cannot open", path);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(f.get(), &size)) return LastError("Cannot read the size of", path);
    if (size.QuadPart <= 0) return Status::Error("Cannot map the empty file " + path);
    if (size.QuadPart > 0x7FFFFFFF) return Status::Error("Cannot map " + path + ": the file is too large");
    UniqueHandle m(CreateFileMappingA(f.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!m) return LastError("Cannot map", path);
    const void* data = MapViewOfFile(m.get(), FILE_MAP_READ, 0, 0, 0);
    if (!data) return LastError("Cannot map", path);
    *mapped = std::make_unique<WinMappedFile>(std::move(f), std::move(m), static_cast<const uint8_t*>(data),
                                              static_cast<size_t>(size.QuadPart));
    return Status::Ok();
  }

  bool FileExists(const std::string& path) override {
    DWORD a = GetFileAttributesA(WinPath(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
  }

  bool DirectoryExists(const std::string& path) override {
    DWORD a = GetFileAttributesA(WinPath(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  }

  Status RemoveFile(const std::string& path) override {
    if (!::DeleteFileA(WinPath(path).c_str())) return LastError("Cannot delete", path);
    return Status::Ok();
  }

  Status RenameFile(const std::string& from, const std::string& to) override {
    if (!MoveFileExA(WinPath(from).c_str(), WinPath(to).c_str(), MOVEFILE_REPLACE_EXISTING))
      return LastError("Cannot rename", from);
    return Status::Ok();
  }

  Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override {
    if (!::CopyFileA(WinPath(from).c_str(), WinPath(to).c_str(), overwrite ? FALSE : TRUE))
      return LastError("Cannot copy", from);
    return Status::Ok();
  }

  Status CreateDirectories(const std::string& path) override {
    std::string p = WinPath(path);
    for (size_t i = 1; i <= p.size(); ++i) {
      if (i != p.size() && p[i] != '\\') continue;
      std::string part = p.substr(0, i);
      if (part.size() == 2 && part[1] == ':') continue;  // a drive
      if (!CreateDirectoryA(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return LastError("Cannot create the folder", part);
    }
    return DirectoryExists(path) ? Status::Ok() : Status::Error("Cannot create the folder " + path);
  }

  Status LastWriteTime(const std::string& path, FileTime* time) override {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!GetFileAttributesExA(WinPath(path).c_str(), GetFileExInfoStandard, &d))
      return LastError("Cannot read the time of", path);
    *time = (static_cast<int64_t>(d.ftLastWriteTime.dwHighDateTime) << 32) | d.ftLastWriteTime.dwLowDateTime;
    return Status::Ok();
  }

  Status IdentityOf(const std::string& path, FileIdentity* id) override {
    // No access asked for: no other opener's sharing can refuse it.
    UniqueHandle h(CreateFileA(WinPath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h) return LastError("Cannot identify", path);
    return HandleIdentity(h.get(), path, id);
  }

  Status ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override {
    WIN32_FIND_DATAA fd{};
    std::string spec = WinPath(folder.empty() ? "." : folder) + "\\*";
    HANDLE h = FindFirstFileA(spec.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_NOT_FOUND) return Status::Ok();
      return LastError("Cannot list", folder);
    }
    // Matched here rather than by FindFirstFile, whose 8.3 short names let
    // "*.adm" match "x.admx".
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && MatchesPattern(fd.cFileName, pattern))
        names->push_back(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names->begin(), names->end());
    return Status::Ok();
  }
};

}  // namespace

int SharingViolationCode() { return ERROR_SHARING_VIOLATION; }

bool IsSharingViolation(const Status& s) {
  return s.code() == ERROR_SHARING_VIOLATION || s.code() == ERROR_LOCK_VIOLATION;
}

Env& Env::Default() {
  static WinEnv env;
  return env;
}

}  // namespace tq::platform
