#include "platform/key_name.h"

namespace tq::platform {

// There is no Windows keyboard layout to ask.
std::string KeyboardKeyName(uint8_t) { return ""; }

}  // namespace tq::platform
