#include "ui/menu.h"

#include <stdexcept>

#include "platform/utf16.h"

namespace tq::ui {

std::string ShortcutText(const Shortcut& s) {
  if (!s.key) return {};
  std::string text;
  if (s.shift) text += "Shift+";
  if (s.ctrl) text += "Ctrl+";
  if (s.alt) text += "Alt+";
  const UINT k = s.key;
  if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9')) {
    text += static_cast<char>(k);
  } else if (k >= VK_F1 && k <= VK_F24) {
    text += 'F';
    text += std::to_string(k - VK_F1 + 1);
  } else {
    switch (k) {
      case VK_DELETE:
        text += "Del";
        break;
      case VK_INSERT:
        text += "Ins";
        break;
      case VK_RETURN:
        text += "Enter";
        break;
      case VK_ESCAPE:
        text += "Esc";
        break;
      case VK_BACK:
        text += "BkSp";
        break;
      case VK_TAB:
        text += "Tab";
        break;
      case VK_SPACE:
        text += "Space";
        break;
      case VK_HOME:
        text += "Home";
        break;
      case VK_END:
        text += "End";
        break;
      case VK_PRIOR:
        text += "PgUp";
        break;
      case VK_NEXT:
        text += "PgDn";
        break;
      case VK_LEFT:
        text += "Left";
        break;
      case VK_RIGHT:
        text += "Right";
        break;
      case VK_UP:
        text += "Up";
        break;
      case VK_DOWN:
        text += "Down";
        break;
      default: {
        wchar_t name[64] = {};
        const LONG scan = static_cast<LONG>(MapVirtualKeyW(k, MAPVK_VK_TO_VSC)) << 16;
        if (GetKeyNameTextW(scan, name, static_cast<int>(std::size(name))) > 0)
          text += platform::Utf8(name);
        else
          text.append("#").append(std::to_string(k));
      }
    }
  }
  return text;
}

Menu::Menu(Kind kind)
    : owned_(kind == Kind::Bar ? CreateMenu() : CreatePopupMenu()), handle_(owned_.get()), root_(this) {
  if (!handle_) throw std::runtime_error("Cannot create a menu");
}

Menu::Menu(SubmenuTag, Menu* root, HMENU handle) : handle_(handle), root_(root) {}

Menu::~Menu() = default;

int Menu::NextId() {
  std::set<int>& free = root_->freeIds_;
  if (free.empty()) return root_->nextId_++;
  const int id = *free.begin();
  free.erase(free.begin());
  return id;
}

void Menu::ReleaseIds() {
  for (const Item& item : items_) root_->freeIds_.insert(item.id);
  for (const auto& sub : submenus_) sub->ReleaseIds();
}

int Menu::AddItem(std::string_view text, std::function<void()> onClick, Shortcut shortcut) {
  const int id = NextId();
  std::string caption(text);
  if (shortcut.key) caption.append("\t").append(ShortcutText(shortcut));
  if (!AppendMenuW(handle_, MF_STRING, static_cast<UINT_PTR>(id), platform::Wide(caption).c_str())) {
    throw std::runtime_error("Cannot add a menu item");
  }
  items_.push_back({id, std::move(onClick), shortcut});
  return id;
}

void Menu::AddSeparator() { AppendMenuW(handle_, MF_SEPARATOR, 0, nullptr); }

Menu& Menu::AddSubmenu(std::string_view text) {
  HMENU sub = CreatePopupMenu();
  if (!sub) throw std::runtime_error("Cannot create a menu");
  if (!AppendMenuW(handle_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), platform::Wide(text).c_str())) {
    DestroyMenu(sub);
    throw std::runtime_error("Cannot add a submenu");
  }
  submenus_.push_back(std::make_unique<Menu>(SubmenuTag{}, root_, sub));
  return *submenus_.back();
}

void Menu::Clear() {
  ReleaseIds();
  // DeleteMenu destroys the submenus' handles with their items.
  while (GetMenuItemCount(handle_) > 0) DeleteMenu(handle_, 0, MF_BYPOSITION);
  items_.clear();
  submenus_.clear();
}

int Menu::ItemCount() const { return GetMenuItemCount(handle_); }

const Menu* Menu::FindOwner(int id) const {
  for (const Item& item : items_) {
    if (item.id == id) return this;
  }
  for (const auto& sub : submenus_) {
    if (const Menu* m = sub->FindOwner(id)) return m;
  }
  return nullptr;
}

void Menu::SetEnabled(int id, bool enabled) {
  EnableMenuItem(handle_, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Menu::IsEnabled(int id) const {
  const UINT state = GetMenuState(handle_, static_cast<UINT>(id), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void Menu::SetChecked(int id, bool checked) {
  CheckMenuItem(handle_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Menu::IsChecked(int id) const {
  const UINT state = GetMenuState(handle_, static_cast<UINT>(id), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

void Menu::SetItemText(int id, std::string_view text) {
  std::string caption(text);
  if (const Menu* owner = FindOwner(id)) {
    for (const Item& item : owner->items_) {
      if (item.id == id && item.shortcut.key) caption.append("\t").append(ShortcutText(item.shortcut));
    }
  }
  std::wstring wide = platform::Wide(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = wide.data();
  SetMenuItemInfoW(handle_, static_cast<UINT>(id), FALSE, &info);
}

std::string Menu::ItemText(int id) const {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  if (!GetMenuItemInfoW(handle_, static_cast<UINT>(id), FALSE, &info)) return {};
  std::wstring text(info.cch + 1, L'\0');
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
  if (!GetMenuItemInfoW(handle_, static_cast<UINT>(id), FALSE, &info)) return {};
  text.resize(info.cch);
  if (auto tab = text.find(L'\t'); tab != std::wstring::npos) text.resize(tab);
  return platform::Utf8(text);
}

void Menu::SetDefaultItem(int id) { SetMenuDefaultItem(handle_, static_cast<UINT>(id), FALSE); }

bool Menu::Dispatch(int id) {
  const Menu* owner = FindOwner(id);
  if (!owner) return false;
  for (const Item& item : owner->items_) {
    if (item.id != id) continue;
    // A copy: the callback may clear or refill this very menu.
    std::function<void()> onClick = item.onClick;
    if (onClick) onClick();
    return true;
  }
  return false;
}

int Menu::Popup(HWND owner, POINT screen) {
  // The owner must be the foreground window, or the menu does not close when
  // the user clicks elsewhere; the WM_NULL lets it close at once afterwards.
  SetForegroundWindow(owner);
  const int id = static_cast<int>(
      TrackPopupMenu(handle_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  if (id != 0) Dispatch(id);
  return id;
}

std::vector<ACCEL> Menu::Accelerators() const {
  std::vector<ACCEL> out;
  CollectAccelerators(out);
  return out;
}

void Menu::CollectAccelerators(std::vector<ACCEL>& out) const {
  for (const Item& item : items_) {
    if (!item.shortcut.key) continue;
    BYTE flags = FVIRTKEY;
    if (item.shortcut.ctrl) flags |= FCONTROL;
    if (item.shortcut.shift) flags |= FSHIFT;
    if (item.shortcut.alt) flags |= FALT;
    out.push_back({flags, static_cast<WORD>(item.shortcut.key), static_cast<WORD>(item.id)});
  }
  for (const auto& sub : submenus_) sub->CollectAccelerators(out);
}

}  // namespace tq::ui
