// Timer: calls onTimer every interval while running, on the thread that made
// it, from that thread's message loop. It has a message-only window of its
// own, so it needs no form and goes away cleanly with its owner.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/wnd.h"

namespace tq::ui {

class Timer {
 public:
  Timer() = default;
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  std::function<void()> onTimer;

  // Starts (or restarts) with this interval in milliseconds.
  void Start(UINT intervalMs);
  void Stop();
  bool Running() const { return running_; }
  UINT Interval() const { return interval_; }
  // Changes the interval; a running timer restarts with it.
  void SetInterval(UINT intervalMs);

 private:
  class Window : public Wnd {
   public:
    explicit Window(Timer& timer) : timer_(timer) {}
    void Create();

   protected:
    void OnTimer(UINT_PTR id) override;

   private:
    Timer& timer_;
  };

  static constexpr UINT_PTR kTimerId = 1;
  Window window_{*this};
  UINT interval_ = 0;
  bool running_ = false;
};

}  // namespace tq::ui
