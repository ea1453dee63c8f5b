// The one-instance rule: a named mutex held for the life of the process, and
// the hand-over by which a second start passes its file to the first one and
// ends.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tq::app {

class SingleInstance {
 public:
  // Creates (or opens) the mutex named after the title.
  explicit SingleInstance(const std::string& title);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when another instance held the mutex already.
  bool OtherInstanceRuns() const { return other_; }

 private:
  HANDLE mutex_ = nullptr;
  bool other_ = false;
};

// "Tavrin Quillet" -> "TavrinQuilletMutex".
std::string MutexName(const std::string& title);

// Run by a second instance: finds the first one's application window by its
// title (this instance's own application window must no longer carry it),
// lets it come to the front, sends the "show" message and, when `path` is
// given, the path. A path too long for the message is refused with an
// error box instead of being cut. Does nothing when no first instance is
// found.
void HandOverToFirstInstance(const std::string& title, const std::optional<std::string>& path);

// Run by the first instance on a hand-over message: the path it carries as
// UTF-8 (from the older program, its ANSI text converted); none for the
// "show" message.
std::optional<std::string> HandedOverPath(const COPYDATASTRUCT& data);

}  // namespace tq::app
