// TMainForm's reply search: the search hotkey opens a small window near the
// caret of the application the user is typing in; the reply chosen there
// goes in by the same road as a reply hotkey.
#include <exception>
#include <string>

#include "app/main_form.h"
#include "library/reply_library.h"

namespace tq::app {

void TMainForm::ShowReplySearch() {
  if (!LibraryOpen()) return;
  if (!replySearchForm_) {
    replySearchForm_ = std::make_unique<TReplySearchForm>(Handle());
    replySearchForm_->onChoose = [this](int index, std::optional<bool> withFormat) {
      if (TargetWindow) InsertReply(index, withFormat);
      TargetWindow = nullptr;
    };
    replySearchForm_->onCancel = [this](bool byKey) {
      // Escape hands the keyboard back to where the user was typing; a click
      // elsewhere has already put it where the user wants it.
      if (byKey && TargetWindow) {
        HWND top = GetAncestor(TargetWindow, GA_ROOT);
        SetForegroundWindow(top ? top : TargetWindow);
      }
      TargetWindow = nullptr;
    };
  }
  if (!replySearch_) {
    std::vector<library::ReplyRecord> records;
    try {
      records = library::ReadReplies(table_);
    } catch (const std::exception&) {
      // What was read is searched; Refresh sets the library right.
    }
    replySearch_ = std::make_shared<ReplySearch>(tree_, records);
  }
  replySearchForm_->Open(replySearch_, TargetThread);
  if (hotKeyAt_.QuadPart != 0) {
    // For the benchmark: from the hotkey to the search window on the screen.
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const long long us = (now.QuadPart - hotKeyAt_.QuadPart) * 1000000 / frequency.QuadPart;
    DebugLine("WM_HOTKEY to reply search shown " + std::to_string(us) + " us");
    hotKeyAt_.QuadPart = 0;
  }
}

}  // namespace tq::app
