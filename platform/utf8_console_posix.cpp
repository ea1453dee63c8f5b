#include "platform/utf8_console.h"

namespace tq::platform {

// A terminal decodes bytes as its locale says; nothing to set.
Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

}  // namespace tq::platform
