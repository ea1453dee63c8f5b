#include "ui/hotkey_box.h"

#include <commctrl.h>

namespace tq::ui {
namespace {

// The packed value's modifier bits (the same as the program's hotkey values).
constexpr uint16_t kPackedShift = 0x2000;
constexpr uint16_t kPackedCtrl = 0x4000;
constexpr uint16_t kPackedAlt = 0x8000;

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
  uint16_t packed = vk;
  if (mods & HOTKEYF_SHIFT) packed |= kPackedShift;
  if (mods & HOTKEYF_CONTROL) packed |= kPackedCtrl;
  if (mods & HOTKEYF_ALT) packed |= kPackedAlt;
  return packed;
}

WORD HotKeyBoxFromPacked(uint32_t packed) {
  const BYTE vk = static_cast<BYTE>(packed & 0xFF);
  if (vk == 0) return 0;
  BYTE mods = 0;
  if (packed & kPackedShift) mods |= HOTKEYF_SHIFT;
  if (packed & kPackedCtrl) mods |= HOTKEYF_CONTROL;
  if (packed & kPackedAlt) mods |= HOTKEYF_ALT;
  if (IsExtendedKey(vk)) mods |= HOTKEYF_EXT;
  return MAKEWORD(vk, mods);
}

void HotKeyBox::Create(Wnd& parent, const Rect& bounds, HotKeyRules rules, int id) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&init);
  CreateControl(parent, HOTKEY_CLASSA, bounds, {}, WS_TABSTOP, WS_EX_CLIENTEDGE, id);
  if (rules == HotKeyRules::NeedsCtrlOrMore) {
    // An invalid combination keeps its key and loses its modifiers.
    Send(HKM_SETRULES, HKCOMB_NONE | HKCOMB_S | HKCOMB_A, 0);
  } else {
    Send(HKM_SETRULES, 0, 0);
  }
}

uint16_t HotKeyBox::Value() const { return PackedFromHotKeyBox(static_cast<WORD>(Send(HKM_GETHOTKEY))); }

void HotKeyBox::SetValue(uint32_t packed) { Send(HKM_SETHOTKEY, HotKeyBoxFromPacked(packed)); }

}  // namespace tq::ui
