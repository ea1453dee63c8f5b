#include "spell/engine/edit_distance.h"

#include <algorithm>
#include <array>

namespace tq::spell {

int GetEditDistance(std::string_view a, std::string_view b) {
  constexpr size_t kLimit = 254;
  if (a.size() > kLimit || b.size() > kLimit) return static_cast<int>(std::max(a.size(), b.size()));
  // Two rows suffice for the distance itself; the rows live on the stack so
  // ranking a long list allocates nothing.
  std::array<int, kLimit + 1> previous{}, current{};
  for (size_t j = 0; j <= b.size(); ++j) previous[j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    current[0] = static_cast<int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      if (a[i - 1] == b[j - 1])
        current[j] = previous[j - 1];
      else
        current[j] = 1 + std::min({previous[j], current[j - 1], previous[j - 1]});
    }
    std::swap(previous, current);
  }
  int distance = previous[b.size()];
  // A swap of neighbours at the same place in both words is one slip, not
  // two: credit it back.
  const size_t shorter = std::min(a.size(), b.size());
  for (size_t i = 2; i <= shorter; ++i) {
    const char ai = a[i - 1], ap = a[i - 2];
    if (ai == b[i - 2] && ap == b[i - 1] && ai != ap && distance > 0) {
      --distance;
      ++i;
    }
  }
  return distance;
}

}  // namespace tq::spell
