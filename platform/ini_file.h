// IniFile: a profile file of [sections] and key=value lines, read and written
// with the rules of Windows' profile functions: names compare without regard
// to letter case, blanks around keys and values are dropped, a value wrapped
// in matching quotes loses them, lines starting with ';' are comments. Every
// write goes to disk at once.
#pragma once

#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::platform {

class IniFile {
 public:
  IniFile(Env& env, std::string path);

  const std::string& path() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def);
  int ReadInteger(const std::string& section, const std::string& key, int def);
  bool ReadBool(const std::string& section, const std::string& key, bool def);
  Status WriteString(const std::string& section, const std::string& key, const std::string& value);
  Status WriteInteger(const std::string& section, const std::string& key, int value);
  Status WriteBool(const std::string& section, const std::string& key, bool value);
  Status DeleteKey(const std::string& section, const std::string& key);
  Status EraseSection(const std::string& section);
  bool SectionExists(const std::string& section);
  bool ValueExists(const std::string& section, const std::string& key);
  // Keys of a section in file order.
  std::vector<std::string> ReadSection(const std::string& section);
  std::vector<std::string> ReadSections();

 private:
  std::vector<std::string> Load();
  Status Save(const std::vector<std::string>& lines);

  Env& env_;
  std::string path_;
};

}  // namespace tq::platform
