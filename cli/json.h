// A small JSON reader and writer for quillet's exports and imports: values
// as a tree, strings kept as UTF-8, numbers as doubles with their text, and
// errors that say where the text went wrong.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tq::cli::json {

struct Member;

struct Value {
  enum class Type { Null, Bool, Number, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string string;  // a String's text, or a Number's text as written
  std::vector<Value> array;
  std::vector<Member> object;  // in the order written

  // The member named key of an Object, or nullptr.
  const Value* Find(std::string_view key) const;
};

// One name and value of an Object. Its own type rather than a std::pair,
// which would need Value complete inside Value.
struct Member {
  std::string first;
  Value second;
};

// Parses a whole document. On failure returns false with *error saying what
// and where ("line 3, column 7: ...").
bool Parse(std::string_view text, Value* out, std::string* error);

// A JSON string literal for UTF-8 text: quotes, backslashes and control
// characters escaped, everything else as is.
std::string Quote(std::string_view utf8);

}  // namespace tq::cli::json
