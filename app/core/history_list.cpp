#include "app/core/history_list.h"

#include <vector>

#include "ui/core/value_section.h"

namespace tq::app {
namespace {

// The text after the last '\' or ':'.
std::string FileNamePart(const std::string& path) {
  size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool IsBareFileName(const std::string& name) { return name.find_first_of("\\/:") == std::string::npos; }

}  // namespace

THistoryList::THistoryList(platform::KeyStore& keys, platform::Env& env, std::string windows_folder)
    : keys_(keys), env_(env), windows_folder_(std::move(windows_folder)) {}

void THistoryList::SetRegPath(std::string path) {
  reg_path_ = std::move(path);
  Load();
}

void THistoryList::SetRegKey(std::string key) {
  reg_key_ = std::move(key);
  Load();
}

void THistoryList::SetBaseMenu(MenuItems* menu) {
  if (!menu_ && menu && menu->Count() == 0) menu->Append({"(none)", "", false, 0});
  if (menu_ || !menu) return;
  menu_ = menu;
  Load();
}

void THistoryList::SetMaxItems(int max_items) {
  if (max_items <= 0) max_items = kDefaultMaxItems;
  while (GetCount() > max_items) menu_->Delete(menu_->Count() - 1);
  max_items_ = max_items;
  ready_ = true;
}

void THistoryList::SetHelpContext(int help_context) {
  help_context_ = help_context;
  for (int i = 0; i < GetCount(); ++i) {
    MenuItemData item = menu_->Item(first_entry_ + i);
    item.help_context = help_context;
    menu_->SetItem(first_entry_ + i, item);
  }
}

int THistoryList::GetCount() const {
  if (!menu_ || first_entry_ < 0) return 0;
  if (menu_->Count() == 1 && !menu_->Item(0).enabled) return 0;  // the placeholder
  return menu_->Count() - first_entry_;
}

std::optional<MenuItemData> THistoryList::GetItem(int i) const {
  if (i < 0 || i >= GetCount()) return std::nullopt;
  return menu_->Item(first_entry_ + i);
}

bool THistoryList::Exists(const std::string& path) {
  return directories_ ? env_.DirectoryExists(path) : env_.FileExists(path);
}

void THistoryList::AddFilename(const std::string& path, const std::string&) {
  if (path.empty() || !menu_ || !Exists(path)) return;
  if (GetCount() == 0) {
    if (menu_->Count() == 1 && !menu_->Item(0).enabled) menu_->Delete(0);
    if (menu_->Count() > 0) menu_->Append({"-", "", true, 0});
    first_entry_ = menu_->Count();
  }
  int target = -1;
  for (int i = first_entry_; i < menu_->Count(); ++i)
    if (menu_->Item(i).hint == path) {
      target = i;
      break;
    }
  if (target < 0) {
    if (GetCount() < max_items_) menu_->Append({"", "", true, help_context_});
    target = menu_->Count() - 1;
  }
  for (int i = target; i > first_entry_; --i) {
    MenuItemData item = menu_->Item(i);
    MenuItemData above = menu_->Item(i - 1);
    item.caption = above.caption;
    item.hint = above.hint;
    menu_->SetItem(i, item);
  }
  MenuItemData top = menu_->Item(first_entry_);
  top.caption = FileNamePart(path);
  top.hint = path;
  menu_->SetItem(first_entry_, top);
}

void THistoryList::ItemClicked(int menu_index) {
  int i = menu_index - first_entry_;
  if (first_entry_ < 0 || i < 0 || i >= GetCount() || !OnClick) return;
  OnClick(*this, menu_->Item(menu_index).hint);
}

bool THistoryList::StorageNamed() const { return !reg_path_.empty() && reg_path_ != kDefaultRegPath; }

std::unique_ptr<ValueSection> THistoryList::OpenStorage(bool create) {
  if (use_ini_file_) {
    std::string file = reg_path_;
    if (IsBareFileName(file) && !windows_folder_.empty()) file = windows_folder_ + "\\" + file;
    if (!create && !env_.FileExists(file)) return nullptr;
    return ui::core::OpenIniSection(env_, file, reg_key_);
  }
  return ui::core::OpenKeySection(keys_, reg_path_ + "\\" + reg_key_, create);
}

void THistoryList::Load() {
  if (!ready_ || !menu_ || !StorageNamed()) return;
  auto section = OpenStorage(/*create=*/false);
  if (!section) return;
  std::vector<std::string> paths;
  for (int n = 0;; ++n) {
    std::string file = "File" + std::to_string(n), name = "Name" + std::to_string(n);
    if (!section->Exists(file) || !section->Exists(name)) break;
    auto path = section->Read(file);
    if (!path || !section->Read(name)) break;
    paths.push_back(*path);
  }
  // Oldest first, so that File0 ends on top.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) AddFilename(*it);
}

void THistoryList::Save() {
  if (GetCount() == 0 || !menu_ || !StorageNamed()) return;
  auto section = OpenStorage(/*create=*/true);
  if (!section) return;
  if (use_ini_file_) section->Clear();
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    MenuItemData item = menu_->Item(first_entry_ + i);
    section->Write("File" + std::to_string(i), item.hint);
    section->Write("Name" + std::to_string(i), item.caption);
  }
  // Entries dropped since the last save.
  for (int n = count;; ++n) {
    if (!section->Delete("File" + std::to_string(n))) break;
    section->Delete("Name" + std::to_string(n));
  }
}

}  // namespace tq::app
