// How a paste reaches a program. Most programs paste on Ctrl+V; in a console
// or terminal Ctrl+V is a control character and Shift+Insert pastes; a
// remote-desktop window forwards keys to another machine and loses them when
// they come too fast; and a few programs ignore paste altogether, so the
// text is typed into them as Unicode key events. A built-in list covers the
// consoles, terminals and remote-desktop clients; the user's own list (a
// program's file name and a method) comes first.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq::app {

enum class PasteMethod {
  CtrlV,        // Ctrl+V at once
  ShiftInsert,  // Shift+Insert at once
  SlowCtrlV,    // Ctrl+V with a pause between the key events
  TypeText,     // the plain text as Unicode key events, no clipboard
};

// All methods, in the order the configuration dialog offers them.
inline constexpr PasteMethod kPasteMethods[] = {PasteMethod::CtrlV, PasteMethod::ShiftInsert, PasteMethod::SlowCtrlV,
                                                PasteMethod::TypeText};

// The method's name as shown and stored ("Ctrl+V", "Shift+Insert", ...).
std::string_view PasteMethodName(PasteMethod method);
std::optional<PasteMethod> PasteMethodNamed(std::string_view name);

struct PasteMethodRule {
  enum class Match { Program, WindowClass };
  Match match = Match::Program;
  std::string name;  // a program's file name ("putty.exe") or a window class; any case
  PasteMethod method = PasteMethod::CtrlV;
  // A rich reply arrives as its plain text: for programs that mangle
  // formatting, and consoles and terminals, which have none.
  bool plainOnly = false;
  bool operator==(const PasteMethodRule&) const = default;
};

// The rules that come with the program.
const std::vector<PasteMethodRule>& BuiltInPasteMethods();

// The method for a target: the user's rule for its program wins, then a
// built-in rule for its program or its top-level window's class, else Ctrl+V.
// `program` may be a full path; only its file name counts.
PasteMethod ChoosePasteMethod(std::string_view program, std::string_view windowClass,
                              const std::vector<PasteMethodRule>& userRules);

// The rule ChoosePasteMethod goes by says "plain text only".
bool PastesPlainTextOnly(std::string_view program, std::string_view windowClass,
                         const std::vector<PasteMethodRule>& userRules);

// The user's rules in the one string they are stored as: "name=method" items
// joined by "|", which no file name holds; a plain-only rule's method is
// followed by ";plain", so rules without it are stored as they always were.
// Reading skips lines it cannot understand and later lines for a name
// already given.
std::string FormatPasteMethodRules(const std::vector<PasteMethodRule>& rules);
std::vector<PasteMethodRule> ParsePasteMethodRules(std::string_view text);

// Adds a user rule for `program` (its file name, trimmed), or changes the
// method and plainness of the one already there; answers the rule's index. None when the
// name is empty or holds
// characters no file name can ('\\', '/', ':', '=', '|', control characters).
std::optional<size_t> SetPasteMethodRule(std::vector<PasteMethodRule>& rules, std::string_view program,
                                         PasteMethod method, bool plainOnly = false);

// One synthesised key event of a paste: a virtual key, or a UTF-16 code unit
// typed as a Unicode key event, sent after `pauseTicks` timer ticks.
struct PasteKeyEvent {
  enum class Kind { Virtual, Unicode };
  Kind kind = Kind::Virtual;
  unsigned code = 0;
  bool up = false;
  int pauseTicks = 0;
  bool operator==(const PasteKeyEvent&) const = default;
};

// The key events of a method; TypeText types `text` (line breaks as Enter,
// tabs as Tab).
std::vector<PasteKeyEvent> PasteKeyEvents(PasteMethod method, std::u16string_view text = {});

// Ticks between the key events of SlowCtrlV.
inline constexpr int kSlowPastePauseTicks = 5;

}  // namespace tq::app
