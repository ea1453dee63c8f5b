// A thorough look at a table file for the command-line checker: the open
// checks with their messages, then what a file can get wrong beyond them
// (descriptors that disagree with their types, live counts, the free list,
// unterminated texts), each reported as a sentence. Never changes the file.
#pragma once

#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::storage {

struct TableCheckReport {
  bool readable = false;              // the file exists and could be read
  bool opens = false;                 // the engine's open checks pass
  bool replyLayout = false;           // the four fields of the reply library
  std::vector<std::string> problems;  // what is wrong, one sentence each
  std::vector<std::string> notes;     // what is worth knowing but not wrong
};

TableCheckReport CheckTableFile(platform::Env& env, const std::string& path);

}  // namespace tq::storage
