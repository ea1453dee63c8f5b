// Where the user's spelling files live. Spell.cfg, Spell.adu, Spell.adl and
// the custom dictionaries the user creates are written while the program
// runs. A copy of the program in a folder of its own keeps them beside the
// program; under Program Files a standard user cannot write there (and the
// writes would fail or land in a per-user shadow copy, losing the user's
// words), so they go to the user's application-data folder instead. The
// installed main dictionaries (American.adm) stay beside the program and
// are found there through the second dictionary folder.
#pragma once

#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::spell {
class TQuillSpellBase;
}

namespace tq::app {

// Below the user's application-data folder.
inline constexpr char kUserSpellingSubfolder[] = "Morvane\\Tavrin Quillet";
inline constexpr char kSpellConfigName[] = "Spell.cfg";

struct SpellingPlaces {
  std::string userFolder;      // where the user's spelling files are written
  std::string configFilename;  // userFolder\Spell.cfg
  // Searched in this order: the user's folder (new dictionaries go to the
  // first), then the program's folder when that is another one.
  std::vector<std::string> dictionaryFolders;
  bool inProgramFolder = true;
  bool operator==(const SpellingPlaces&) const = default;
};

// True when a file can be created (or Spell.cfg, when present, written) in
// folder. Leaves nothing behind.
bool FolderWritable(platform::Env& env, const std::string& folder);

// The program's folder when it is writable (or when no application-data
// folder is known); otherwise appDataFolder\Morvane\Tavrin Quillet, created
// when missing. On the first use of that folder the files the user wrote
// beside the program (Spell.cfg, *.adu, *.adl) are copied there, so words
// added while the folder was still writable stay in use; nothing else is
// copied.
SpellingPlaces ChooseSpellingPlaces(platform::Env& env, const std::string& programFolder,
                                    const std::string& appDataFolder);

// Points the engine's configuration file and dictionary folders there; empty
// places stand for the program's folder (%AppDir%).
void ApplySpellingPlaces(spell::TQuillSpellBase& engine, const SpellingPlaces& places);

}  // namespace tq::app
