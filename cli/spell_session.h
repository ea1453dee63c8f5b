// The spelling engine as the quillet spell commands set it up: dictionaries,
// options and configuration from the command line. Nothing is learned; only
// a configuration file named with --config keeps what the flags change.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/engine_text.h"
#include "platform/env.h"
#include "spell/engine/quill_spell_base.h"

namespace tq::cli {

struct SpellSettings {
  std::vector<std::string> mainDictionaries;  // paths; empty: the default American.adm
  std::string custom;                         // active custom dictionary path
  std::string configFile;                     // INI-style configuration to use (csFile)
  std::vector<std::string> folders;           // extra dictionary folders
  spell::TSpellOptions options;
  bool optionsGiven = false;
  bool thorough = false;  // --thorough: thorough suggestions, added to the options in force
  int max = -1;
  bool json = false;
  bool interactive = false;
  std::vector<std::string> rest;  // arguments that are not options
};

// Takes the options common to the spell commands out of args. false with a
// message on err for a malformed one.
bool ParseSpellSettings(const std::vector<std::string>& args, SpellSettings* settings, FILE* err);
// American.adm next to the program, else the one of the build tree; "" when
// neither exists.
std::string DefaultMainDictionary(platform::Env& env);
// An engine for the settings, its dictionaries open. none with a message
// when no main dictionary could be opened.
std::unique_ptr<spell::TQuillSpellBase> OpenSpellEngine(platform::Env& env, const SpellSettings& settings, FILE* err);
// A file to check: its text for the engine, and how it was written.
struct CheckedText {
  EngineText text;
  bool utf8 = false;  // UTF-8 (else Windows-1252, byte for byte)
  bool bom = false;   // began with a UTF-8 byte-order mark
};
CheckedText ReadCheckedText(const std::string& bytes);

// The terminal check run of "quillet check --interactive": keys from in,
// the text written back to path on completion, as it was written (UTF-8
// with its byte-order mark, or Windows-1252).
int RunInteractiveCheck(platform::Env& env, spell::TQuillSpellBase& engine, const std::string& path,
                        CheckedText checked, FILE* in, FILE* out, FILE* err);
// Command-line texts are UTF-8, the engine's Windows-1252.
bool ToAnsi(const std::string& utf8, std::string* ansi);
std::string ToUtf8(const std::string& ansi);

}  // namespace tq::cli
