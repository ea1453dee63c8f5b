// wintool: looks at and pokes the windows of a Wine session for the
// end-to-end tests, which cannot see hidden windows from X. One command per
// run; results on stdout, one per line; exit code 0 on success, 1 when the
// thing asked for is not there, 2 on a usage error. Texts go both ways as
// UTF-8 and reach windows through the wide (W) functions, so a window's text
// reads back exactly whatever its program's code page.
//
//   list                      top-level windows: handle pid visible owner class title (tab-separated)
//   find TITLE                handle of the top-level window with exactly this caption
//   prev|owner HWND           the window above HWND in the Z-order / its owner
//   memory PID                working set, peak working set, pagefile usage in bytes
//   children HWND             descendants: handle visible enabled class text (tab-separated)
//   text HWND                 caption
//   settext HWND TEXT         sets a window's text (WM_SETTEXT)
//   chars|imechars HWND TEXT  sends TEXT as WM_CHAR / WM_IME_CHAR messages, one per UTF-16 unit (a character
//                             beyond U+FFFF as its two surrogates), as a keyboard or an input method delivers it
//   rect HWND                 screen rectangle: left top right bottom
//   client HWND               the client area's screen rectangle: left top right bottom
//   controls HWND             descendants with their places: handle visible class style left top right bottom
//                             text (tab-separated; the rectangle on the screen)
//   enabled HWND              1 when the window takes input, else 0
//   foreground                the foreground window
//   focus HWND                the window with the keyboard focus in HWND's thread
//   treetext HWND ITEM        text of a tree view item of another process
//   tree HWND                 every item in tree order: depth, selected (1/0), text (tab-separated)
//   shown HWND                the texts of the items one can scroll to (all their parents expanded)
//   post|send HWND MSG [WPARAM [LPARAM]]   numbers in decimal or 0x hex
//   version FILE              version resource: fixed file version and string values
//   icon FILE ID SIZE         whether FILE has icon resource ID at SIZE pixels
//   focus HWND                the keyboard focus of the window's thread (0 for none)
//   itemrect TREE ITEM        a tree item's text rectangle in the tree's client area
//   shortcut FILE.lnk         a shell link's target path, arguments and icon (path,index), one per line
//   style HWND                the window's style and extended style, in hex
//   codepages                 the ANSI and OEM code pages programs get (GetACP, GetOEMCP)
//   dpi                       the screen's logical DPI as programs see it; the message font's height,
//                             cell height, width of the 52 letters A-Z a-z, and face
//   hold                      waits until it is killed: while any program runs, Wine keeps its desktop
//                             process, which it otherwise ends when idle and starts again (over a
//                             second) for the next program with a window
//   serve                     runs the commands above (but dpi and hold, which want a process of their
//                             own) one a line from standard input, the words tab-separated with \ \t
//                             \n \r escaped, answering each with its output and a line "\x04" EXIT-CODE;
//                             ends with its input. A session's many looks then cost no Wine start each.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/utf16.h"
#include "ui/handles.h"

namespace {

using tq::platform::Utf8;
using tq::platform::Wide;

// Handles and message parameters are pointer-sized: 64 bits here, where a
// long is 32.
std::string Hex(const void* handle) {
  char s[32];
  std::snprintf(s, sizeof s, "0x%08llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(handle)));
  return s;
}

UINT_PTR Number(const std::string& s) { return static_cast<UINT_PTR>(std::strtoull(s.c_str(), nullptr, 0)); }
HWND Handle(const std::string& s) { return reinterpret_cast<HWND>(Number(s)); }

// A window's text through WM_GETTEXT, which the system carries across
// processes (GetWindowText only gives other processes' captions). Its line
// breaks travel as the unit separator (0x1F), so each window stays on one
// output line; winsession turns them back into "\n".
std::string Caption(HWND hwnd) {
  std::wstring text(8192, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                           &copied)) {
    GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  }
  text.resize(wcsnlen(text.data(), text.size()));
  std::string caption;
  for (const char c : Utf8(text)) {
    if (c == '\n')
      caption += '\x1f';
    else if (c != '\r')
      caption += c;
  }
  return caption;
}

std::string ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return Utf8(name);
}

BOOL CALLBACK ListOne(HWND hwnd, LPARAM) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  std::printf("%s\t%lu\t%d\t%s\t%s\t%s\n", Hex(hwnd).c_str(), static_cast<unsigned long>(pid),
              IsWindowVisible(hwnd) ? 1 : 0, Hex(GetWindow(hwnd, GW_OWNER)).c_str(), ClassOf(hwnd).c_str(),
              Caption(hwnd).c_str());
  return TRUE;
}

// Every descendant: handle, visible, enabled, class, text.
BOOL CALLBACK ListChild(HWND hwnd, LPARAM) {
  std::printf("%s\t%d\t%d\t%s\t%s\n", Hex(hwnd).c_str(), IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0,
              ClassOf(hwnd).c_str(), Caption(hwnd).c_str());
  return TRUE;
}

BOOL CALLBACK ListControl(HWND hwnd, LPARAM) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  std::printf("%s\t%d\t%s\t%lx\t%ld\t%ld\t%ld\t%ld\t%s\n", Hex(hwnd).c_str(), IsWindowVisible(hwnd) ? 1 : 0,
              ClassOf(hwnd).c_str(), static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_STYLE)), r.left, r.top,
              r.right, r.bottom, Caption(hwnd).c_str());
  return TRUE;
}

// Working set and peak working set of a process, in bytes.
int Memory(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return 1;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  const BOOL ok = GetProcessMemoryInfo(process, &counters, sizeof counters);
  CloseHandle(process);
  if (!ok) return 1;
  std::printf("WorkingSet=%llu\nPeakWorkingSet=%llu\nPagefile=%llu\n",
              static_cast<unsigned long long>(counters.WorkingSetSize),
              static_cast<unsigned long long>(counters.PeakWorkingSetSize),
              static_cast<unsigned long long>(counters.PagefileUsage));
  return 0;
}

int PrintHandle(HWND hwnd) {
  std::printf("%s\n", Hex(hwnd).c_str());
  return hwnd ? 0 : 1;
}

int Version(const std::string& file) {
  DWORD ignored = 0;
  const std::wstring path = Wide(file);
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (!size) return 1;
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return 1;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    std::printf("Fixed=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
  }
  struct Translation {
    WORD language, codePage;
  }* translations = nullptr;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length) ||
      length < sizeof(Translation)) {
    return 1;
  }
  for (const char* name :
       {"CompanyName", "FileDescription", "FileVersion", "ProductName", "ProductVersion", "OriginalFilename"}) {
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translations->language, translations->codePage,
                  name);
    wchar_t* value = nullptr;
    if (VerQueryValueW(data.data(), Wide(path).c_str(), reinterpret_cast<void**>(&value), &length) && value) {
      std::printf("%s=%s\n", name, Utf8(value).c_str());
    }
  }
  return 0;
}

int Icon(const std::string& file, int id, int size) {
  tq::ui::UniqueModule module(LoadLibraryExW(Wide(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return 1;
  HANDLE icon = LoadImageW(module.get(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
  if (!icon) return 1;
  ICONINFO info{};
  int width = 0;
  if (GetIconInfo(static_cast<HICON>(icon), &info)) {
    BITMAP bm{};
    if (GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm)) width = bm.bmWidth;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  DestroyIcon(static_cast<HICON>(icon));
  std::printf("%d\n", width);
  return 0;
}

// A tree view item's text rectangle in the tree's client area, through
// memory lent in the tree's process.
int TreeItemRect(HWND tree, HTREEITEM item) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tree, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 1;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  int rc = 1;
  if (remote) {
    RECT r{};
    static_assert(sizeof item <= sizeof r);
    std::memcpy(&r, &item, sizeof item);  // the message reads the item from the rectangle
    DWORD_PTR ok = 0;
    if (WriteProcessMemory(process, remote, &r, sizeof r, nullptr) &&
        SendMessageTimeoutW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                            &ok) &&
        ok && ReadProcessMemory(process, remote, &r, sizeof r, nullptr)) {
      std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
      rc = 0;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return rc;
}

// Tree view items' texts, read through memory lent in the tree's process,
// since a pointer of ours means nothing there.
class TreeReader {
 public:
  explicit TreeReader(HWND tree) : tree_(tree) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tree, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_)
      remote_ = static_cast<char*>(
          VirtualAllocEx(process_, nullptr, sizeof(TVITEMW) + kText * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
  }
  ~TreeReader() {
    if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  TreeReader(const TreeReader&) = delete;
  TreeReader& operator=(const TreeReader&) = delete;

  bool Text(HTREEITEM item, std::string* text) const {
    if (!remote_) return false;
    TVITEMW tvi{};
    tvi.mask = TVIF_TEXT | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.pszText = reinterpret_cast<wchar_t*>(remote_ + sizeof(TVITEMW));
    tvi.cchTextMax = kText;
    wchar_t buffer[kText] = {};
    DWORD_PTR ok = 0;
    if (!WriteProcessMemory(process_, remote_, &tvi, sizeof tvi, nullptr) ||
        !SendMessageTimeoutW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote_), SMTO_ABORTIFHUNG, 5000, &ok) ||
        !ok || !ReadProcessMemory(process_, remote_ + sizeof(TVITEMW), buffer, (kText - 1) * sizeof(wchar_t), nullptr))
      return false;
    *text = Utf8(buffer);
    return true;
  }

  HTREEITEM Next(HTREEITEM item, WPARAM how) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(tree_, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG, 5000, &result);
    return reinterpret_cast<HTREEITEM>(result);
  }

 private:
  static constexpr SIZE_T kText = 512;
  HWND tree_;
  HANDLE process_ = nullptr;
  char* remote_ = nullptr;
};

int TreeText(HWND tree, HTREEITEM item) {
  std::string text;
  if (!TreeReader(tree).Text(item, &text)) return 1;
  std::printf("%s\n", text.c_str());
  return 0;
}

// The whole tree, depth first in the order the tree shows it (collapsed
// branches included).
int Tree(HWND tree) {
  const TreeReader reader(tree);
  const HTREEITEM selected = reader.Next(nullptr, TVGN_CARET);
  struct Walk {
    const TreeReader& reader;
    HTREEITEM selected;
    bool Items(HTREEITEM first, int depth) const {
      for (HTREEITEM item = first; item; item = reader.Next(item, TVGN_NEXT)) {
        std::string text;
        if (!reader.Text(item, &text)) return false;
        std::printf("%d\t%d\t%s\n", depth, item == selected ? 1 : 0, text.c_str());
        if (!Items(reader.Next(item, TVGN_CHILD), depth + 1)) return false;
      }
      return true;
    }
  };
  return Walk{reader, selected}.Items(reader.Next(nullptr, TVGN_ROOT), 0) ? 0 : 1;
}

// The items whose parents are all expanded, in tree order: those a user
// sees or can scroll to.
int Shown(HWND tree) {
  const TreeReader reader(tree);
  for (HTREEITEM item = reader.Next(nullptr, TVGN_ROOT); item; item = reader.Next(item, TVGN_NEXTVISIBLE)) {
    std::string text;
    if (!reader.Text(item, &text)) return 1;
    std::printf("%s\n", text.c_str());
  }
  return 0;
}

// What a shell link (.lnk) starts, as the shell reads it.
int Shortcut(const std::string& file) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  int rc = 1;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
      wchar_t path[MAX_PATH] = {}, arguments[MAX_PATH] = {}, icon[MAX_PATH] = {};
      int iconIndex = 0;
      if (SUCCEEDED(persist->Load(Wide(file).c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)) && SUCCEEDED(link->GetArguments(arguments, MAX_PATH)) &&
          SUCCEEDED(link->GetIconLocation(icon, MAX_PATH, &iconIndex))) {
        std::printf("%s\n%s\n%s,%d\n", Utf8(path).c_str(), Utf8(arguments).c_str(), Utf8(icon).c_str(), iconIndex);
        rc = 0;
      }
      persist->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return rc;
}

int Dpi() {
  HDC dc = GetDC(nullptr);
  if (!dc) return 1;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 1;
  // The message font's measure: cell height and the average width of the
  // 52 letters, as dialog units are measured.
  const tq::ui::UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
  TEXTMETRICW tm{};
  SIZE letters{};
  {
    const tq::ui::WindowDc screen(nullptr);
    const tq::ui::SelectedObject selected(screen.get(), font.get());
    GetTextMetricsW(screen.get(), &tm);
    GetTextExtentPoint32W(screen.get(), L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
  }
  std::printf("%d %ld %ld %ld %s\n", dpi, metrics.lfMessageFont.lfHeight, tm.tmHeight, letters.cx,
              Utf8(metrics.lfMessageFont.lfFaceName).c_str());
  return 0;
}

// Each UTF-16 unit of text as one message, waited for, as typing delivers
// it: a character beyond U+FFFF arrives as its two surrogates in turn. The
// repeat count of one is what a single key press carries.
int SendUnits(HWND hwnd, UINT msg, const std::string& text) {
  for (const wchar_t unit : Wide(text)) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, unit, 1, SMTO_ABORTIFHUNG, 5000, &result)) return 1;
  }
  return 0;
}

int Run(const std::vector<std::string>& a) {
  if (a.empty()) return 2;
  const std::string& cmd = a[0];
  int rc = 2;
  if (cmd == "list") {
    EnumWindows(ListOne, 0);
    rc = 0;
  } else if (cmd == "memory" && a.size() == 2) {
    rc = Memory(static_cast<DWORD>(Number(a[1])));
  } else if (cmd == "children" && a.size() == 2) {
    EnumChildWindows(Handle(a[1]), ListChild, 0);
    rc = 0;
  } else if (cmd == "controls" && a.size() == 2) {
    EnumChildWindows(Handle(a[1]), ListControl, 0);
    rc = 0;
  } else if (cmd == "find" && a.size() == 2) {
    rc = PrintHandle(FindWindowW(nullptr, Wide(a[1]).c_str()));
  } else if (cmd == "prev" && a.size() == 2) {
    rc = PrintHandle(GetWindow(Handle(a[1]), GW_HWNDPREV));
  } else if (cmd == "owner" && a.size() == 2) {
    rc = PrintHandle(GetWindow(Handle(a[1]), GW_OWNER));
  } else if (cmd == "text" && a.size() == 2) {
    if (IsWindow(Handle(a[1]))) {
      std::printf("%s\n", Caption(Handle(a[1])).c_str());
      rc = 0;
    } else {
      rc = 1;
    }
  } else if (cmd == "settext" && a.size() == 3) {
    DWORD_PTR result = 0;
    const std::wstring text = Wide(a[2]);
    rc = SendMessageTimeoutW(Handle(a[1]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                             5000, &result) &&
                 result
             ? 0
             : 1;
  } else if ((cmd == "chars" || cmd == "imechars") && a.size() == 3) {
    rc = SendUnits(Handle(a[1]), cmd == "chars" ? WM_CHAR : WM_IME_CHAR, a[2]);
  } else if (cmd == "rect" && a.size() == 2) {
    RECT r{};
    rc = GetWindowRect(Handle(a[1]), &r) ? 0 : 1;
    if (rc == 0) std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  } else if (cmd == "client" && a.size() == 2) {
    RECT r{};
    rc = GetClientRect(Handle(a[1]), &r) ? 0 : 1;
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    if (rc == 0 && MapWindowPoints(Handle(a[1]), nullptr, corners, 2) >= 0)
      std::printf("%ld %ld %ld %ld\n", corners[0].x, corners[0].y, corners[1].x, corners[1].y);
  } else if (cmd == "enabled" && a.size() == 2) {
    rc = IsWindow(Handle(a[1])) ? 0 : 1;
    if (rc == 0) std::printf("%d\n", IsWindowEnabled(Handle(a[1])) ? 1 : 0);
  } else if (cmd == "itemrect" && a.size() == 3) {
    rc = TreeItemRect(Handle(a[1]), reinterpret_cast<HTREEITEM>(Number(a[2])));
  } else if (cmd == "treetext" && a.size() == 3) {
    rc = TreeText(Handle(a[1]), reinterpret_cast<HTREEITEM>(Number(a[2])));
  } else if (cmd == "tree" && a.size() == 2) {
    rc = Tree(Handle(a[1]));
  } else if (cmd == "shown" && a.size() == 2) {
    rc = Shown(Handle(a[1]));
  } else if (cmd == "focus" && a.size() == 2) {
    // The keyboard focus of the thread that owns the window.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(Handle(a[1]), nullptr);
    rc = thread && GetGUIThreadInfo(thread, &info) ? PrintHandle(info.hwndFocus) : 1;
  } else if (cmd == "foreground") {
    rc = PrintHandle(GetForegroundWindow());
  } else if ((cmd == "post" || cmd == "send") && a.size() >= 3 && a.size() <= 5) {
    const HWND hwnd = Handle(a[1]);
    const UINT msg = static_cast<UINT>(Number(a[2]));
    const WPARAM wp = a.size() > 3 ? Number(a[3]) : 0;
    const LPARAM lp = a.size() > 4 ? static_cast<LPARAM>(Number(a[4])) : 0;
    if (cmd == "post") {
      rc = PostMessageW(hwnd, msg, wp, lp) ? 0 : 1;
    } else {
      DWORD_PTR result = 0;
      rc = SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result) ? 0 : 1;
      std::printf("%llu\n", static_cast<unsigned long long>(result));
    }
  } else if (cmd == "version" && a.size() == 2) {
    rc = Version(a[1]);
  } else if (cmd == "icon" && a.size() == 4) {
    rc = Icon(a[1], static_cast<int>(Number(a[2])), static_cast<int>(Number(a[3])));
  } else if (cmd == "shortcut" && a.size() == 2) {
    rc = Shortcut(a[1]);
  } else if (cmd == "style" && a.size() == 2) {
    rc = IsWindow(Handle(a[1])) ? 0 : 1;
    if (rc == 0)
      std::printf("%lx %lx\n", static_cast<unsigned long>(GetWindowLongW(Handle(a[1]), GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongW(Handle(a[1]), GWL_EXSTYLE)));
  } else if (cmd == "codepages") {
    std::printf("%u %u\n", GetACP(), GetOEMCP());
    rc = 0;
  } else if (cmd == "dpi") {
    rc = Dpi();
  } else if (cmd == "hold") {
    Sleep(INFINITE);
  }
  std::fflush(stdout);
  return rc;
}

// One request line of serve: tab-separated words with their escapes undone.
std::vector<std::string> RequestWords(const std::string& line) {
  std::vector<std::string> words(1);
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      words.emplace_back();
    } else if (c == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      words.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else {
      words.back() += c;
    }
  }
  return words;
}

int Serve() {
  _setmode(_fileno(stdin), _O_BINARY);
  std::string line;
  char chunk[4096];
  while (std::fgets(chunk, sizeof chunk, stdin)) {
    line += chunk;
    if (line.empty() || line.back() != '\n') continue;
    line.pop_back();
    const std::vector<std::string> words = RequestWords(line);
    line.clear();
    const bool ownProcess = words[0] == "serve" || words[0] == "dpi" || words[0] == "hold";
    const int rc = ownProcess ? 2 : Run(words);
    std::printf("\x04%d\n", rc);
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main() {
  // The command line's words as UTF-8, whatever the code page.
  int argc = 0;
  std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &argc), &LocalFree);
  std::vector<std::string> a;
  for (int i = 1; argv && i < argc; ++i) a.push_back(Utf8(argv.get()[i]));
  if (a.size() == 1 && a[0] == "serve") return Serve();
  return Run(a);
}
