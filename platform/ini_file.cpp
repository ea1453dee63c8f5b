#include "platform/ini_file.h"

#include <cctype>
#include <charconv>

namespace tq::platform {

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

// "[name]" → name; nullopt-like empty flag through the bool.
bool SectionName(const std::string& line, std::string* name) {
  std::string t = Trim(line);
  if (t.empty() || t[0] != '[') return false;
  size_t close = t.find(']');
  *name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

bool KeyValue(const std::string& line, std::string* key, std::string* value) {
  std::string t = Trim(line);
  if (t.empty() || t[0] == ';' || t[0] == '[') return false;
  size_t eq = t.find('=');
  if (eq == std::string::npos) return false;
  *key = Trim(t.substr(0, eq));
  std::string v = Trim(t.substr(eq + 1));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
  *value = v;
  return true;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

IniFile::IniFile(Env& env, std::string path) : env_(env), path_(std::move(path)) {}

// When the file was last written; 0 and -1 when it does not exist. (The
// time alone: one call, cheap enough to make before every read.)
static void Stamp(Env& env, const std::string& path, FileTime* time, int64_t* exists) {
  *exists = env.LastWriteTime(path, time) ? 1 : -1;
  if (*exists < 0) *time = 0;
}

void IniFile::Forget() {
  cached_ = indexed_ = dirty_ = false;
  lines_.clear();
  sections_.clear();
}

const std::vector<std::string>& IniFile::Load() {
  if (updating_ && cached_) return lines_;  // ahead of the file until EndUpdate
  FileTime time = 0;
  int64_t exists = -1;
  Stamp(env_, path_, &time, &exists);
  if (cached_ && time == stampTime_ && exists == stampExists_) return lines_;
  Forget();
  std::string contents;
  if (exists > 0 && ReadWholeFile(env_, path_, &contents)) {
    size_t start = 0;
    while (start < contents.size()) {
      size_t nl = contents.find('\n', start);
      if (nl == std::string::npos) nl = contents.size();
      std::string line = contents.substr(start, nl - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
      start = nl + 1;
    }
  }
  cached_ = true;
  stampTime_ = time;
  stampExists_ = exists;
  return lines_;
}

void IniFile::BuildIndex() {
  if (indexed_) return;
  sections_.clear();
  SectionIndex* current = nullptr;
  for (size_t i = 0; i < lines_.size(); ++i) {
    std::string name, key, value;
    if (SectionName(lines_[i], &name)) {
      auto [it, added] = sections_.try_emplace(Lower(name));
      // Only the first section of a name counts, as for Windows.
      current = added ? &it->second : nullptr;
      if (current) current->header = i, current->begin = current->end = i + 1;
      continue;
    }
    if (!current) continue;
    if (!Trim(lines_[i]).empty()) current->end = i + 1;
    if (KeyValue(lines_[i], &key, &value)) current->keys.try_emplace(Lower(key), i);
  }
  indexed_ = true;
}

const IniFile::SectionIndex* IniFile::Find(const std::string& section) {
  Load();
  BuildIndex();
  auto it = sections_.find(Lower(section));
  return it == sections_.end() ? nullptr : &it->second;
}

size_t IniFile::FindKey(const std::string& section, const std::string& key, std::string* value) {
  const SectionIndex* s = Find(section);
  if (!s) return std::string::npos;
  auto it = s->keys.find(Lower(key));
  if (it == s->keys.end()) return std::string::npos;
  if (value) {
    std::string k;
    KeyValue(lines_[it->second], &k, value);
  }
  return it->second;
}

Status IniFile::Save() {
  if (updating_) {
    dirty_ = true;
    return Status::Ok();
  }
  std::string out;
  for (const std::string& l : lines_) out += l + "\r\n";
  Status s = WriteWholeFile(env_, path_, out);
  if (!s) {
    Forget();  // what the file holds is read again
    return s;
  }
  dirty_ = false;
  Stamp(env_, path_, &stampTime_, &stampExists_);
  return s;
}

Status IniFile::EndUpdate() {
  if (updating_ > 0 && --updating_ > 0) return Status::Ok();
  return dirty_ ? Save() : Status::Ok();
}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) {
  std::string value;
  return FindKey(section, key, &value) == std::string::npos ? def : value;
}
int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) {
  std::string s = Trim(ReadString(section, key, ""));
  if (s.empty()) return def;
  int base = 10;
  size_t at = 0;
  bool negative = false;
  if (s[0] == '-' || s[0] == '+') {
    negative = s[0] == '-';
    at = 1;
  }
  if (s.compare(at, 1, "$") == 0) {
    base = 16;
    at += 1;
  } else if (s.size() > at + 1 && s[at] == '0' && (s[at + 1] == 'x' || s[at + 1] == 'X')) {
    base = 16;
    at += 2;
  }
  long long v = 0;
  auto [ptr, ec] = std::from_chars(s.data() + at, s.data() + s.size(), v, base);
  if (ec != std::errc() || ptr != s.data() + s.size() || at == s.size()) return def;
  v = negative ? -v : v;
  if (v < INT32_MIN || v > (base == 16 ? static_cast<long long>(UINT32_MAX) : INT32_MAX)) return def;
  return static_cast<int>(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

Status IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Load();
  BuildIndex();
  std::string line = key + "=" + value;
  auto it = sections_.find(Lower(section));
  if (it == sections_.end()) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.push_back("");
    lines_.push_back("[" + section + "]");
    lines_.push_back(line);
    SectionIndex& added = sections_[Lower(section)];
    added.header = lines_.size() - 2;
    added.begin = lines_.size() - 1;
    added.end = lines_.size();
    added.keys.emplace(Lower(key), lines_.size() - 1);
  } else if (auto k = it->second.keys.find(Lower(key)); k != it->second.keys.end()) {
    // The key keeps the spelling it has in the file, as Windows keeps it.
    std::string existing, old;
    KeyValue(lines_[k->second], &existing, &old);
    lines_[k->second] = existing + "=" + value;
  } else {
    // After the section's last line: everything below moves down one.
    const size_t at = it->second.end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
    for (auto& [name, s] : sections_) {
      if (s.header >= at) s.header++, s.begin++, s.end++;
      for (auto& [k2, l] : s.keys)
        if (l >= at) ++l;
    }
    it->second.end = at + 1;
    it->second.keys.emplace(Lower(key), at);
  }
  return Save();
}

Status IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

Status IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

Status IniFile::DeleteKey(const std::string& section, const std::string& key) {
  size_t at = FindKey(section, key, nullptr);
  if (at == std::string::npos) return Status::Ok();
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
  indexed_ = false;
  return Save();
}

Status IniFile::EraseSection(const std::string& section) {
  const SectionIndex* span = Find(section);
  if (!span) return Status::Ok();
  // The section runs to the next header; trailing blank lines go with it.
  size_t end = span->begin;
  std::string name;
  while (end < lines_.size() && !SectionName(lines_[end], &name)) ++end;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header),
               lines_.begin() + static_cast<std::ptrdiff_t>(end));
  indexed_ = false;
  return Save();
}

bool IniFile::SectionExists(const std::string& section) { return Find(section) != nullptr; }

bool IniFile::ValueExists(const std::string& section, const std::string& key) {
  return FindKey(section, key, nullptr) != std::string::npos;
}

std::vector<std::string> IniFile::ReadSection(const std::string& section) {
  std::vector<std::string> keys;
  const SectionIndex* span = Find(section);
  if (!span) return keys;
  for (size_t i = span->begin; i < span->end; ++i) {
    std::string k, v;
    if (KeyValue(lines_[i], &k, &v)) keys.push_back(k);
  }
  return keys;
}

std::vector<std::string> IniFile::ReadSections() {
  std::vector<std::string> names;
  for (const std::string& l : Load()) {
    std::string name;
    if (SectionName(l, &name)) names.push_back(name);
  }
  return names;
}

}  // namespace tq::platform
