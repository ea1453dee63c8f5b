// Keeping and offering the clipboard's contents as bytes. ReadClipboard
// saves every format that can be kept (memory formats as they stand, an
// enhanced metafile as its bits; a bitmap travels as CF_DIB, from which the
// system makes CF_BITMAP again). ClipboardKeeper puts contents back on the
// clipboard, either at once or by delayed rendering: then each format is
// handed over only when a program first asks for it, and the keeper counts
// those reads, so its owner knows when the reader is done.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/wnd.h"

namespace tq::ui {

struct ClipboardFormat {
  UINT format = 0;
  std::string bytes;
  bool operator==(const ClipboardFormat&) const = default;
};
using ClipboardContents = std::vector<ClipboardFormat>;

// Every keepable format on the clipboard, in the clipboard's order, opened by
// `opener`; nothing when another program held the clipboard open throughout
// a few brief tries.
std::optional<ClipboardContents> ReadClipboard(HWND opener);

class ClipboardKeeper {
 public:
  ClipboardKeeper() = default;
  ~ClipboardKeeper();
  ClipboardKeeper(const ClipboardKeeper&) = delete;
  ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

  // Empties the clipboard and names the formats of `contents` without their
  // data: each is rendered when first asked for. False when the clipboard
  // could not be opened.
  bool Offer(ClipboardContents contents);
  // Replaces the clipboard's contents with `contents`, all rendered now.
  bool Put(const ClipboardContents& contents);

  // Formats of the offer that programs have read so far.
  int Reads() const { return reads_; }
  // The clipboard still holds what this keeper last put on it: nobody has
  // emptied it since.
  bool StillOurs() const;
  HWND Handle() const { return window_.Handle(); }

 private:
  class Window : public Wnd {
   public:
    explicit Window(ClipboardKeeper& keeper) : keeper_(keeper) {}
    void Create();

   protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

   private:
    ClipboardKeeper& keeper_;
  };

  bool Replace(const ClipboardContents& contents, bool delayed);
  void Render(UINT format);
  void RenderAll();

  Window window_{*this};
  ClipboardContents offered_;  // the offer's data, rendered on demand
  int reads_ = 0;
  bool emptying_ = false;  // our own EmptyClipboard is under way
  bool lost_ = true;       // someone else emptied the clipboard since we last filled it
};

}  // namespace tq::ui
