#include "platform/env.h"

namespace tq::platform {

Status File::ReadExact(int64_t offset, void* buf, size_t n) {
  size_t got = 0;
  Status s = ReadAt(offset, buf, n, &got);
  if (!s) return s;
  if (got != n) return Status::Error("Read past the end of the file");
  return Status::Ok();
}

FileAtPath CheckFileAtPath(Env& env, File& file, const std::string& path) {
  FileIdentity opened, named;
  if (!file.Identity(&opened)) return FileAtPath::Same;
  if (!env.IdentityOf(path, &named)) return FileAtPath::Missing;
  return named == opened ? FileAtPath::Same : FileAtPath::Replaced;
}

Status ReadWholeFile(Env& env, const std::string& path, std::string* contents) {
  std::unique_ptr<File> f;
  Status s = env.OpenFile(path, FileAccess::Read, FileShare::ReadWrite, FileCreate::OpenExisting, &f);
  if (!s) return s;
  int64_t size = 0;
  if (!(s = f->Size(&size))) return s;
  contents->assign(static_cast<size_t>(size), '\0');
  return size == 0 ? Status::Ok() : f->ReadExact(0, contents->data(), contents->size());
}

Status WriteWholeFile(Env& env, const std::string& path, const std::string& contents) {
  std::unique_ptr<File> f;
  Status s = env.OpenFile(path, FileAccess::ReadWrite, FileShare::Read, FileCreate::CreateAlways, &f);
  if (!s) return s;
  if (!contents.empty() && !(s = f->WriteAt(0, contents.data(), contents.size()))) return s;
  return f->Flush();
}

}  // namespace tq::platform
