#include "spell/engine/file_checks.h"

namespace tq::spell {

bool CanFileBeWritten(platform::Env& env, const std::string& path, bool probe) {
  if (path.empty()) return false;
  const bool existed = env.FileExists(path);
  std::unique_ptr<platform::File> file;
  if (!env.OpenFile(path, platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                    platform::FileCreate::OpenAlways, &file))
    return false;
  file.reset();
  if (probe && !existed) env.RemoveFile(path);
  return true;
}

}  // namespace tq::spell
