#include "ui/core/placement_store.h"

#include <charconv>

#include "ui/core/value_section.h"

namespace tq::ui::core {
namespace {

// A decimal integer with an optional sign and nothing else.
std::optional<int> ParseInteger(const std::optional<std::string>& text) {
  if (!text || text->empty()) return std::nullopt;
  const char* begin = text->data();
  const char* end = begin + text->size();
  if (*begin == '+' && text->size() > 1 && begin[1] != '-') ++begin;
  int value = 0;
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || begin == end) return std::nullopt;
  return value;
}

}  // namespace

PlacementStore::PlacementStore(platform::KeyStore& keys, platform::Env& env, std::string program_folder)
    : keys_(keys), env_(env), program_folder_(std::move(program_folder)) {}

bool PlacementStore::Store(const Placement& placement) {
  if (SaveName.empty() || SaveKey.empty()) return false;
  std::unique_ptr<ValueSection> section = UseIniFile
                                              ? OpenIniSection(env_, program_folder_ + "\\" + SaveName, SaveKey)
                                              : OpenKeySection(keys_, SaveName + "\\" + SaveKey, /*create=*/true);
  if (!section) return false;
  const Rect& r = placement.bounds;
  bool ok = section->Write("Left", std::to_string(r.left)) && section->Write("Top", std::to_string(r.top));
  if (ok && SaveSize)
    ok = section->Write("Right", std::to_string(r.right)) && section->Write("Bottom", std::to_string(r.bottom));
  return ok && section->Write("Maximized", placement.maximized ? "1" : "0");
}

StoredPlacement PlacementStore::Read() {
  StoredPlacement stored;
  if (SaveName.empty() || SaveKey.empty()) return stored;
  std::unique_ptr<ValueSection> section;
  if (UseIniFile) {
    section = OpenIniSection(env_, program_folder_ + "\\" + SaveName, SaveKey);
  } else {
    keys_.Open(platform::KeyRoot::CurrentUser, SaveName, /*create=*/true);
    section = OpenKeySection(keys_, SaveName + "\\" + SaveKey, /*create=*/false);
  }
  if (!section) return stored;
  stored.left = ParseInteger(section->Read("Left"));
  stored.top = ParseInteger(section->Read("Top"));
  if (SaveSize) {
    stored.right = ParseInteger(section->Read("Right"));
    stored.bottom = ParseInteger(section->Read("Bottom"));
  }
  if (auto maximized = ParseInteger(section->Read("Maximized"))) stored.maximized = *maximized != 0;
  return stored;
}

}  // namespace tq::ui::core
