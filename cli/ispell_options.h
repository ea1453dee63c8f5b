// The options of ispell's command line that editors pass to an ispell
// program (Emacs's ispell and flyspell among them), taken apart from
// quillet's own long options so that "quillet -a" can stand in for ispell.
#pragma once

#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::cli {

struct IspellOptions {
  bool version = false;   // -v, -vv: print the version line and stop
  bool list = false;      // -l: print the misspelt words of standard input
  bool cp1252 = false;    // -i ENC, --encoding=ENC: Windows-1252 rather than UTF-8
  std::string personal;   // -p FILE: the personal dictionary, made on the first save
};

// Takes ispell's short options out of args; -d NAME becomes "--dict PATH"
// in *rest, which keeps the long options and words in their order. Options
// that have no meaning here (-a, -m, -B, -C, -S, -t, -n, -T TYPE, -w CHARS,
// -W N) are accepted and dropped. False with *error naming an unknown option
// or a missing value.
bool ParseIspellOptions(platform::Env& env, const std::vector<std::string>& args, IspellOptions* options,
                        std::vector<std::string>* rest, std::string* error);

// The line an ispell program greets with, and answers -v with.
extern const char kIspellVersionLine[];

}  // namespace tq::cli
