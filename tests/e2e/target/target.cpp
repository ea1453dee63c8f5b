// Quillet Target: a Unicode window with one text box for the end-to-end
// tests to paste into. It writes the box's text (read as UTF-16, written as
// UTF-8) to the file named by --out when it is closed (WM_CLOSE) or when it
// receives kDumpMessage, so a test can read exactly what arrived, and the
// clipboard's text (CF_UNICODETEXT, as UTF-8) to PATH.clipboard on
// kDumpClipboardMessage (its rich text, when it holds any, to
// PATH.clipboard.rtf).
// kHoldClipboardMessage puts "held by the target" on the clipboard and keeps
// the clipboard open, as a busy clipboard tool would, until
// kReleaseClipboardMessage. kHoldHotKeyMessage holds a global hotkey until
// kReleaseHotKeyMessage. --rich uses a rich edit box (RICHEDIT50W, RichEdit20W
// where msftedit is missing) instead of a plain EDIT; --rtf-out PATH also
// writes the rich box's RTF there.
// --class NAME registers the window under that class (a console's, a remote
// desktop's). --paste-keys shift-insert|ctrl-v|slow|none makes the plain box
// paste only on those keys: slow wants Ctrl down at least kSlowGapMs before
// V, and none ignores every paste, as a program that takes only typed keys.
// kPutClipboardMessage puts kUserText, kUserRtf, kUserHtml and SmallDib()
// on the clipboard; kDumpFormatsMessage writes those four formats as they
// are on the clipboard now, byte for byte, to PATH.clip-text, .clip-rtf,
// .clip-html and .clip-dib (a missing format writes no file).
// --copy-after-paste makes the plain box paste on Ctrl+V and, as soon as the
// paste has read the clipboard, copy kLaterText as a user would; the text it
// replaced on the clipboard goes to PATH.replaced.
// --formats-on-paste makes the plain box paste on Ctrl+V and, just before,
// write what the paste reads: the clipboard's text (CF_UNICODETEXT, as
// UTF-8), "Rich Text Format" and "HTML Format" (each up to its first zero
// byte) to PATH.pasted-text, .pasted-rtf and .pasted-html (a missing format
// writes no file).
//
//   QuilletTarget.exe --out C:\path\text.txt [--rich] [--rtf-out C:\path\text.rtf] [--class NAME]
//                     [--paste-keys MODE] [--copy-after-paste] [--formats-on-paste]
#include <windows.h>
// After windows.h, which it needs.
#include <richedit.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/utf16.h"
#include "ui/handles.h"
#include "ui/test_bitmap.h"

namespace {

using tq::platform::Utf8;
using tq::platform::Wide;

// Private message: write the text out now and keep running (the answer is 1
// when the file was written).
constexpr UINT kDumpMessage = WM_APP + 1;
constexpr UINT kHoldClipboardMessage = WM_APP + 2;
constexpr UINT kReleaseClipboardMessage = WM_APP + 3;
constexpr UINT kDumpClipboardMessage = WM_APP + 4;
// Holds a global hotkey as another program would (wParam the MOD_ flags,
// lParam the virtual key; the answer is 1 when Windows gave it), and lets
// it go again.
constexpr UINT kHoldHotKeyMessage = WM_APP + 5;
constexpr UINT kReleaseHotKeyMessage = WM_APP + 6;
constexpr int kHeldHotKeyId = 1;
constexpr UINT kPutClipboardMessage = WM_APP + 7;
constexpr UINT kDumpFormatsMessage = WM_APP + 8;
constexpr char kUserText[] = "Copied by the user";
constexpr char kUserRtf[] = "{\\rtf1\\ansi Copied by {\\b the user}}";
constexpr char kUserHtml[] =
    "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000184\r\nStartFragment:0000000139\r\n"
    "EndFragment:0000000150\r\n<html><body>\r\n<!--StartFragment--><i>user</i><!--EndFragment-->\r\n</body></html>";
constexpr char kLaterText[] = "Copied after the paste";
constexpr DWORD kSlowGapMs = 30;
constexpr char kHeldText[] = "held by the target";
constexpr wchar_t kTitle[] = L"Quillet Target";
constexpr char kClass[] = "QuilletTarget";

enum class PasteKeys { Any, CtrlV, ShiftInsert, Slow, None };

struct Options {
  std::string out;
  std::string rtfOut;
  std::string windowClass = kClass;
  PasteKeys pasteKeys = PasteKeys::Any;
  bool rich = false;
  bool copyAfterPaste = false;
  bool formatsOnPaste = false;
};

// Everything the window needs, reached through the window's user data.
struct Target {
  Options options;
  HWND box = nullptr;
  tq::ui::UniqueModule richLibrary;  // outlives the box: freed after the loop
  WNDPROC boxProc = nullptr;         // the box's own procedure under --paste-keys
  DWORD ctrlDownAt = 0;              // message time of the last Ctrl key-down
};

Options ParseCommandLine() {
  Options o;
  int argc = 0;
  std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &argc), &LocalFree);
  std::vector<std::string> args;
  for (int i = 1; argv && i < argc; ++i) args.push_back(Utf8(argv.get()[i]));
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--rich")
      o.rich = true;
    else if (args[i] == "--out" && i + 1 < args.size())
      o.out = args[++i];
    else if (args[i] == "--rtf-out" && i + 1 < args.size())
      o.rtfOut = args[++i];
    else if (args[i] == "--class" && i + 1 < args.size())
      o.windowClass = args[++i];
    else if (args[i] == "--paste-keys" && i + 1 < args.size()) {
      const std::string mode = args[++i];
      o.pasteKeys = mode == "ctrl-v"         ? PasteKeys::CtrlV
                    : mode == "shift-insert" ? PasteKeys::ShiftInsert
                    : mode == "slow"         ? PasteKeys::Slow
                                             : PasteKeys::None;
    } else if (args[i] == "--copy-after-paste") {
      o.copyAfterPaste = true;
    } else if (args[i] == "--formats-on-paste") {
      o.formatsOnPaste = true;
    }
  }
  // The copy follows, and the formats come before, the paste that the box's own keys make.
  if ((o.copyAfterPaste || o.formatsOnPaste) && o.pasteKeys == PasteKeys::Any) o.pasteKeys = PasteKeys::CtrlV;
  return o;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  if (path.empty()) return false;
  // Written to a temporary name and renamed, so a reader never sees half.
  const std::wstring temp = Wide(path + ".part");
  std::unique_ptr<FILE, decltype(&std::fclose)> f(_wfopen(temp.c_str(), L"wb"), &std::fclose);
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  if (std::fclose(f.release()) != 0 || !ok) return false;
  return MoveFileExW(temp.c_str(), Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

DWORD CALLBACK AppendChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), size);
  *done = size;
  return 0;
}

// The box's text, every UTF-16 unit of it, as UTF-8 (a lone surrogate
// would show as U+FFFD).
std::string BoxText(const Target& t) {
  constexpr UINT kUtf16 = 1200;
  if (t.options.rich) {
    GETTEXTLENGTHEX lengthQuery{GTL_USECRLF | GTL_PRECISE, kUtf16};
    const LRESULT length = SendMessageW(t.box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery), 0);
    if (length <= 0) return {};
    std::wstring text(length + 1, L'\0');
    GETTEXTEX query{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_USECRLF, kUtf16, nullptr, nullptr};
    const LRESULT got =
        SendMessageW(t.box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? got : 0);
    return Utf8(text);
  }
  const int length = GetWindowTextLengthW(t.box);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(t.box, text.data(), length + 1));
  return Utf8(text);
}

std::string BoxRtf(const Target& t) {
  std::string rtf;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rtf), 0, &AppendChunk};
  SendMessageW(t.box, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  return rtf;
}

bool Dump(const Target& t) {
  bool ok = WriteFileBytes(t.options.out, BoxText(t));
  if (t.options.rich && !t.options.rtfOut.empty()) ok = WriteFileBytes(t.options.rtfOut, BoxRtf(t)) && ok;
  return ok;
}

bool HoldClipboard(HWND hwnd) {
  if (!OpenClipboard(hwnd)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof kHeldText);
  if (memory) {
    std::memcpy(GlobalLock(memory), kHeldText, sizeof kHeldText);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
  }
  // Open until kReleaseClipboardMessage; the text shows on release.
  return true;
}

// The clipboard's text (CF_UNICODETEXT, which Windows makes from CF_TEXT
// when only that was put there) as UTF-8; nullopt when it holds no text.
std::optional<std::string> ClipboardText() {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::nullopt;
  std::string text;
  if (const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(data))) {
    text = Utf8(std::wstring_view(p, wcsnlen(p, GlobalSize(data) / sizeof(wchar_t))));
    GlobalUnlock(data);
  }
  return text;
}

// The clipboard's data in one format, up to its first zero byte; nullopt
// when the clipboard does not hold that format.
std::optional<std::string> ClipboardBytes(UINT format) {
  HANDLE data = GetClipboardData(format);
  if (!data) return std::nullopt;
  std::string bytes;
  if (const char* p = static_cast<const char*>(GlobalLock(data))) {
    bytes.assign(p, strnlen(p, GlobalSize(data)));
    GlobalUnlock(data);
  }
  return bytes;
}

bool DumpClipboard(const Target& t, HWND hwnd) {
  if (!OpenClipboard(hwnd)) return false;
  const std::optional<std::string> text = ClipboardText();
  const std::optional<std::string> rtf = ClipboardBytes(RegisterClipboardFormatW(L"Rich Text Format"));
  CloseClipboard();
  const std::string rtfPath = t.options.out + ".clipboard.rtf";
  DeleteFileW(Wide(rtfPath).c_str());
  return WriteFileBytes(t.options.out + ".clipboard", text.value_or("")) && (!rtf || WriteFileBytes(rtfPath, *rtf));
}

void SetBytes(UINT format, const std::string& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return;
  std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
  GlobalUnlock(memory);
  if (!SetClipboardData(format, memory)) GlobalFree(memory);
}

bool PutUserClipboard(HWND hwnd) {
  if (!OpenClipboard(hwnd)) return false;
  EmptyClipboard();
  SetBytes(CF_TEXT, std::string(kUserText, sizeof kUserText));
  SetBytes(RegisterClipboardFormatW(L"Rich Text Format"), std::string(kUserRtf, sizeof kUserRtf));
  SetBytes(RegisterClipboardFormatW(L"HTML Format"), std::string(kUserHtml, sizeof kUserHtml));
  SetBytes(CF_DIB, tq::ui::testing::SmallDib());
  return CloseClipboard() != 0;
}

bool DumpFormats(const Target& t, HWND hwnd) {
  const std::pair<UINT, const char*> formats[] = {{CF_TEXT, ".clip-text"},
                                                  {RegisterClipboardFormatW(L"Rich Text Format"), ".clip-rtf"},
                                                  {RegisterClipboardFormatW(L"HTML Format"), ".clip-html"},
                                                  {CF_DIB, ".clip-dib"}};
  for (const auto& [format, suffix] : formats) DeleteFileW(Wide(t.options.out + suffix).c_str());
  if (!OpenClipboard(hwnd)) return false;
  bool ok = true;
  for (const auto& [format, suffix] : formats) {
    HANDLE data = GetClipboardData(format);
    const char* p = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!p) continue;
    ok = WriteFileBytes(t.options.out + suffix, std::string(p, GlobalSize(data))) && ok;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return ok;
}

// Under --copy-after-paste: kLaterText replaces what is on the clipboard,
// which is written to PATH.replaced.
bool CopyLaterText(const Target& t) {
  HWND hwnd = GetParent(t.box);
  if (!OpenClipboard(hwnd)) return false;
  const std::optional<std::string> replaced = ClipboardText();
  EmptyClipboard();
  SetBytes(CF_TEXT, std::string(kLaterText, sizeof kLaterText));
  CloseClipboard();
  return WriteFileBytes(t.options.out + ".replaced", replaced.value_or(""));
}

// Under --formats-on-paste: what the paste is about to read.
bool DumpPastedFormats(const Target& t, HWND hwnd) {
  const std::string base = t.options.out + ".pasted-";
  for (const char* suffix : {"text", "rtf", "html"}) DeleteFileW(Wide(base + suffix).c_str());
  if (!OpenClipboard(hwnd)) return false;
  const std::optional<std::string> text = ClipboardText();
  const std::optional<std::string> rtf = ClipboardBytes(RegisterClipboardFormatW(L"Rich Text Format"));
  const std::optional<std::string> html = ClipboardBytes(RegisterClipboardFormatW(L"HTML Format"));
  CloseClipboard();
  bool ok = true;
  if (text) ok = WriteFileBytes(base + "text", *text) && ok;
  if (rtf) ok = WriteFileBytes(base + "rtf", *rtf) && ok;
  if (html) ok = WriteFileBytes(base + "html", *html) && ok;
  return ok;
}

void Paste(const Target& t, HWND box) {
  if (t.options.formatsOnPaste) DumpPastedFormats(t, GetParent(box));
  CallWindowProcW(t.boxProc, box, WM_PASTE, 0, 0);
  if (t.options.copyAfterPaste) CopyLaterText(t);
}

// The box under --paste-keys: it pastes on its mode's keys only.
LRESULT CALLBACK BoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
  auto* t = reinterpret_cast<Target*>(GetWindowLongPtrW(GetParent(box), GWLP_USERDATA));
  const PasteKeys mode = t->options.pasteKeys;
  const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  switch (msg) {
    case WM_KEYDOWN:
      if (wp == VK_CONTROL && !(lp & 0x40000000)) t->ctrlDownAt = GetMessageTime();
      if (wp == 'V' && ctrl) {
        const bool slowEnough = GetMessageTime() - t->ctrlDownAt >= kSlowGapMs;
        if (mode == PasteKeys::CtrlV || (mode == PasteKeys::Slow && slowEnough)) {
          Paste(*t, box);
        }
        return 0;
      }
      if (wp == VK_INSERT && shift) {
        if (mode == PasteKeys::ShiftInsert) Paste(*t, box);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == 0x16) return 0;  // Ctrl+V's character: handled at its key-down
      break;
    case WM_PASTE:
      return 0;  // pastes come only from the keys above
  }
  return CallWindowProcW(t->boxProc, box, msg, wp, lp);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* t = reinterpret_cast<Target*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_NCCREATE:
      t = static_cast<Target*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(t));
      break;
    case WM_CREATE: {
      const wchar_t* boxClass = L"EDIT";
      if (t->options.rich) {
        // The rich edit of today's programs; version 2 only where it is missing.
        t->richLibrary.reset(LoadLibraryW(L"MSFTEDIT.DLL"));
        boxClass = L"RICHEDIT50W";
        if (!t->richLibrary) {
          t->richLibrary.reset(LoadLibraryW(L"RICHED20.DLL"));
          boxClass = L"RichEdit20W";
        }
        if (!t->richLibrary) return -1;
      }
      t->box = CreateWindowExW(WS_EX_CLIENTEDGE, boxClass, L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 0, 0,
                               0, 0, hwnd, reinterpret_cast<HMENU>(1), GetModuleHandleW(nullptr), nullptr);
      if (!t->box) return -1;
      if (t->options.rich) SendMessageW(t->box, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
      // A font of normal weight: in the System font every character would
      // read as bold, pasted formatting or not.
      SendMessageW(t->box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
      if (t->options.pasteKeys != PasteKeys::Any) {
        t->boxProc =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(t->box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoxProc)));
      }
      return 0;
    }
    case WM_SIZE:
      MoveWindow(t->box, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(t->box);
      return 0;
    case kDumpMessage:
      return Dump(*t) ? 1 : 0;
    case kHoldClipboardMessage:
      return HoldClipboard(hwnd) ? 1 : 0;
    case kReleaseClipboardMessage:
      return CloseClipboard() ? 1 : 0;
    case kDumpClipboardMessage:
      return DumpClipboard(*t, hwnd) ? 1 : 0;
    case kHoldHotKeyMessage:
      return RegisterHotKey(hwnd, kHeldHotKeyId, static_cast<UINT>(wp), static_cast<UINT>(lp)) ? 1 : 0;
    case kReleaseHotKeyMessage:
      return UnregisterHotKey(hwnd, kHeldHotKeyId) ? 1 : 0;
    case kPutClipboardMessage:
      return PutUserClipboard(hwnd) ? 1 : 0;
    case kDumpFormatsMessage:
      return DumpFormats(*t, hwnd) ? 1 : 0;
    case WM_CLOSE:
      Dump(*t);
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Target target;
  target.options = ParseCommandLine();
  if (target.options.out.empty()) {
    MessageBoxW(nullptr, L"Usage: QuilletTarget --out PATH [--rich] [--rtf-out PATH]", kTitle, MB_OK | MB_ICONERROR);
    return 2;
  }
  const std::wstring className = Wide(target.options.windowClass);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW, in its wide form
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = className.c_str();
  if (!RegisterClassExW(&wc)) return 3;
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, kTitle, WS_OVERLAPPEDWINDOW, 40, 40, 480, 320, nullptr, nullptr,
                              instance, &target);
  if (!hwnd) return 4;
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
