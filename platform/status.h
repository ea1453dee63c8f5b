// Status: the result of an operation that can fail, with a message a caller
// can show or wrap. Cheap when OK.
#pragma once

#include <string>
#include <utility>

namespace tq::platform {

// The failures of opening a file that a user can act on, told apart from
// the rest whatever the system's error codes are.
enum class FileError { Other, AccessDenied, InUse };

class Status {
 public:
  Status() = default;  // OK
  static Status Ok() { return Status(); }
  static Status Error(std::string message, int code = -1, FileError kind = FileError::Other) {
    return Status(code, std::move(message), kind);
  }

  bool ok() const { return code_ == 0; }
  explicit operator bool() const { return ok(); }
  // OS error code (errno or GetLastError), -1 when none applies.
  int code() const { return code_; }
  const std::string& message() const { return message_; }
  FileError kind() const { return kind_; }

 private:
  Status(int code, std::string message, FileError kind)
      : code_(code == 0 ? -1 : code), message_(std::move(message)), kind_(kind) {}
  int code_ = 0;
  std::string message_;
  FileError kind_ = FileError::Other;
};

}  // namespace tq::platform
