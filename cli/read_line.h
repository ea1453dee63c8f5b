// Reading standard input a line at a time, for quillet's interactive and
// pipe modes.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

namespace tq::cli {

namespace read_line_detail {
inline int NextByte(FILE* in) {
#if defined(_WIN32)
  return std::getc(in);
#else
  return getc_unlocked(in);  // one reader per stream: the lock of every getc costs more than the rest
#endif
}
}  // namespace read_line_detail

// One line of input without its line end (LF or CR LF); false at the end of
// input.
inline bool ReadLine(FILE* in, std::string* line) {
  line->clear();
  char chunk[256];
  size_t n = 0;
  int c;
  while ((c = read_line_detail::NextByte(in)) != EOF && c != '\n') {
    chunk[n++] = static_cast<char>(c);
    if (n == sizeof chunk) {
      line->append(chunk, n);
      n = 0;
    }
  }
  line->append(chunk, n);
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return c != EOF || !line->empty();
}

// Whether the stream's buffer already holds a whole further line, so that
// reading it cannot wait for the writer. A conversation flushes its answers
// only when this is false: before it could wait, never in between. Where the
// buffer cannot be seen the answer is false, and every line is flushed.
inline bool LineBuffered(FILE* in) {
#if defined(__GLIBC__)
  return in->_IO_read_ptr < in->_IO_read_end &&
         std::memchr(in->_IO_read_ptr, '\n', static_cast<size_t>(in->_IO_read_end - in->_IO_read_ptr)) != nullptr;
#else
  (void)in;
  return false;
#endif
}

}  // namespace tq::cli
