#include "platform/binary_stdout.h"

namespace tq::platform {

// POSIX streams never translate line ends.
void UseBinaryStdout() {}

}  // namespace tq::platform
