#include "platform/memory_env.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/path_match.h"

namespace tq::platform {

namespace {

// '/' throughout, no trailing separator, no "." steps.
std::string Normal(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  for (size_t p; (p = path.find("/./")) != std::string::npos;) path.erase(p, 2);
  if (path.rfind("./", 0) == 0) path.erase(0, 2);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path == "." ? "" : path;
}

std::string Parent(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

Status Busy(const std::string& what, const std::string& path) {
  return Status::Error(what + " " + path + ": the file is in use by another process", SharingViolationCode());
}

Status Missing(const std::string& what, const std::string& path) {
  return Status::Error(what + " " + path + ": No such file or directory", ENOENT);
}

}  // namespace

struct MemoryEnv::Node {
  std::string data;
  FileTime time = 0;
  uint64_t number = 0;  // tells files apart, whatever their names
  int readers = 0, writers = 0, deniesRead = 0, deniesWrite = 0;
  int open() const { return readers; }  // every opener reads
};

class MemoryEnv::MemoryFile final : public File {
 public:
  MemoryFile(MemoryEnv& env, std::shared_ptr<Node> node, bool writes, FileShare share)
      : env_(env), node_(std::move(node)), writes_(writes), share_(share) {
    Claim(+1);
  }
  ~MemoryFile() override {
    std::lock_guard<std::mutex> lock(env_.mutex_);
    Claim(-1);
  }

  Status ReadAt(int64_t offset, void* buf, size_t n, size_t* got) override {
    std::lock_guard<std::mutex> lock(env_.mutex_);
    *got = 0;
    if (offset < 0) return Status::Error("Cannot read at a negative offset", EINVAL);
    const auto size = static_cast<int64_t>(node_->data.size());
    if (offset >= size) return Status::Ok();
    *got = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(n), size - offset));
    std::memcpy(buf, node_->data.data() + offset, *got);
    return Status::Ok();
  }

  Status WriteAt(int64_t offset, const void* buf, size_t n) override {
    std::lock_guard<std::mutex> lock(env_.mutex_);
    if (!writes_) return Status::Error("Cannot write to a file opened for reading", EBADF);
    if (offset < 0 || offset > (int64_t{1} << 31)) return Status::Error("Cannot write so far into a file", EFBIG);
    const auto end = static_cast<size_t>(offset) + n;
    if (node_->data.size() < end) node_->data.resize(end, '\0');
    std::memcpy(node_->data.data() + offset, buf, n);
    node_->time = env_.clock_++;
    return Status::Ok();
  }

  Status Size(int64_t* size) override {
    std::lock_guard<std::mutex> lock(env_.mutex_);
    *size = static_cast<int64_t>(node_->data.size());
    return Status::Ok();
  }

  Status Truncate(int64_t size) override {
    std::lock_guard<std::mutex> lock(env_.mutex_);
    if (!writes_) return Status::Error("Cannot truncate a file opened for reading", EBADF);
    if (size < 0 || size > (int64_t{1} << 31)) return Status::Error("Cannot truncate to that size", EINVAL);
    node_->data.resize(static_cast<size_t>(size), '\0');
    node_->time = env_.clock_++;
    return Status::Ok();
  }

  Status Flush() override { return Status::Ok(); }

  Status Identity(FileIdentity* id) override {
    *id = {0, node_->number};
    return Status::Ok();
  }

 private:
  void Claim(int delta) {
    node_->readers += delta;
    if (writes_) node_->writers += delta;
    if (share_ == FileShare::Exclusive) node_->deniesRead += delta;
    if (share_ != FileShare::ReadWrite) node_->deniesWrite += delta;
  }

  MemoryEnv& env_;
  std::shared_ptr<Node> node_;
  bool writes_;
  FileShare share_;
};

class MemoryEnv::MemoryMappedFile final : public MappedFile {
 public:
  MemoryMappedFile(std::unique_ptr<File> claim, std::string data) : claim_(std::move(claim)), data_(std::move(data)) {}
  const uint8_t* data() const override { return reinterpret_cast<const uint8_t*>(data_.data()); }
  size_t size() const override { return data_.size(); }

 private:
  std::unique_ptr<File> claim_;  // keeps the share claim while mapped
  std::string data_;
};

MemoryEnv::MemoryEnv() = default;
MemoryEnv::~MemoryEnv() = default;

Status MemoryEnv::OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                           std::unique_ptr<File>* file) {
  const std::string p = Normal(path);
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(p);
  if (it == files_.end()) {
    if (create == FileCreate::OpenExisting) return Missing("Cannot open", path);
    const std::string parent = Parent(p);
    if (!parent.empty() && parent != "/" && !folders_.count(parent)) return Missing("Cannot open", path);
    if (p.empty() || folders_.count(p)) return Status::Error("Cannot open " + path + ": Is a directory", EISDIR);
    it = files_.emplace(p, std::make_shared<Node>()).first;
    it->second->time = clock_++;
    it->second->number = nextNumber_++;
  }
  Node& n = *it->second;
  const bool writes = access == FileAccess::ReadWrite;
  if (n.deniesRead || (writes && n.deniesWrite) || (share == FileShare::Exclusive && n.readers) ||
      (share != FileShare::ReadWrite && n.writers))
    return Busy("Cannot open", path);
  if (create == FileCreate::CreateAlways) {
    n.data.clear();
    n.time = clock_++;
  }
  *file = std::make_unique<MemoryFile>(*this, it->second, writes, share);
  return Status::Ok();
}

Status MemoryEnv::MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) {
  std::unique_ptr<File> f;
  Status s = OpenFile(path, FileAccess::Read, FileShare::Read, FileCreate::OpenExisting, &f);
  if (!s) return s;
  int64_t size = 0;
  f->Size(&size);
  if (size <= 0) return Status::Error("Cannot map the empty file " + path);
  std::string data(static_cast<size_t>(size), '\0');
  size_t got = 0;
  if (!(s = f->ReadAt(0, data.data(), data.size(), &got))) return s;
  *mapped = std::make_unique<MemoryMappedFile>(std::move(f), std::move(data));
  return Status::Ok();
}

bool MemoryEnv::FileExists(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  return files_.count(Normal(path)) > 0;
}

bool MemoryEnv::DirectoryExists(const std::string& path) {
  const std::string p = Normal(path);
  std::lock_guard<std::mutex> lock(mutex_);
  return p.empty() || p == "/" || folders_.count(p) > 0;
}

Status MemoryEnv::RemoveFile(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(Normal(path));
  if (it == files_.end()) return Missing("Cannot delete", path);
  if (it->second->open()) return Busy("Cannot delete", path);
  files_.erase(it);
  return Status::Ok();
}

Status MemoryEnv::RenameFile(const std::string& from, const std::string& to) {
  const std::string f = Normal(from), t = Normal(to);
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(f);
  if (it == files_.end()) return Missing("Cannot rename", from);
  if (it->second->open()) return Busy("Cannot rename", from);
  const std::string parent = Parent(t);
  if (!parent.empty() && parent != "/" && !folders_.count(parent)) return Missing("Cannot rename", from);
  auto target = files_.find(t);
  if (target != files_.end() && target->second->open()) return Busy("Cannot rename", from);
  std::shared_ptr<Node> node = it->second;
  files_.erase(it);
  files_[t] = node;
  return Status::Ok();
}

Status MemoryEnv::CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
  if (!overwrite && FileExists(to)) return Status::Error("Cannot copy to " + to + ": the file exists", EEXIST);
  std::string contents;
  Status s = ReadWholeFile(*this, from, &contents);
  if (!s) return s;
  return WriteWholeFile(*this, to, contents);
}

Status MemoryEnv::CreateDirectories(const std::string& path) {
  const std::string p = Normal(path);
  std::lock_guard<std::mutex> lock(mutex_);
  for (size_t i = 1; i <= p.size(); ++i) {
    if (i != p.size() && p[i] != '/') continue;
    const std::string part = p.substr(0, i);
    if (files_.count(part)) return Status::Error("Cannot create the folder " + part + ": a file has that name", EEXIST);
    folders_.insert(part);
  }
  return Status::Ok();
}

Status MemoryEnv::LastWriteTime(const std::string& path, FileTime* time) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(Normal(path));
  if (it == files_.end()) return Missing("Cannot read the time of", path);
  *time = it->second->time;
  return Status::Ok();
}

Status MemoryEnv::IdentityOf(const std::string& path, FileIdentity* id) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(Normal(path));
  if (it == files_.end()) return Missing("Cannot identify", path);
  *id = {0, it->second->number};
  return Status::Ok();
}

Status MemoryEnv::Unlink(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (files_.erase(Normal(path)) == 0) return Missing("Cannot delete", path);
  return Status::Ok();
}

Status MemoryEnv::ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) {
  const std::string dir = Normal(folder);
  std::lock_guard<std::mutex> lock(mutex_);
  if (!dir.empty() && dir != "/" && !folders_.count(dir)) return Missing("Cannot list", folder);
  for (const auto& [path, node] : files_) {
    if (Parent(path) != dir) continue;
    std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    if (MatchesPattern(name, pattern)) names->push_back(name);
  }
  std::sort(names->begin(), names->end());
  return Status::Ok();
}

std::vector<std::string> MemoryEnv::Files() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> paths;
  for (const auto& entry : files_) paths.push_back(entry.first);
  return paths;
}

}  // namespace tq::platform
