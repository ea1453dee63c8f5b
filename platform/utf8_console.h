// Standard output and error are UTF-8 bytes on every system. While a
// Utf8Console lives, a Windows console window that shows either of them
// reads what it is sent as UTF-8 (its output code page), and gets its own
// code page back afterwards. A pipe or a file gets the bytes as written, and
// elsewhere nothing needs doing.
#pragma once

namespace tq::platform {

class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
  [[maybe_unused]] unsigned restore_ = 0;  // the code page to put back; 0: none was changed (Windows only)
};

}  // namespace tq::platform
