// Live Spell Host: a form with one rich edit watched by TLiveSpelling,
// as the reply dialog has it, for the end-to-end tests and the timing of live
// spelling under Wine. Its dictionaries and Spell.cfg live in --dir.
//
//   LiveSpellHost.exe --dir C:\dicts [--text TEXT | --rtf RTF | --lines N]
//                     [--bench OUT.txt [--chars N]] [--aggressive 0]
//
// Private messages to the form (answers readable with a synchronous send):
//   kLiveOption (wParam 0/1): the configuration's "Check spelling as you type"
//     option off or on, as the options dialog would set it.
//   kClientOrigin: the rich edit's client origin on the screen, MAKELONG(x, y).
//   kCharFormat (wParam = character index): that character's text colour in
//     bits 0-23, bit 24 set when it is bold.
#include <windows.h>
#include <windowsx.h>
// After windows.h, which it needs.
#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "spell/dialogs/spell_dialogs.h"
#include "spell/live/live_spelling.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/message_loop.h"
#include "ui/rich_edit.h"

namespace {

using tq::spell::TLiveSpelling;

constexpr UINT kLiveOption = WM_APP + 1;
constexpr UINT kClientOrigin = WM_APP + 2;
constexpr UINT kCharFormat = WM_APP + 3;

struct Options {
  std::string dir;
  std::string text = "This is teh sample with a mispeled word.";
  std::string rtf;
  int lines = 0;
  std::string benchOut;
  int benchChars = 4096;
  bool live = true;        // --live 0: the same box without live spelling, for comparison
  bool aggressive = true;  // --aggressive 0: the control's own menu where no word is marked
};

// The text of line n (from 1) of a generated text: one misspelt word each.
std::string GeneratedLine(int n) { return "Line " + std::to_string(n) + " has a mispeled word in it."; }

class HostForm : public tq::ui::Form {
 public:
  tq::ui::RichEdit edit;
  tq::spell::TQuillSpellBase* spell = nullptr;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case kLiveOption: {
        tq::spell::TSpellOptions options = spell->Configuration().ReadSpellOptions();
        options.Set(tq::spell::soLiveSpelling, wp != 0);
        spell->Configuration().WriteSpellOptions(options);
        return 1;
      }
      case kClientOrigin: {
        POINT p{0, 0};
        ClientToScreen(edit.Handle(), &p);
        return MAKELONG(p.x, p.y);
      }
      case kCharFormat: {
        CHARRANGE keep{};
        edit.Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&keep));
        edit.Send(EM_SETSEL, wp, wp + 1);
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        edit.Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        edit.Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&keep));
        return static_cast<LRESULT>((format.crTextColor & 0xFFFFFF) | ((format.dwEffects & CFE_BOLD) ? 0x1000000 : 0));
      }
      case WM_CONTEXTMENU: {
        // The box's own menu, which the rich edit passes up to its form:
        // its one item puts a mark in the caption.
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, L"&Host menu");
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (p.x == -1 && p.y == -1) {  // from the keyboard: at the caret
          GetCaretPos(&p);
          ClientToScreen(edit.Handle(), &p);
        }
        const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD, p.x, p.y, 0, Handle(), nullptr);
        DestroyMenu(menu);
        if (chosen == 1) SetWindowTextW(Handle(), L"Live Spell Host - host menu");
        return 0;
      }
      case WM_CLOSE:
        tq::ui::Application::Terminate(0);
        return 0;
      default:
        return Form::WndProc(msg, wp, lp);
    }
  }
};

Options ParseArguments() {
  Options o;
  for (int i = 1; i + 1 < __argc; i += 2) {
    const std::string name = __argv[i], value = __argv[i + 1];
    if (name == "--dir")
      o.dir = value;
    else if (name == "--text")
      o.text = value;
    else if (name == "--rtf")
      o.rtf = value;
    else if (name == "--lines")
      o.lines = std::atoi(value.c_str());
    else if (name == "--bench")
      o.benchOut = value;
    else if (name == "--chars")
      o.benchChars = std::atoi(value.c_str());
    else if (name == "--live")
      o.live = value != "0";
    else if (name == "--aggressive")
      o.aggressive = value != "0";
  }
  return o;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Types benchChars characters into the box as the keyboard would (key down,
// character, key up, then the paint), timing each keystroke, and writes the
// figures to the file.
void RunTypingBenchmark(HostForm& form, const Options& o, double firstPaintMs) {
  HWND box = form.edit.Handle();
  const std::string sentence = "The quick brown fox jumpes over the lazy dog and teh cat. ";
  std::vector<double> times;
  times.reserve(static_cast<size_t>(o.benchChars));
  for (int i = 0; i < o.benchChars; ++i) {
    const char c = sentence[static_cast<size_t>(i) % sentence.size()];
    const auto start = std::chrono::steady_clock::now();
    const UINT vk = static_cast<UINT>(LOBYTE(VkKeyScanA(c)));
    SendMessageA(box, WM_KEYDOWN, vk, 1);
    SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
    SendMessageA(box, WM_KEYUP, vk, 0xC0000001);
    UpdateWindow(box);
    times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
  }
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  const auto at = [&](double q) { return sorted[std::min(sorted.size() - 1, static_cast<size_t>(q * sorted.size()))]; };
  int over16 = 0;
  for (double t : times) over16 += t > 16.0;
  if (FILE* f = std::fopen(o.benchOut.c_str(), "w")) {
    std::fprintf(f, "keystrokes %zu\nmedian_ms %.3f\np99_ms %.3f\nmax_ms %.3f\nover_16ms %d\nfirst_paint_ms %.3f\n",
                 times.size(), at(0.5), at(0.99), sorted.back(), over16, firstPaintMs);
    std::fclose(f);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const Options o = ParseArguments();
  tq::ui::Application app("Live Spell Host App");
  HostForm form;
  form.Create({.caption = "Live Spell Host", .width = 640, .height = 420, .owner = app.Handle()});
  form.edit.Create(form, {0, 0, 600, 360});
  form.edit.SetAlign(tq::ui::Align::Client);
  form.Relayout();

  std::string text = o.text;
  const int lines = o.lines > 0 ? o.lines : (o.benchOut.empty() ? 0 : 200);
  if (lines > 0) {
    text.clear();
    for (int n = 1; n <= lines; ++n) text += GeneratedLine(n) + (n < lines ? "\r\n" : "");
  }
  if (!o.rtf.empty()) {
    form.edit.SetRtf(o.rtf);
  } else {
    form.edit.SetPlainText(text);
  }

  tq::spell::TQuillSpellBase spell;
  tq::spell::TSpellDialogs dialogs(spell);
  TLiveSpelling live(
      spell, [&dialogs](HWND window) { dialogs.CheckSelectionFromMenu(window); }, &form);
  form.spell = &spell;
  spell.BeginLoading();
  spell.WriteConfigStorage(tq::spell::csFile);
  spell.WriteConfigFilename(o.dir + "\\Spell.cfg");
  tq::spell::TStringList dirs;
  dirs.Assign(std::vector<std::string>{o.dir});
  spell.WriteConfigDictionaryDir(dirs);
  spell.ConfigDefaultMain = tq::spell::TStringList{"American.adm"};
  spell.ConfigDefaultActiveCustom = "Spell.adu";
  spell.WriteLearnSuggestions(false);
  spell.EndLoading();

  form.Show();
  if (o.live) live.WriteSingeLiveControl(&form.edit);
  live.WriteAggressiveContextMenu(o.aggressive);
  form.edit.SetFocus();

  if (!o.benchOut.empty()) {
    // A full screen of text marked from nothing: the first paint.
    spell.Configuration().EnsureLoaded();
    tq::ui::ProcessPendingMessages();
    form.edit.SetPlainText(text);
    tq::ui::ProcessPendingMessages();
    if (o.live) live.ReadWatcher(0)->MarkAllLinesDirty();
    InvalidateRect(form.edit.Handle(), nullptr, TRUE);
    const auto paintStart = std::chrono::steady_clock::now();
    UpdateWindow(form.edit.Handle());
    const double firstPaintMs = Milliseconds(std::chrono::steady_clock::now() - paintStart);
    form.edit.SetPlainText("");
    tq::ui::ProcessPendingMessages();
    RunTypingBenchmark(form, o, firstPaintMs);
    return 0;
  }
  return app.Run();
}
