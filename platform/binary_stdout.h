// Standard output that passes bytes through unchanged: on Windows the C
// runtime would otherwise turn every "\n" into "\r\n", corrupting exported
// data (CSV line ends, texts that hold CR LF).
#pragma once

namespace tq::platform {

// Call before writing exact bytes to stdout.
void UseBinaryStdout();

}  // namespace tq::platform
