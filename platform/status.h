// Status: the result of an operation that can fail, with a message a caller
// can show or wrap. Cheap when OK.
#pragma once

#include <string>
#include <utility>

namespace tq::platform {

class Status {
 public:
  Status() = default;  // OK
  static Status Ok() { return Status(); }
  static Status Error(std::string message, int code = -1) { return Status(code, std::move(message)); }

  bool ok() const { return code_ == 0; }
  explicit operator bool() const { return ok(); }
  // OS error code (errno or GetLastError), -1 when none applies.
  int code() const { return code_; }
  const std::string& message() const { return message_; }

 private:
  Status(int code, std::string message) : code_(code == 0 ? -1 : code), message_(std::move(message)) {}
  int code_ = 0;
  std::string message_;
};

}  // namespace tq::platform
