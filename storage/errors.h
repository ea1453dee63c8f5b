// The exceptions of the table engine. Each carries the exact English text the
// user is shown. EBinaryDataSetError holds the engine's own messages; the
// others hold the texts of the component library that the engine stands on
// (dataset states, field access, streams, internal checks), worded as that
// library words them.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/status.h"

namespace tq::storage {

// The engine's own failures ("Invalid file type.", "GetRecord: Invalid Password", ...).
class EBinaryDataSetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Dataset-level failures worded by the component library ("Field 'X' not found",
// "Dataset not in edit or insert mode", "Record not found", ...).
class EDatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// File failures worded by the component library's streams ("Stream read error",
// "Stream write error", "Cannot open file X", "Cannot create file X").
// A file that could not be opened also says why, as far as the user can act
// on it.
class EStreamError : public std::runtime_error {
 public:
  explicit EStreamError(const std::string& message, platform::FileError reason = platform::FileError::Other)
      : std::runtime_error(message), reason_(reason) {}
  platform::FileError reason() const { return reason_; }

 private:
  platform::FileError reason_;
};

// A text that does not convert to the value a field holds ("'x' is not a
// valid integer value", "'x' is not a valid date").
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An internal consistency check that failed ("Invalid number of fields.",
// "fStream=Nil").
class EAssertionFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A silent failure: an error hook chose to abort the operation. The caller
// stops without showing a message.
class EAbort : public std::runtime_error {
 public:
  EAbort() : std::runtime_error("Operation aborted") {}
};

}  // namespace tq::storage
