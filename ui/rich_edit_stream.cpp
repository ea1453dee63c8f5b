#include "ui/rich_edit_stream.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "platform/utf16.h"

namespace tq::ui {
namespace {

struct ReadCursor {
  std::string_view text;
  size_t pos = 0;
};

// Hands the control the next piece of the text.
DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* cursor = reinterpret_cast<ReadCursor*>(cookie);
  const size_t n = std::min(static_cast<size_t>(size), cursor->text.size() - cursor->pos);
  std::memcpy(buffer, cursor->text.data() + cursor->pos, n);
  cursor->pos += n;
  *done = static_cast<LONG>(n);
  return 0;
}

DWORD CALLBACK WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
  *done = size;
  return 0;
}

}  // namespace

bool StreamIntoRichEdit(HWND control, std::string_view text, UINT format) {
  ReadCursor cursor{text};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cursor);
  stream.pfnCallback = &ReadChunk;
  SendMessageW(control, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

bool SetRichEditPlainText(HWND control, std::string_view text) {
  // Streamed as text, never as RTF; SF_UNICODE reads the bytes as UTF-16.
  const std::u16string wide = platform::Utf8ToUtf16(text);
  const std::string_view bytes(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(char16_t));
  return StreamIntoRichEdit(control, bytes, SF_TEXT | SF_UNICODE);
}

std::string StreamOutOfRichEdit(HWND control, UINT format) {
  std::string out;
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&out);
  stream.pfnCallback = &WriteChunk;
  SendMessageW(control, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
  return out;
}

}  // namespace tq::ui
