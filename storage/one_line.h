// Engine messages on one line: some of the engine's messages span several
// lines, which a report of one sentence per line cannot hold.
#pragma once

#include <string>

namespace tq::storage {

// The message with each carriage return turned into "; ".
inline std::string OneLine(std::string message) {
  for (size_t p; (p = message.find('\r')) != std::string::npos;) message.replace(p, 1, "; ");
  return message;
}

}  // namespace tq::storage
