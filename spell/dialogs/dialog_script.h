// For window tests of modal dialogs: steps that each wait for a window of
// this thread with a given caption to be shown, then act on it (usually by
// posting clicks and keys). The steps run from a timer, which keeps firing
// inside the dialogs' own modal loops.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

#include "platform/utf16.h"
#include "ui/timer.h"
#include "ui/wnd.h"

namespace tq::spell::testing {

class DialogScript {
 public:
  DialogScript() {
    timer_.onTimer = [this] { Tick(); };
    timer_.Start(20);
  }

  // Runs action on the first visible window captioned `caption`, once the
  // steps before it have run.
  void Then(std::string caption, std::function<void(HWND)> action) {
    steps_.push_back({std::move(caption), std::move(action)});
  }
  bool Done() const { return steps_.empty(); }
  // The caption the script waits for ("" when done).
  std::string Waiting() const { return steps_.empty() ? "" : steps_.front().caption; }

 private:
  struct Step {
    std::string caption;
    std::function<void(HWND)> action;
  };
  struct Search {
    const std::string* caption;
    HWND found;
  };

  static BOOL CALLBACK Find(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    if (IsWindowVisible(hwnd) && *search->caption == platform::Utf8(text)) {
      search->found = hwnd;
      return FALSE;
    }
    return TRUE;
  }

  void Tick() {
    if (steps_.empty()) return;
    Search search{&steps_.front().caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &DialogScript::Find, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    // Taken off first: the action may open a modal loop in which the next
    // steps run.
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step.action(search.found);
  }

  std::deque<Step> steps_;
  ui::Timer timer_;
};

// The form of the toolkit behind a window the script found.
template <typename Form>
Form& FormOf(HWND hwnd) {
  auto* form = dynamic_cast<Form*>(ui::Wnd::FromHandle(hwnd));
  EXPECT_NE(form, nullptr);
  return *form;
}

// Clicks a button (or check box) as the mouse would, after the current message.
inline void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

}  // namespace tq::spell::testing
