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

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
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

// Lines [begin, end) of a section's body; begin is npos when the section is
// missing. end stops after the section's last non-blank line.
struct Span {
  size_t header = std::string::npos;
  size_t begin = std::string::npos;
  size_t end = std::string::npos;
};

Span FindSection(const std::vector<std::string>& lines, const std::string& section) {
  Span span;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    if (!SectionName(lines[i], &name) || !SameName(name, section)) continue;
    span.header = i;
    span.begin = span.end = i + 1;
    for (size_t j = i + 1; j < lines.size(); ++j) {
      std::string other;
      if (SectionName(lines[j], &other)) break;
      if (!Trim(lines[j]).empty()) span.end = j + 1;
    }
    break;
  }
  return span;
}

size_t FindKey(const std::vector<std::string>& lines, const Span& span, const std::string& key, std::string* value) {
  if (span.begin == std::string::npos) return std::string::npos;
  for (size_t i = span.begin; i < span.end; ++i) {
    std::string k, v;
    if (KeyValue(lines[i], &k, &v) && SameName(k, key)) {
      if (value) *value = v;
      return i;
    }
  }
  return std::string::npos;
}

}  // namespace

IniFile::IniFile(Env& env, std::string path) : env_(env), path_(std::move(path)) {}

std::vector<std::string> IniFile::Load() {
  std::string contents;
  std::vector<std::string> lines;
  if (!ReadWholeFile(env_, path_, &contents)) return lines;
  size_t start = 0;
  while (start < contents.size()) {
    size_t nl = contents.find('\n', start);
    if (nl == std::string::npos) nl = contents.size();
    std::string line = contents.substr(start, nl - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = nl + 1;
  }
  return lines;
}

Status IniFile::Save(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return WriteWholeFile(env_, path_, out);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) {
  auto lines = Load();
  std::string value;
  if (FindKey(lines, FindSection(lines, section), key, &value) == std::string::npos) return def;
  return value;
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
  auto lines = Load();
  Span span = FindSection(lines, section);
  std::string line = key + "=" + value;
  if (span.header == std::string::npos) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
    lines.push_back("[" + section + "]");
    lines.push_back(line);
  } else if (size_t at = FindKey(lines, span, key, nullptr); at != std::string::npos) {
    // The key keeps the spelling it has in the file, as Windows keeps it.
    std::string existing, old;
    KeyValue(lines[at], &existing, &old);
    lines[at] = existing + "=" + value;
  } else {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(span.end), line);
  }
  return Save(lines);
}

Status IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

Status IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

Status IniFile::DeleteKey(const std::string& section, const std::string& key) {
  auto lines = Load();
  size_t at = FindKey(lines, FindSection(lines, section), key, nullptr);
  if (at == std::string::npos) return Status::Ok();
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
  return Save(lines);
}

Status IniFile::EraseSection(const std::string& section) {
  auto lines = Load();
  Span span = FindSection(lines, section);
  if (span.header == std::string::npos) return Status::Ok();
  // The section runs to the next header; trailing blank lines go with it.
  size_t end = span.begin;
  std::string name;
  while (end < lines.size() && !SectionName(lines[end], &name)) ++end;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(span.header), lines.begin() + static_cast<std::ptrdiff_t>(end));
  return Save(lines);
}

bool IniFile::SectionExists(const std::string& section) {
  auto lines = Load();
  return FindSection(lines, section).header != std::string::npos;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) {
  auto lines = Load();
  return FindKey(lines, FindSection(lines, section), key, nullptr) != std::string::npos;
}

std::vector<std::string> IniFile::ReadSection(const std::string& section) {
  auto lines = Load();
  Span span = FindSection(lines, section);
  std::vector<std::string> keys;
  if (span.begin == std::string::npos) return keys;
  for (size_t i = span.begin; i < span.end; ++i) {
    std::string k, v;
    if (KeyValue(lines[i], &k, &v)) keys.push_back(k);
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
