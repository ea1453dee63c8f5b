#include "app/core/recent_file_texts.h"

namespace tq::app {
namespace {

// A menu shows "&&" as one ampersand.
std::string Literal(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

// 1 to 9 take their digit as the key, 10 its 0; later ones have none.
std::string Number(int n) {
  if (n <= 9) return "&" + std::to_string(n);
  if (n == 10) return "1&0";
  return std::to_string(n);
}

}  // namespace

std::vector<std::string> RecentFileMenuTexts(const std::vector<MenuItemData>& items) {
  std::vector<std::string> texts;
  int number = 0;
  for (const MenuItemData& item : items) {
    if (item.caption == "-" || !item.enabled) {
      texts.push_back(item.caption);
    } else {
      texts.push_back(Number(++number) + " " + Literal(item.caption));
    }
  }
  return texts;
}

}  // namespace tq::app
