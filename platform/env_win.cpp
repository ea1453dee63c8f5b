// Windows file system through the wide (UTF-16) file API. Each Env takes
// its paths in one code page, converted on the way in and out: the ANSI one
// reads them exactly as the system's ANSI functions would.
#include <windows.h>

#include <algorithm>

#include "platform/env.h"
#include "platform/path_match.h"
#include "platform/win_handle.h"
#include "platform/win_text.h"

namespace tq::platform {

namespace {

// The system's message for error e, in codePage.
std::string SystemMessage(DWORD e, unsigned codePage) {
  wchar_t buf[512] = {};
  DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, e, 0, buf,
                           sizeof buf / sizeof buf[0], nullptr);
  return FromWide(std::wstring_view(buf, n), codePage);
}

// The failure e of a call on path (written in codePage).
Status ErrorOf(DWORD e, const std::string& what, const std::string& path, unsigned codePage) {
  std::string text = SystemMessage(e, codePage);
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

// false with the thread's last error set when the system cannot say.
bool HandleIdentity(HANDLE h, FileIdentity* id) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(h, &info)) return false;
  *id = {info.dwVolumeSerialNumber, (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  return true;
}

class WinFile final : public File {
 public:
  WinFile(UniqueHandle h, std::string path, unsigned codePage)
      : h_(std::move(h)), path_(std::move(path)), codePage_(codePage) {}

  Status ReadAt(int64_t offset, void* buf, size_t n, size_t* got) override {
    *got = 0;
    auto* p = static_cast<char*>(buf);
    while (*got < n) {
      OVERLAPPED ov = At(offset + static_cast<int64_t>(*got));
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(n - *got, 1u << 30)), read = 0;
      if (!ReadFile(h_.get(), p + *got, chunk, &read, &ov)) {
        if (GetLastError() == ERROR_HANDLE_EOF) break;
        return LastError("Cannot read");
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
      if (!WriteFile(h_.get(), p + done, chunk, &written, &ov) || written == 0) return LastError("Cannot write");
      done += written;
    }
    return Status::Ok();
  }

  Status Size(int64_t* size) override {
    LARGE_INTEGER li{};
    if (!GetFileSizeEx(h_.get(), &li)) return LastError("Cannot read the size of");
    *size = li.QuadPart;
    return Status::Ok();
  }

  Status Truncate(int64_t size) override {
    LARGE_INTEGER li{};
    li.QuadPart = size;
    if (!SetFilePointerEx(h_.get(), li, nullptr, FILE_BEGIN) || !SetEndOfFile(h_.get()))
      return LastError("Cannot truncate");
    return Status::Ok();
  }

  Status Identity(FileIdentity* id) override {
    return HandleIdentity(h_.get(), id) ? Status::Ok() : LastError("Cannot identify");
  }

  Status Flush() override {
    if (!FlushFileBuffers(h_.get())) return LastError("Cannot flush");
    return Status::Ok();
  }

 private:
  Status LastError(const std::string& what) const { return ErrorOf(GetLastError(), what, path_, codePage_); }

  UniqueHandle h_;
  std::string path_;
  unsigned codePage_;
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
  explicit WinEnv(unsigned codePage) : codePage_(codePage) {}

  Status OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                  std::unique_ptr<File>* file) override {
    std::wstring p;
    if (!Wide(path, &p)) return LastError("Cannot open", path);
    DWORD rights = access == FileAccess::ReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    UniqueHandle h(CreateFileW(p.c_str(), rights, ShareFlags(share), nullptr, CreateFlags(create),
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) return LastError("Cannot open", path);
    *file = std::make_unique<WinFile>(std::move(h), path, codePage_);
    return Status::Ok();
  }

  Status MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) override {
    std::wstring p;
    if (!Wide(path, &p)) return LastError("Cannot open", path);
    UniqueHandle f(
        CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return LastError("Cannot open", path);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(f.get(), &size)) return LastError("Cannot read the size of", path);
    if (size.QuadPart <= 0) return Status::Error("Cannot map the empty file " + path);
    if (size.QuadPart > 0x7FFFFFFF) return Status::Error("Cannot map " + path + ": the file is too large");
    UniqueHandle m(CreateFileMappingW(f.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!m) return LastError("Cannot map", path);
    const void* data = MapViewOfFile(m.get(), FILE_MAP_READ, 0, 0, 0);
    if (!data) return LastError("Cannot map", path);
    *mapped = std::make_unique<WinMappedFile>(std::move(f), std::move(m), static_cast<const uint8_t*>(data),
                                              static_cast<size_t>(size.QuadPart));
    return Status::Ok();
  }

  bool FileExists(const std::string& path) override {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
  }

  bool DirectoryExists(const std::string& path) override {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  }

  Status RemoveFile(const std::string& path) override {
    std::wstring p;
    if (!Wide(path, &p) || !DeleteFileW(p.c_str())) return LastError("Cannot delete", path);
    return Status::Ok();
  }

  Status RenameFile(const std::string& from, const std::string& to) override {
    std::wstring f, t;
    if (!Wide(from, &f) || !Wide(to, &t) || !MoveFileExW(f.c_str(), t.c_str(), MOVEFILE_REPLACE_EXISTING))
      return LastError("Cannot rename", from);
    return Status::Ok();
  }

  Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override {
    std::wstring f, t;
    if (!Wide(from, &f) || !Wide(to, &t) || !CopyFileW(f.c_str(), t.c_str(), overwrite ? FALSE : TRUE))
      return LastError("Cannot copy", from);
    return Status::Ok();
  }

  Status CreateDirectories(const std::string& path) override {
    std::wstring p;
    if (!Wide(path, &p)) return LastError("Cannot create the folder", path);
    for (size_t i = 1; i <= p.size(); ++i) {
      if (i != p.size() && p[i] != L'\\') continue;
      const std::wstring part = p.substr(0, i);
      if (part.size() == 2 && part[1] == L':') continue;  // a drive
      if (CreateDirectoryW(part.c_str(), nullptr)) continue;
      const DWORD e = GetLastError();
      if (e != ERROR_ALREADY_EXISTS)
        return ErrorOf(e, "Cannot create the folder", FromWide(part, codePage_), codePage_);
    }
    return DirectoryExists(path) ? Status::Ok() : Status::Error("Cannot create the folder " + path);
  }

  Status LastWriteTime(const std::string& path, FileTime* time) override {
    std::wstring p;
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!Wide(path, &p) || !GetFileAttributesExW(p.c_str(), GetFileExInfoStandard, &d))
      return LastError("Cannot read the time of", path);
    *time = (static_cast<int64_t>(d.ftLastWriteTime.dwHighDateTime) << 32) | d.ftLastWriteTime.dwLowDateTime;
    return Status::Ok();
  }

  Status IdentityOf(const std::string& path, FileIdentity* id) override {
    // No access asked for: no other opener's sharing can refuse it.
    std::wstring p;
    if (!Wide(path, &p)) return LastError("Cannot identify", path);
    UniqueHandle h(CreateFileW(p.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h || !HandleIdentity(h.get(), id)) return LastError("Cannot identify", path);
    return Status::Ok();
  }

  Status ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override {
    std::wstring spec;
    if (!Wide(folder.empty() ? "." : folder, &spec)) return LastError("Cannot list", folder);
    spec += L"\\*";
    WIN32_FIND_DATAW fd{};
    HANDLE h = FindFirstFileW(spec.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_NOT_FOUND) return Status::Ok();
      return LastError("Cannot list", folder);
    }
    // Matched here rather than by FindFirstFile, whose 8.3 short names let
    // "*.adm" match "x.admx".
    do {
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      std::string name = FromWide(fd.cFileName, codePage_);
      if (MatchesPattern(name, pattern)) names->push_back(std::move(name));
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    std::sort(names->begin(), names->end());
    return Status::Ok();
  }

 private:
  // path for the wide functions, with '/' as '\\'; false when it is not text
  // of the code page.
  bool Wide(const std::string& path, std::wstring* wide) const {
    if (!ToWide(path, codePage_, wide)) return false;
    std::replace(wide->begin(), wide->end(), L'/', L'\\');
    return true;
  }

  DWORD Attributes(const std::string& path) const {
    std::wstring p;
    return Wide(path, &p) ? GetFileAttributesW(p.c_str()) : INVALID_FILE_ATTRIBUTES;
  }

  Status LastError(const std::string& what, const std::string& path) const {
    return ErrorOf(GetLastError(), what, path, codePage_);
  }

  const unsigned codePage_;
};

}  // namespace

int SharingViolationCode() { return ERROR_SHARING_VIOLATION; }

bool IsSharingViolation(const Status& s) {
  return s.code() == ERROR_SHARING_VIOLATION || s.code() == ERROR_LOCK_VIOLATION;
}

Env& Env::Default(PathEncoding encoding) {
  static WinEnv ansi(CP_ACP), utf8(CP_UTF8);
  return encoding == PathEncoding::Utf8 ? utf8 : ansi;
}

}  // namespace tq::platform
