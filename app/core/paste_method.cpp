#include "app/core/paste_method.h"

#include <algorithm>

#include "app/core/paste_keys.h"

namespace tq::app {
namespace {

constexpr unsigned kVkTab = 0x09;
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkInsert = 0x2D;
// After a stored rule's method: the rule is plain text only.
constexpr std::string_view kPlainMark = ";plain";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string_view FileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool UsableFileName(std::string_view name) {
  if (name.empty()) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == '/' || c == ':' || c == '=' || c == '|';
  });
}

}  // namespace

std::string_view PasteMethodName(PasteMethod method) {
  switch (method) {
    case PasteMethod::CtrlV:
      return "Ctrl+V";
    case PasteMethod::ShiftInsert:
      return "Shift+Insert";
    case PasteMethod::SlowCtrlV:
      return "Slow Ctrl+V";
    case PasteMethod::TypeText:
      return "Type the text";
  }
  return "Ctrl+V";
}

std::optional<PasteMethod> PasteMethodNamed(std::string_view name) {
  for (PasteMethod m : kPasteMethods) {
    if (SameName(PasteMethodName(m), name)) return m;
  }
  return std::nullopt;
}

const std::vector<PasteMethodRule>& BuiltInPasteMethods() {
  using M = PasteMethodRule::Match;
  static const std::vector<PasteMethodRule> rules = {
      // Console windows belong to the system's console host, whatever
      // program runs in them: their window class tells them apart.
      {M::WindowClass, "ConsoleWindowClass", PasteMethod::ShiftInsert, true},
      {M::WindowClass, "CASCADIA_HOSTING_WINDOW_CLASS", PasteMethod::ShiftInsert, true},
      {M::Program, "WindowsTerminal.exe", PasteMethod::ShiftInsert, true},
      {M::Program, "putty.exe", PasteMethod::ShiftInsert, true},
      {M::Program, "kitty.exe", PasteMethod::ShiftInsert, true},
      {M::Program, "mintty.exe", PasteMethod::ShiftInsert, true},
      {M::Program, "ConEmu.exe", PasteMethod::ShiftInsert, true},
      {M::Program, "ConEmu64.exe", PasteMethod::ShiftInsert, true},
      {M::Program, "alacritty.exe", PasteMethod::ShiftInsert, true},
      {M::Program, "wezterm-gui.exe", PasteMethod::ShiftInsert, true},
      {M::WindowClass, "TscShellContainerClass", PasteMethod::SlowCtrlV},
      {M::Program, "mstsc.exe", PasteMethod::SlowCtrlV},
      {M::Program, "msrdc.exe", PasteMethod::SlowCtrlV},
      {M::Program, "vmconnect.exe", PasteMethod::SlowCtrlV},
  };
  return rules;
}

namespace {

// The rule for a target: the user's for its program, then a built-in one.
const PasteMethodRule* RuleFor(std::string_view program, std::string_view windowClass,
                               const std::vector<PasteMethodRule>& userRules) {
  const std::string_view file = FileNameOf(program);
  auto matches = [&](const PasteMethodRule& rule) {
    const std::string_view subject = rule.match == PasteMethodRule::Match::Program ? file : windowClass;
    return !subject.empty() && SameName(rule.name, subject);
  };
  for (const auto* rules : {&userRules, &BuiltInPasteMethods()}) {
    auto rule = std::find_if(rules->begin(), rules->end(), matches);
    if (rule != rules->end()) return &*rule;
  }
  return nullptr;
}

}  // namespace

PasteMethod ChoosePasteMethod(std::string_view program, std::string_view windowClass,
                              const std::vector<PasteMethodRule>& userRules) {
  const PasteMethodRule* rule = RuleFor(program, windowClass, userRules);
  return rule ? rule->method : PasteMethod::CtrlV;
}

bool PastesPlainTextOnly(std::string_view program, std::string_view windowClass,
                         const std::vector<PasteMethodRule>& userRules) {
  const PasteMethodRule* rule = RuleFor(program, windowClass, userRules);
  return rule && rule->plainOnly;
}

std::string FormatPasteMethodRules(const std::vector<PasteMethodRule>& rules) {
  std::string text;
  for (const PasteMethodRule& rule : rules) {
    if (!text.empty()) text += '|';
    text += rule.name;
    text += '=';
    text += PasteMethodName(rule.method);
    if (rule.plainOnly) text += kPlainMark;
  }
  return text;
}

std::vector<PasteMethodRule> ParsePasteMethodRules(std::string_view text) {
  std::vector<PasteMethodRule> rules;
  while (!text.empty()) {
    const size_t end = text.find('|');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = Trim(line.substr(0, equals));
    std::string_view methodText = Trim(line.substr(equals + 1));
    const bool plainOnly = methodText.ends_with(kPlainMark);
    if (plainOnly) methodText = Trim(methodText.substr(0, methodText.size() - kPlainMark.size()));
    const auto method = PasteMethodNamed(methodText);
    if (!method || !UsableFileName(name)) continue;
    const bool known = std::any_of(rules.begin(), rules.end(), [&](const auto& r) { return SameName(r.name, name); });
    if (!known) rules.push_back({PasteMethodRule::Match::Program, std::string(name), *method, plainOnly});
  }
  return rules;
}

std::optional<size_t> SetPasteMethodRule(std::vector<PasteMethodRule>& rules, std::string_view program,
                                         PasteMethod method, bool plainOnly) {
  const std::string_view name = Trim(program);
  if (!UsableFileName(name)) return std::nullopt;
  for (size_t i = 0; i < rules.size(); ++i) {
    if (SameName(rules[i].name, name)) {
      rules[i].method = method;
      rules[i].plainOnly = plainOnly;
      return i;
    }
  }
  rules.push_back({PasteMethodRule::Match::Program, std::string(name), method, plainOnly});
  return rules.size() - 1;
}

std::vector<PasteKeyEvent> PasteKeyEvents(PasteMethod method, std::u16string_view text) {
  using K = PasteKeyEvent::Kind;
  switch (method) {
    case PasteMethod::CtrlV:
      return {{K::Virtual, kVkControl, false},
              {K::Virtual, kVkV, false},
              {K::Virtual, kVkV, true},
              {K::Virtual, kVkControl, true}};
    case PasteMethod::ShiftInsert:
      return {{K::Virtual, kVkShift, false},
              {K::Virtual, kVkInsert, false},
              {K::Virtual, kVkInsert, true},
              {K::Virtual, kVkShift, true}};
    case PasteMethod::SlowCtrlV:
      return {{K::Virtual, kVkControl, false},
              {K::Virtual, kVkV, false, kSlowPastePauseTicks},
              {K::Virtual, kVkV, true, kSlowPastePauseTicks},
              {K::Virtual, kVkControl, true, kSlowPastePauseTicks}};
    case PasteMethod::TypeText:
      break;
  }
  std::vector<PasteKeyEvent> events;
  auto press = [&](K kind, unsigned code) {
    events.push_back({kind, code, false});
    events.push_back({kind, code, true});
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      press(K::Virtual, kVkReturn);
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;  // one line break, one Enter
    } else if (c == u'\n') {
      press(K::Virtual, kVkReturn);
    } else if (c == u'\t') {
      press(K::Virtual, kVkTab);
    } else {
      press(K::Unicode, c);
    }
  }
  return events;
}

}  // namespace tq::app
