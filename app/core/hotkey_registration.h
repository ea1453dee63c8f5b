// The fixed global hotkey ids and the one operation that registers a packed
// hotkey value under an id and reports a refusal. The window system is
// reached through HotKeyRegistrar, which the Win32 side fills with
// RegisterHotKey on the main window and an error message box.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tq::app {

inline constexpr int kMainHotKeyId = 6423;        // MainHotKey: show the main window
inline constexpr int kMenuHotKeyId = 6424;        // MenuHotKey: pop up the reply menu
inline constexpr int kSearchHotKeyId = 6425;      // SearchHotKey: open the reply search
inline constexpr int kFirstReplyHotKeyId = 6426;  // + reply index

constexpr int ReplyHotKeyId(int reply_index) { return kFirstReplyHotKeyId + reply_index; }
// The reply index a WM_HOTKEY id stands for; none for the fixed ids.
constexpr std::optional<int> ReplyIndexOfHotKeyId(int id) {
  if (id < kFirstReplyHotKeyId) return std::nullopt;
  return id - kFirstReplyHotKeyId;
}

struct HotKeyRegistrar {
  // Registers modifiers (kMod* flags) + virtual key under id; false when
  // Windows refuses.
  std::function<bool(int id, unsigned modifiers, unsigned virtual_key)> register_hot_key;
  // Shows an error message (OK button only).
  std::function<void(const std::string& message)> show_error;
};

// "Could not register the hotkey: " + the value's text + advice.
std::string HotKeyRegistrationFailure(uint32_t value);

// True when the value was registered, or is 0 and nothing was done. A refusal
// is shown with HotKeyRegistrationFailure and gives false; callers go on.
bool RegisterGlobalHotKey(const HotKeyRegistrar& registrar, uint32_t value, int id);

// The search hotkey under kSearchHotKeyId. A value the user chose is
// registered as any other; the default nobody chose is only taken when it is
// free: a refusal says nothing and sets value to 0 (none).
bool RegisterSearchHotKey(const HotKeyRegistrar& registrar, int32_t& value, bool chosen);

}  // namespace tq::app
