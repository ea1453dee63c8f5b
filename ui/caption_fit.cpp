#include "ui/caption_fit.h"

#include <algorithm>

#include "platform/utf16.h"
#include "ui/handles.h"
#include "ui/wnd.h"

namespace tq::ui {
namespace {

enum class Kind { None, Static, PushButton, CheckBox, GroupBox };

Kind KindOf(HWND control) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  if (HasClass(control, L"Static")) {
    const LONG type = style & SS_TYPEMASK;
    const bool text =
        type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
    return text ? Kind::Static : Kind::None;
  }
  if (!HasClass(control, L"Button")) return Kind::None;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return Kind::PushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return Kind::CheckBox;
    case BS_GROUPBOX:
      return Kind::GroupBox;
    default:
      return Kind::None;  // owner-drawn: it draws what it likes
  }
}

// Captions are measured as the control draws them: in UTF-16.
std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Measures with the control's font on a screen DC.
class Measure {
 public:
  explicit Measure(HWND control) : screen_(nullptr), dc_(screen_.get()), font_(dc_, FontOf(control)) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    kind_ = KindOf(control);
    if (kind_ == Kind::Static && (style & SS_NOPREFIX)) prefix_ = DT_NOPREFIX;
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  Kind kind() const { return kind_; }
  int Dpi() const { return GetDeviceCaps(dc_, LOGPIXELSY); }

  SIZE Text(const std::wstring& text, int wrapWidth = 0) const {
    RECT r{0, 0, std::max(wrapWidth, 1), 0};
    const UINT flags = DT_CALCRECT | prefix_ | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags);
    return {r.right - r.left, r.bottom - r.top};
  }

  // What the control takes from its width besides the text.
  int Chrome() const {
    const int dpi = Dpi();
    switch (kind_) {
      case Kind::CheckBox: {
        INT zero = 0;
        GetCharWidth32W(dc_, L'0', L'0', &zero);
        // The glyph (13 pixels at 96 dpi), the gap of half a digit after
        // it, and the focus rectangle's pixel round the text.
        return MulDiv(13, dpi, 96) + zero / 2 + 2;
      }
      case Kind::PushButton:
        return MulDiv(8, dpi, 96);  // the frame and a margin on each side
      case Kind::GroupBox:
        return MulDiv(16, dpi, 96);  // the frame's indent before and after the caption
      default:
        return 0;
    }
  }

 private:
  static HGDIOBJ FontOf(HWND control) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    return font ? font : GetStockObject(SYSTEM_FONT);
  }

  const WindowDc screen_;
  HDC dc_;
  const SelectedObject font_;
  Kind kind_ = Kind::None;
  UINT prefix_ = 0;
};

bool Wraps(HWND control, Kind kind, int lineHeight) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  RECT client{};
  GetClientRect(control, &client);
  if (client.bottom < 2 * lineHeight) return false;
  if (kind == Kind::Static) return (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP && (style & SS_TYPEMASK) != SS_SIMPLE;
  return (style & BS_MULTILINE) != 0;
}

int WidthNeeded(HWND control, const std::wstring& text) {
  Measure measure(control);
  if (measure.kind() == Kind::None || text.empty()) return 0;
  return measure.Text(text).cx + measure.Chrome();
}

}  // namespace

int CaptionWidthNeeded(HWND control) { return WidthNeeded(control, TextOf(control)); }
int CaptionWidthNeeded(const Wnd& control) { return CaptionWidthNeeded(control.Handle()); }
int CaptionWidthNeeded(const Wnd& control, const std::string& caption) {
  return WidthNeeded(control.Handle(), platform::Wide(caption));
}

bool CaptionFits(HWND control) {
  const std::wstring text = TextOf(control);
  Measure measure(control);
  if (measure.kind() == Kind::None || text.empty()) return true;
  RECT client{};
  GetClientRect(control, &client);
  const SIZE line = measure.Text(text);
  if (Wraps(control, measure.kind(), line.cy)) {
    const int width = client.right - measure.Chrome();
    return measure.Text(text, width).cy <= client.bottom;
  }
  return line.cx + measure.Chrome() <= client.right;
}

namespace {

bool ShownInForm(HWND form, HWND control) {
  for (HWND w = control; w && w != form; w = GetParent(w))
    if (!(GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE)) return false;
  return true;
}

BOOL CALLBACK CollectCut(HWND control, LPARAM lp) {
  auto& found = *reinterpret_cast<std::pair<HWND, std::vector<std::string>>*>(lp);
  if (!ShownInForm(found.first, control) || CaptionFits(control)) return TRUE;
  wchar_t cls[32] = {};
  GetClassNameW(control, cls, static_cast<int>(std::size(cls)));
  RECT client{};
  GetClientRect(control, &client);
  found.second.push_back(platform::Utf8(cls) + " '" + platform::Utf8(TextOf(control)) + "' needs " +
                         std::to_string(CaptionWidthNeeded(control)) + ", has " + std::to_string(client.right) + "x" +
                         std::to_string(client.bottom));
  return TRUE;
}

}  // namespace

std::vector<std::string> CutCaptions(HWND form) {
  std::pair<HWND, std::vector<std::string>> found{form, {}};
  EnumChildWindows(form, CollectCut, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

}  // namespace tq::ui
