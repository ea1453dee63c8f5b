#include "ui/timer.h"

#include <stdexcept>

namespace tq::ui {
namespace {
constexpr wchar_t kTimerClass[] = L"TqTimer";
}

void Timer::Window::Create() {
  RegisterClassOnce(kTimerClass, 0, nullptr, nullptr);
  CreateArgs args;
  args.className = kTimerClass;
  args.x = args.y = args.width = args.height = 0;
  args.parent = HWND_MESSAGE;
  CreateOwnClass(args);
}

void Timer::Window::OnTimer(UINT_PTR id) {
  if (id != kTimerId || !timer_.running_) return;
  // A copy: the callback may stop the timer or replace the callback.
  std::function<void()> callback = timer_.onTimer;
  if (callback) callback();
}

Timer::~Timer() { Stop(); }

void Timer::Start(UINT intervalMs) {
  if (!window_) window_.Create();
  interval_ = intervalMs;
  if (!SetTimer(window_.Handle(), kTimerId, intervalMs, nullptr)) throw std::runtime_error("Cannot start a timer");
  running_ = true;
}

void Timer::Stop() {
  if (running_ && window_) KillTimer(window_.Handle(), kTimerId);
  running_ = false;
}

void Timer::SetInterval(UINT intervalMs) {
  interval_ = intervalMs;
  if (running_) Start(intervalMs);
}

}  // namespace tq::ui
