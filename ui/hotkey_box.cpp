#include "ui/hotkey_box.h"

#include <commctrl.h>

#include "platform/packed_hotkey.h"

namespace tq::ui {
namespace {

using platform::HotKeyVirtualKey;
using platform::kHotKeyAlt;
using platform::kHotKeyCtrl;
using platform::kHotKeyShift;

// Keys that sit on the extended part of the keyboard; without HOTKEYF_EXT the
// box would name them after the numeric keypad keys sharing their scan codes.
bool IsExtendedKey(BYTE vk) {
  switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_NUMLOCK:
      return true;
    default:
      return false;
  }
}

}  // namespace

uint16_t PackedFromHotKeyBox(WORD boxValue) {
  const BYTE vk = LOBYTE(boxValue);
  const BYTE mods = HIBYTE(boxValue);
  if (vk == 0) return 0;  // modifiers alone are no hotkey
  uint32_t packed = vk;
  if (mods & HOTKEYF_SHIFT) packed |= kHotKeyShift;
  if (mods & HOTKEYF_CONTROL) packed |= kHotKeyCtrl;
  if (mods & HOTKEYF_ALT) packed |= kHotKeyAlt;
  return platform::HotKeyBits(packed);
}

WORD HotKeyBoxFromPacked(uint32_t packed) {
  const BYTE vk = HotKeyVirtualKey(packed);
  if (vk == 0) return 0;
  BYTE mods = 0;
  if (packed & kHotKeyShift) mods |= HOTKEYF_SHIFT;
  if (packed & kHotKeyCtrl) mods |= HOTKEYF_CONTROL;
  if (packed & kHotKeyAlt) mods |= HOTKEYF_ALT;
  if (IsExtendedKey(vk)) mods |= HOTKEYF_EXT;
  return MAKEWORD(vk, mods);
}

void HotKeyBox::Create(Wnd& parent, const Rect& bounds, HotKeyRules rules, int id) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&init);
  CreateControl(parent, HOTKEY_CLASSW, bounds, {}, WS_TABSTOP, WS_EX_CLIENTEDGE, id);
  if (rules == HotKeyRules::NeedsCtrlOrMore) {
    // An invalid combination keeps its key and loses its modifiers.
    Send(HKM_SETRULES, HKCOMB_NONE | HKCOMB_S | HKCOMB_A, 0);
  } else {
    Send(HKM_SETRULES, 0, 0);
  }
}

namespace {

BYTE ModifierFlag(WPARAM key) {
  switch (key) {
    case VK_SHIFT:
      return HOTKEYF_SHIFT;
    case VK_CONTROL:
      return HOTKEYF_CONTROL;
    case VK_MENU:
      return HOTKEYF_ALT;
    default:
      return 0;
  }
}

}  // namespace

LRESULT HotKeyBox::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (const BYTE flag = ModifierFlag(wp)) {
        if (!unfinished_ && held_ == 0) before_ = static_cast<WORD>(Send(HKM_GETHOTKEY));
        unfinished_ = unfinished_ || held_ == 0;
        held_ |= flag;
      } else {
        unfinished_ = false;
      }
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      held_ &= static_cast<BYTE>(~ModifierFlag(wp));
      // Let go in the box: what the box made of it stands.
      if (held_ == 0) unfinished_ = false;
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = Control::WndProc(msg, wp, lp);
      for (const WPARAM key : {VK_SHIFT, VK_CONTROL, VK_MENU})
        if (held_ & ModifierFlag(key)) Control::WndProc(key == VK_MENU ? WM_SYSKEYUP : WM_KEYUP, key, 0xC0000001);
      held_ = 0;
      if (unfinished_) Send(HKM_SETHOTKEY, before_);
      unfinished_ = false;
      return result;
    }
  }
  return Control::WndProc(msg, wp, lp);
}

uint16_t HotKeyBox::Value() const { return PackedFromHotKeyBox(static_cast<WORD>(Send(HKM_GETHOTKEY))); }

void HotKeyBox::SetValue(uint32_t packed) { Send(HKM_SETHOTKEY, HotKeyBoxFromPacked(packed)); }

}  // namespace tq::ui
