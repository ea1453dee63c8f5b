// IniFile: a profile file of [sections] and key=value lines, read and written
// with the rules of Windows' profile functions: names compare without regard
// to letter case, blanks around keys and values are dropped, a value wrapped
// in matching quotes loses them, lines starting with ';' are comments. Every
// write goes to disk at once, unless it falls between BeginUpdate and
// EndUpdate, which write once at the end. The file is parsed once and kept,
// with an index of its sections and keys, for as long as it does not change
// on disk; a change by anyone else is read again.
#pragma once

#include <cstdint>
#include <map>
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

  // Writes until the matching EndUpdate are kept in memory; EndUpdate writes
  // the file once (when anything changed) and reports how that went.
  void BeginUpdate() { ++updating_; }
  Status EndUpdate();

 private:
  struct SectionIndex {
    size_t header = 0, begin = 0, end = 0;  // as FindSection's span
    std::map<std::string, size_t> keys;     // lower-case key → its first line
  };
  const std::vector<std::string>& Load();
  Status Save();
  void Forget();
  void BuildIndex();
  const SectionIndex* Find(const std::string& section);
  size_t FindKey(const std::string& section, const std::string& key, std::string* value);

  Env& env_;
  std::string path_;
  int updating_ = 0;
  bool dirty_ = false;
  // The file as last read or written, and what it was on disk then.
  bool cached_ = false;
  std::vector<std::string> lines_;
  FileTime stampTime_ = 0;
  int64_t stampExists_ = -1;  // 1 when the file existed
  bool indexed_ = false;
  std::map<std::string, SectionIndex> sections_;  // lower-case name → the first such section
};

}  // namespace tq::platform
