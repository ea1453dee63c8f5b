// File tests the dictionaries share.
#pragma once

#include <string>

#include "platform/env.h"

namespace tq::spell {

// Whether path can be opened for writing by us alone (created when absent).
// With probe, a file created only for the test is removed again; an existing
// file is never changed.
bool CanFileBeWritten(platform::Env& env, const std::string& path, bool probe);

}  // namespace tq::spell
