// Env: the one boundary between the portable code and the operating system's
// file system. A Win32 implementation, a POSIX one (which also keeps the
// Windows share-mode rules, so tests see the same refusals), and wrappers for
// fault injection in tests. Paths may use '\' or '/' as the separator, and
// are written in the PathEncoding of the Env they are given to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/path_encoding.h"
#include "platform/status.h"

namespace tq::platform {

enum class FileAccess { Read, ReadWrite };

// What other openers of the same file are allowed while this one is open.
enum class FileShare {
  Exclusive,  // nobody else may open the file
  Read,       // others may read, not write
  ReadWrite,  // others may read and write
};

enum class FileCreate {
  OpenExisting,  // fail when the file does not exist
  CreateAlways,  // create, or truncate an existing file
  OpenAlways,    // open, creating an empty file when missing
};

// Which file a name or an open handle stands for, as the file system tells
// files apart: the volume and the file's number on it. Two are the same file
// exactly when their identities are equal.
struct FileIdentity {
  uint64_t volume = 0;
  uint64_t index = 0;
  bool operator==(const FileIdentity&) const = default;
};

// An open file. Closed when destroyed.
class File {
 public:
  virtual ~File() = default;
  // Reads up to n bytes at offset; *got receives how many were read (fewer at
  // end of file).
  virtual Status ReadAt(int64_t offset, void* buf, size_t n, size_t* got) = 0;
  // Writes all n bytes at offset or fails.
  virtual Status WriteAt(int64_t offset, const void* buf, size_t n) = 0;
  virtual Status Size(int64_t* size) = 0;
  virtual Status Truncate(int64_t size) = 0;
  virtual Status Flush() = 0;
  // The identity of the file this handle has open, whatever has happened to
  // its name since.
  virtual Status Identity(FileIdentity* id) = 0;

  // Reads exactly n bytes at offset; a short read is an error.
  Status ReadExact(int64_t offset, void* buf, size_t n);
};

// The whole of a file, mapped read-only. Unmapped when destroyed.
class MappedFile {
 public:
  virtual ~MappedFile() = default;
  virtual const uint8_t* data() const = 0;
  virtual size_t size() const = 0;
};

// A point in time as the file system reports it, in 100-ns units since
// 1601-01-01 (Windows FILETIME). 0 means "no time".
using FileTime = int64_t;

class Env {
 public:
  virtual ~Env() = default;

  // The operating system's file system, taking and giving paths in
  // encoding. Each lives for the whole process.
  static Env& Default(PathEncoding encoding = PathEncoding::Utf8);

  virtual Status OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                          std::unique_ptr<File>* file) = 0;
  // Opens path for reading (others may read) and maps all of it. An empty
  // file cannot be mapped.
  virtual Status MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) = 0;

  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  virtual Status RemoveFile(const std::string& path) = 0;
  // Renames from to to; an existing to is replaced.
  virtual Status RenameFile(const std::string& from, const std::string& to) = 0;
  // Copies from to to; an existing to is replaced only when overwrite is set.
  virtual Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) = 0;
  // Creates the folder and every missing parent.
  virtual Status CreateDirectories(const std::string& path) = 0;
  virtual Status LastWriteTime(const std::string& path, FileTime* time) = 0;
  // The identity of the file path names now. Fails when it names none.
  virtual Status IdentityOf(const std::string& path, FileIdentity* id) = 0;
  // Names (without folder) of the files in folder whose names match pattern,
  // where '*' matches any run of characters and '?' one character, compared
  // without regard to ASCII letter case.
  virtual Status ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) = 0;
};

// Whether s is an open refused because another opener's share mode (or its
// access) excludes this one: the file is in use, and may be free again soon.
bool IsSharingViolation(const Status& s);
// The code such a refusal carries on this system, for Envs of our own.
int SharingViolationCode();

// What a path names now, compared with a file that was opened through it.
enum class FileAtPath {
  Same,      // still that file
  Missing,   // no file, or none that can be seen: the file was deleted or moved away
  Replaced,  // another file
};
// Where the file system lets others delete or replace a file that is open
// (POSIX, and Windows programs under Wine on such a system, or a file on a
// network share), a name can stop naming the file a program has open. A
// handle whose own identity cannot be read is taken to be at its path: the
// check cannot tell, and a write through it fails on its own if it must.
FileAtPath CheckFileAtPath(Env& env, File& file, const std::string& path);

// Reads a whole file into *contents (others may read and write meanwhile).
Status ReadWholeFile(Env& env, const std::string& path, std::string* contents);
// Creates or replaces path with contents.
Status WriteWholeFile(Env& env, const std::string& path, const std::string& contents);

}  // namespace tq::platform
