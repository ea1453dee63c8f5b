#include "app/core/spelling_places.h"

#include <memory>

#include "spell/engine/quill_spell_base.h"

namespace tq::app {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return (last == '\\' || last == '/') ? folder + name : folder + "\\" + name;
}

std::string WithoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

// Copies the user's own spelling files from the program's folder into the
// new one, never replacing a file already there.
void CopyUserFiles(platform::Env& env, const std::string& from, const std::string& to) {
  std::vector<std::string> names{kSpellConfigName};
  for (const char* pattern : {"*.adu", "*.adl"}) {
    std::vector<std::string> found;
    if (env.ListFiles(from, pattern, &found).ok()) names.insert(names.end(), found.begin(), found.end());
  }
  for (const std::string& name : names)
    if (env.FileExists(Join(from, name))) env.CopyFileTo(Join(from, name), Join(to, name), false);
}

}  // namespace

bool FolderWritable(platform::Env& env, const std::string& folder) {
  if (!env.DirectoryExists(folder)) return false;
  std::unique_ptr<platform::File> file;
  const std::string config = Join(folder, kSpellConfigName);
  if (env.FileExists(config))
    return env.OpenFile(config, platform::FileAccess::ReadWrite, platform::FileShare::ReadWrite,
                        platform::FileCreate::OpenExisting, &file)
        .ok();
  const std::string probe = Join(folder, "~Spell.tmp");
  if (!env.OpenFile(probe, platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                    platform::FileCreate::CreateAlways, &file)
           .ok())
    return false;
  file.reset();
  env.RemoveFile(probe);
  return true;
}

SpellingPlaces ChooseSpellingPlaces(platform::Env& env, const std::string& programFolder,
                                    const std::string& appDataFolder) {
  SpellingPlaces places;
  const std::string program = WithoutTrailingSeparator(programFolder);
  places.userFolder = program;
  places.inProgramFolder = appDataFolder.empty() || FolderWritable(env, program);
  if (!places.inProgramFolder) {
    places.userFolder = Join(WithoutTrailingSeparator(appDataFolder), kUserSpellingSubfolder);
    const bool firstUse = !env.FileExists(Join(places.userFolder, kSpellConfigName));
    env.CreateDirectories(places.userFolder);
    if (firstUse) CopyUserFiles(env, program, places.userFolder);
  }
  places.configFilename = Join(places.userFolder, kSpellConfigName);
  places.dictionaryFolders.push_back(places.userFolder);
  if (!places.inProgramFolder) places.dictionaryFolders.push_back(program);
  return places;
}

void ApplySpellingPlaces(spell::TQuillSpellBase& engine, const SpellingPlaces& places) {
  // Without chosen places, everything beside the program.
  engine.WriteConfigFilename(places.configFilename.empty() ? "%AppDir%\\Spell.cfg" : places.configFilename);
  spell::TStringList folders;
  folders.Assign(places.dictionaryFolders.empty() ? std::vector<std::string>{"%AppDir%"} : places.dictionaryFolders);
  engine.WriteConfigDictionaryDir(folders);
}

}  // namespace tq::app
