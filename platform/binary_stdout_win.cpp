#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/binary_stdout.h"

namespace tq::platform {

void UseBinaryStdout() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace tq::platform
