// A check run through the spell-check dialog over a 4,096-character reply in
// a rich edit, with American.adm and a scripted Ignore (a posted click) at
// every stop: total time per run and time per stop. The first run opens the
// dictionaries; the later ones show the steady state. Prints figures only.
//   "$TQ_WINE" build/win64/bench/win32/spell_check_bench.exe [FOLDER-WITH-American.adm] [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "spell/dialogs/spell_dialog.h"
#include "spell/dialogs/spell_dialogs.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/rich_edit.h"

namespace {

using namespace tq;
using Clock = std::chrono::steady_clock;

const char kReply[] =
    "Dear customer, thank you for your letter of last week and for the kind words about our service. "
    "We have looked into the matter you raised and found that the parcel was sent to the wrong address "
    "because of a mistake in our records. A new parcel has been sent today by express delivery, and you "
    "should receive it within two working days. Please keep the first parcel or return it at our cost "
    "with the enclosed label. We are sorry for the trouble this has caused and hope to serve you again. ";

// Every tenth word gets two letters swapped, so the run stops there.
std::string Reply4096() {
  std::string text;
  int word = 0;
  while (text.size() < 4096) {
    for (const char* p = kReply; *p && text.size() < 4096;) {
      std::string w;
      while (*p && *p != ' ') w += *p++;
      if (*p) ++p;
      if (++word % 10 == 0 && w.size() > 3) std::swap(w[1], w[2]);
      text += w + " ";
    }
  }
  text.resize(4096);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  // The build tree's folder as Wine sees it (drive Z: is /).
  std::string folder = argc > 1 ? argv[1] : "Z:" TQ_AMERICAN_ADM_DIR;
  std::replace(folder.begin(), folder.end(), '/', '\\');
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  ui::Application app("Spell Check Bench");
  ui::Form form;
  form.Create({.caption = "Spell Check Bench", .width = 600, .height = 400, .owner = app.Handle()});
  ui::RichEdit rich;
  rich.Create(form, {8, 8, 570, 340});
  form.Show();

  spell::TQuillSpellBase spell;
  spell::TSpellDialogs dialogs(spell);
  spell.BeginLoading();
  spell.WriteConfigStorage(spell::csNone);
  spell::TStringList dirs;
  dirs.Assign({folder});
  spell.WriteConfigDictionaryDir(dirs);
  spell.ConfigDefaultMain = spell::TStringList{"American.adm"};
  spell.ConfigDefaultActiveCustom = "";
  spell.AllowedCases = spell::cmInitialCaps;
  spell.EndLoading();
  spell.WriteLearnSuggestions(false);

  int stops = 0;
  spell.OnShowEndMessage = [](spell::TQuillSpellBase*) {};
  spell.OnPromptWord = [&](spell::TQuillSpellBase*, const std::string&, bool) {
    ++stops;
    if (auto* dialog = dynamic_cast<spell::TSpellDialog*>(dialogs.ReadDialogForm()))
      PostMessageA(dialog->IgnoreButton.Handle(), BM_CLICK, 0, 0);
  };

  const std::string reply = Reply4096();
  std::printf("spell check run: %zu-character reply in a rich edit, Ignore at every stop\n", reply.size());
  std::vector<double> warm;
  for (int run = 0; run < runs; ++run) {
    rich.SetPlainText(reply);
    stops = 0;
    const auto start = Clock::now();
    dialogs.CheckWinControl(&rich, spell::ctAll);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("  run %d%s: %4d words, %3d stops, %8.1f ms total, %6.2f ms per stop\n", run + 1,
                run == 0 ? " (opens the dictionaries)" : "", spell.ReadWordCount(), stops, ms,
                stops ? ms / stops : 0.0);
    if (run > 0) warm.push_back(ms);
    std::fflush(stdout);
  }
  if (!warm.empty()) {
    std::sort(warm.begin(), warm.end());
    const double median = warm[warm.size() / 2];
    std::printf("  later runs: median %.1f ms (%.2f ms per stop), fastest %.1f ms (%.2f ms per stop)\n", median,
                stops ? median / stops : 0.0, warm.front(), stops ? warm.front() / stops : 0.0);
  }
  return 0;
}
