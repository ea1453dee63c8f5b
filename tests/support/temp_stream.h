// TempStream: an anonymous read-write file for a test's streams, gone when
// closed. Not std::tmpfile(): on Windows its C runtime picks a name, deletes
// the file and opens the name again without exclusion, so two test processes
// started in the same tick can end up sharing one file (or get none).
#pragma once

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#endif

namespace tq::testing {

inline FILE* TempStream() {
#ifdef _WIN32
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name = (dir / ("tq-stream-" + std::to_string(_getpid()) + "-" + std::to_string(counter++) + "-" +
                                     std::to_string(stamp)))
                                 .string();
    // Created exclusively, and removed by the system when closed.
    const int fd = _open(name.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_TEMPORARY, _S_IREAD | _S_IWRITE);
    if (fd >= 0) return _fdopen(fd, "w+b");
    if (errno != EEXIST) break;
  }
  return nullptr;
#else
  return std::tmpfile();
#endif
}

}  // namespace tq::testing
