#include "storage/filter_expression.h"

namespace tq::storage {

std::string TrimFilterText(const std::string& text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

FilterExpression ParseFilter(const std::string& filter) {
  FilterExpression x;
  size_t p = filter.find('>');
  if (p == std::string::npos) p = filter.find('<');
  if (p == std::string::npos) p = filter.find('=');
  if (p == std::string::npos) return x;
  x.hasOperator = true;
  x.fieldName = TrimFilterText(filter.substr(0, p));
  const bool orEqual = filter[p] != '=' && p + 1 < filter.size() && filter[p + 1] == '=';
  if (filter[p] == '=')
    x.op = FilterExpression::Op::Equal;
  else if (filter[p] == '>')
    x.op = orEqual ? FilterExpression::Op::GreaterEqual : FilterExpression::Op::Greater;
  else
    x.op = orEqual ? FilterExpression::Op::LessEqual : FilterExpression::Op::Less;
  // From the second character after the operator (past the opening quote) to
  // just before the last character (the closing quote).
  size_t start = p + 2, end = filter.size() - 1;
  x.literal = start < end ? TrimFilterText(filter.substr(start, end - start)) : std::string();
  if (orEqual && !x.literal.empty()) x.literal.erase(0, 1);
  return x;
}

bool FilterAccepts(FilterExpression::Op op, const std::string& value, const std::string& literal) {
  int c = 0;
  for (size_t i = 0; c == 0 && i < value.size() && i < literal.size(); ++i)
    c = static_cast<unsigned char>(value[i]) - static_cast<unsigned char>(literal[i]);
  if (c == 0) c = value.size() < literal.size() ? -1 : value.size() > literal.size() ? 1 : 0;
  switch (op) {
    case FilterExpression::Op::Equal:
      return c == 0;
    case FilterExpression::Op::Greater:
      return c > 0;
    case FilterExpression::Op::GreaterEqual:
      return c >= 0;
    case FilterExpression::Op::Less:
      return c < 0;
    case FilterExpression::Op::LessEqual:
      return c <= 0;
  }
  return false;
}

}  // namespace tq::storage
