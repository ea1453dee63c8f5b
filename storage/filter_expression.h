// The table filter's small expression language: Name='value', Name>'value',
// Name>='value', Name<'value', Name<='value', parsed by position the way the
// engine always has (first '>', else first '<', else first '='), and the
// case-sensitive byte comparison that decides a record.
#pragma once

#include <string>

namespace tq::storage {

struct FilterExpression {
  enum class Op { Equal, Greater, GreaterEqual, Less, LessEqual };
  bool hasOperator = false;  // false: every record is accepted
  std::string fieldName;     // trimmed
  Op op = Op::Equal;
  std::string literal;  // trimmed, quotes removed by position
};

FilterExpression ParseFilter(const std::string& filter);

// Removes blanks and control characters (codes up to 32) at both ends.
std::string TrimFilterText(const std::string& text);

// Compares byte by byte as unsigned codes (a proper prefix is smaller).
bool FilterAccepts(FilterExpression::Op op, const std::string& value, const std::string& literal);

}  // namespace tq::storage
