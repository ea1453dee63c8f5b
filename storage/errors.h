// The exceptions of the table engine. Each carries the exact English text the
// user is shown. EBinaryDataSetError holds the engine's own messages; the
// others hold the texts of the component library that the engine stands on
// (dataset states, field access, streams, internal checks), worded as that
// library words them.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/env.h"

namespace tq::storage {

// The engine's own failures ("Invalid file type.", "GetRecord: Invalid Password", ...).
class EBinaryDataSetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A change refused because the table's file name no longer names the file
// the table opened: it was deleted, moved away or replaced meanwhile (which
// other programs can do where files open for writing are not protected, as
// on a POSIX system or some network shares). Nothing was written.
class ETableFileChanged : public EBinaryDataSetError {
 public:
  ETableFileChanged(const std::string& path, platform::FileAtPath change)
      : EBinaryDataSetError("The table file " + path +
                            (change == platform::FileAtPath::Replaced ? " was replaced by another file"
                                                                      : " was deleted") +
                            " after it was opened; nothing was written."),
        path_(path),
        change_(change) {}
  const std::string& path() const { return path_; }
  // Missing (deleted or moved away) or Replaced.
  platform::FileAtPath change() const { return change_; }

 private:
  std::string path_;
  platform::FileAtPath change_;
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
  using std::runtime_error::runtime_error;
  // The message, with the operating system's account of the failure kept
  // apart from it ("the file is in use by another process").
  EStreamError(const std::string& message, const platform::Status& cause)
      : std::runtime_error(message),
        reason_(ReasonOf(cause)),
        kind_(platform::IsSharingViolation(cause) ? platform::FileError::InUse : cause.kind()) {}
  // Why, when known; "" otherwise.
  const std::string& reason() const { return reason_; }
  // What the user can act on: denied, in use, or anything else.
  platform::FileError kind() const { return kind_; }
  // The file is in use by another opener whose sharing excludes this one.
  bool inUse() const { return kind_ == platform::FileError::InUse; }

 private:
  // A platform message reads "what path: reason".
  static std::string ReasonOf(const platform::Status& s) {
    // Said the same way on every system.
    if (platform::IsSharingViolation(s)) return "the file is in use by another process";
    const std::string& m = s.message();
    const size_t colon = m.rfind(": ");
    std::string r = colon == std::string::npos ? "" : m.substr(colon + 2);
    while (!r.empty() && (r.back() == '\n' || r.back() == '\r' || r.back() == '.' || r.back() == ' ')) r.pop_back();
    return r;
  }
  std::string reason_;
  platform::FileError kind_ = platform::FileError::Other;
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
