#include "spell/engine/custom_dictionary.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "spell/engine/control_text.h"
#include "spell/engine/dictionary_hash.h"
#include "spell/engine/file_checks.h"

namespace tq::spell {

namespace {

constexpr size_t kSignatureBytes = 120;  // the signature and its zero byte
constexpr size_t kCountsOffset = 121;
constexpr size_t kTableOffset = 141;
constexpr size_t kBufferUnit = 65535;

void Put32(std::string& s, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) s += static_cast<char>((u >> (8 * i)) & 0xFF);
}

int32_t Get32(const std::string& s, size_t at) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(static_cast<uint8_t>(s[at + i])) << (8 * i);
  return static_cast<int32_t>(u);
}

uint64_t Fingerprint(const std::string& bytes) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (char c : bytes) h = (h ^ static_cast<uint8_t>(c)) * 1099511628211ull;
  return h;
}

bool ReadAll(platform::File& file, std::string* bytes) {
  int64_t size = 0;
  if (!file.Size(&size) || size < 0) return false;
  bytes->assign(static_cast<size_t>(size), '\0');
  return size == 0 || file.ReadExact(0, bytes->data(), bytes->size());
}

}  // namespace

TCustomDictionary::TCustomDictionary(platform::Env& env) : env_(env) {}

TCustomDictionary::~TCustomDictionary() { WriteLoaded(false); }

bool TCustomDictionary::IsCustomDictionary(const std::string& path, bool keepOpen,
                                           std::unique_ptr<platform::File>* handle) {
  if (handle) handle->reset();
  std::unique_ptr<platform::File> file;
  if (path.empty() || !env_.OpenFile(path, platform::FileAccess::Read, platform::FileShare::Read,
                                     platform::FileCreate::OpenExisting, &file))
    return path.empty() || CanFileBeWritten(env_, path, true);
  char head[kSignatureBytes + 1] = {};
  size_t got = 0;
  if (!file->ReadAt(0, head, sizeof head, &got) || got < kSignatureBytes) return false;
  if (std::memcmp(head, kUserDictionarySignature.data(), kUserDictionarySignature.size()) != 0 ||
      head[kUserDictionarySignature.size()] != '\0')
    return false;
  if (keepOpen && handle) *handle = std::move(file);
  return true;
}

void TCustomDictionary::WriteFilename(const std::string& path) {
  std::unique_ptr<platform::File> handle;
  if (!IsCustomDictionary(path, false, &handle)) return;
  const bool wasLoaded = loaded_;
  WriteLoaded(false);
  filename_ = path;
  tracking_ = !path.empty();
  if (wasLoaded) WriteLoaded(true);
}

void TCustomDictionary::WriteLoaded(bool loaded) {
  if (!loaded) {
    if (!loaded_) return;
    if (modified_) Save();
    Empty();
    loaded_ = false;
    modified_ = false;
    return;
  }
  if (loaded_) return;
  loaded_ = true;
  if (filename_.empty()) return;
  std::unique_ptr<platform::File> handle;
  if (!IsCustomDictionary(filename_, true, &handle)) {
    loaded_ = false;
    Empty();
    return;
  }
  if (!handle) {
    // Not there yet: written at the next save.
    fileTime_ = 0;
    fileSize_ = -1;
    fileFingerprint_ = 0;
    modified_ = true;
    return;
  }
  if (!env_.LastWriteTime(filename_, &fileTime_)) fileTime_ = 0;
  LoadDictionary(*handle);
}

void TCustomDictionary::EnsureLoaded() {
  if (!loaded_) WriteLoaded(true);
}

void TCustomDictionary::Empty() {
  ignoreCount_ = excludeCount_ = autoCorrectCount_ = wordCount_ = removedSlots_ = 0;
  buffer_ = {};
  recordStarts_ = {};
  table_ = {};
  ignoreIndex_ = excludeIndex_ = autoCorrectIndex_ = {};
  indexUpToDate_ = false;
  log_.Clear();
}

void TCustomDictionary::LoadDictionary(platform::File& handle) {
  std::string bytes;
  if (!ReadAll(handle, &bytes)) bytes.clear();
  fileSize_ = static_cast<int64_t>(bytes.size());
  fileFingerprint_ = Fingerprint(bytes);
  if (!ParseFile(bytes)) Empty();
}

bool TCustomDictionary::ParseFile(const std::string& bytes) {
  Empty();
  if (bytes.size() < kTableOffset) return false;
  // The stored counts are not trusted: they are counted again from the table.
  const int32_t n = Get32(bytes, kCountsOffset + 16);
  if (n != 0 && !IsTableSize(n)) return false;
  if (static_cast<uint64_t>(n) * 4 + 4 > bytes.size() - kTableOffset) return false;
  const size_t bufferAt = kTableOffset + static_cast<size_t>(n) * 4 + 4;
  const int32_t used = Get32(bytes, bufferAt - 4);
  if (used < 0 || static_cast<uint64_t>(used) > bytes.size() - bufferAt) return false;
  buffer_.reserve(static_cast<size_t>(used) / kBufferUnit * kBufferUnit + kBufferUnit);
  buffer_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(bufferAt),
                 bytes.begin() + static_cast<std::ptrdiff_t>(bufferAt) + used);
  table_.resize(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    int32_t v = Get32(bytes, kTableOffset + 4 * static_cast<size_t>(i));
    // An entry pointing outside the records is damage: the slot reads empty.
    if (v < -1 || v >= used) v = 0;
    table_[i] = v;
    if (v == -1) ++removedSlots_;
    if (v <= 0) continue;
    recordStarts_.push_back(v);
    ++wordCount_;
    if (const auto lists = ListsOf(buffer_[v - 1])) ++*lists->count;
  }
  std::sort(recordStarts_.begin(), recordStarts_.end());
  recordStarts_.erase(std::unique(recordStarts_.begin(), recordStarts_.end()), recordStarts_.end());
  return true;
}

void TCustomDictionary::SaveDictionary(const std::string& path) {
  std::string image(kUserDictionarySignature);
  image += '\0';
  image += '\x1A';
  Put32(image, ignoreCount_);
  Put32(image, excludeCount_);
  Put32(image, autoCorrectCount_);
  Put32(image, wordCount_);
  Put32(image, static_cast<int32_t>(table_.size()));
  for (int32_t v : table_) Put32(image, v);
  Put32(image, static_cast<int32_t>(buffer_.size()));
  image.append(buffer_.data(), buffer_.size());

  // Written beside the file and renamed over it, so a write that fails half
  // way leaves the old file whole.
  const std::string temp = path + ".new";
  std::unique_ptr<platform::File> file;
  if (env_.OpenFile(temp, platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                    platform::FileCreate::CreateAlways, &file)) {
    const bool written = file->WriteAt(0, image.data(), image.size()) && file->Flush();
    file.reset();
    if (written && env_.RenameFile(temp, path)) return;
    env_.RemoveFile(temp);
    if (!written) return;
  }
  // No room for a second file beside it, or the old one cannot be replaced
  // while others read it: write in place.
  if (!env_.OpenFile(path, platform::FileAccess::ReadWrite, platform::FileShare::Read,
                     platform::FileCreate::CreateAlways, &file))
    return;
  if (file->WriteAt(0, image.data(), image.size())) file->Flush();
}

void TCustomDictionary::Save() {
  if (!modified_ || filename_.empty()) return;
  std::unique_ptr<platform::File> handle;
  if (!IsCustomDictionary(filename_, true, &handle)) return;
  bool unchanged = true;
  if (handle) {
    platform::FileTime now = 0;
    std::string bytes;
    const bool timed = static_cast<bool>(env_.LastWriteTime(filename_, &now));
    unchanged = timed && now == fileTime_ && ReadAll(*handle, &bytes) &&
                static_cast<int64_t>(bytes.size()) == fileSize_ && Fingerprint(bytes) == fileFingerprint_;
    handle.reset();
  }
  if (unchanged) {
    SaveDictionary(filename_);
  } else {
    std::unique_ptr<TCustomDictionary> newer = CreateInstance();
    newer->WriteFilename(filename_);
    newer->WriteLoaded(true);
    for (const std::string& w : log_.added) newer->AddIgnore(w);
    for (const std::string& w : log_.excluded) newer->AddExclude(w);
    for (size_t i = 0; i < log_.autoCorrect.size(); ++i)
      newer->AddAutoCorrect(log_.autoCorrect[i], log_.autoCorrectReplacement[i]);
    for (const std::string& w : log_.removedAdded) newer->RemoveIgnore(w);
    for (const std::string& w : log_.removedExcluded) newer->RemoveExclude(w);
    for (const std::string& w : log_.removedAutoCorrect) newer->RemoveAutoCorrect(w);
    newer->Save();
  }
  modified_ = false;
  log_.Clear();
}

void TCustomDictionary::SaveAs(const std::string& path) {
  EnsureLoaded();
  SaveDictionary(path);
}

std::unique_ptr<TCustomDictionary> TCustomDictionary::CreateInstance() {
  return std::make_unique<TCustomDictionary>(env_);
}

size_t TCustomDictionary::RecordEnd(int32_t entry) const {
  // Up to the type byte of the next record at most.
  const auto next = std::upper_bound(recordStarts_.begin(), recordStarts_.end(), entry);
  return next == recordStarts_.end() ? buffer_.size() : static_cast<size_t>(*next - 1);
}

std::string_view TCustomDictionary::TextWithin(size_t at, size_t end) const {
  if (at >= end || end > buffer_.size()) return {};
  const char* start = buffer_.data() + at;
  const void* zero = std::memchr(start, '\0', end - at);
  return std::string_view(start, zero ? static_cast<size_t>(static_cast<const char*>(zero) - start) : end - at);
}

std::string_view TCustomDictionary::StringFromStreamPos(int32_t entry) const {
  if (entry < 0 || static_cast<size_t>(entry) >= buffer_.size()) return {};
  return TextWithin(static_cast<size_t>(entry), RecordEnd(entry));
}

std::string_view TCustomDictionary::ReplacementOf(int32_t entry, size_t wordSize) const {
  if (entry < 0) return {};
  return TextWithin(static_cast<size_t>(entry) + wordSize + 1, RecordEnd(entry));
}

bool TCustomDictionary::FindWord(char kind, std::string_view word, int32_t* entry, int32_t* slot) {
  EnsureLoaded();
  const auto n = static_cast<int32_t>(table_.size());
  if (n == 0 || word.find('\0') != std::string_view::npos) return false;
  int32_t i = HashString(word, n);
  const int32_t step = SecondaryHash(i);
  // At most n probes: a table full of live and removed slots still ends.
  for (int32_t probe = 0; probe < n; ++probe) {
    const int32_t v = table_[i];
    if (v == 0) return false;
    if (v > 0 && StringFromStreamPos(v) == word) {
      if (kind != kAnyKind && buffer_[v - 1] != kind) return false;
      if (entry) *entry = v;
      if (slot) *slot = i;
      return true;
    }
    i = static_cast<int32_t>((static_cast<int64_t>(i) + step) % n);
  }
  return false;
}

void TCustomDictionary::AppendBuffer(const char* bytes, size_t length) {
  while (length >= buffer_.capacity() - buffer_.size()) buffer_.reserve(buffer_.capacity() + kBufferUnit);
  buffer_.insert(buffer_.end(), bytes, bytes + length);
}

bool TCustomDictionary::InternalHash(std::vector<int32_t>& table, std::string_view word, int32_t entry) {
  const auto n = static_cast<int32_t>(table.size());
  if (n == 0) return false;
  int32_t i = HashString(word, n);
  if (table[i] > 0) {
    const int32_t step = SecondaryHash(i);
    int32_t probe = 0;
    do {
      i = static_cast<int32_t>((static_cast<int64_t>(i) + step) % n);
      if (++probe >= n) return false;
    } while (table[i] != 0);
  }
  if (table[i] == -1 && &table == &table_) --removedSlots_;
  table[i] = entry;
  return true;
}

void TCustomDictionary::AddHash(std::string_view word, int32_t entry) {
  const auto n = static_cast<int64_t>(table_.size());
  // Removed slots count too: only empty slots end a probe.
  if (4 * (static_cast<int64_t>(wordCount_) + removedSlots_) >= n) {
    const int32_t size =
        4 * static_cast<int64_t>(wordCount_) >= n ? GetNextPrime(static_cast<int32_t>(n)) : static_cast<int32_t>(n);
    std::vector<int32_t> grown(static_cast<size_t>(size), 0);
    for (int32_t v : table_)
      if (v > 0) InternalHash(grown, StringFromStreamPos(v), v);
    table_ = std::move(grown);
    removedSlots_ = 0;
    indexUpToDate_ = false;
  }
  InternalHash(table_, word, entry);
}

bool TCustomDictionary::AddWord(char kind, std::string_view word, std::string_view replacement) {
  EnsureLoaded();
  if (kind != kAutoCorrect) replacement = {};
  if (word.size() + replacement.size() >= kMaxEntryLength) return false;
  // A zero byte would end the stored text early and the word could never be
  // found again.
  if (word.empty() || word.find('\0') != std::string_view::npos || replacement.find('\0') != std::string_view::npos)
    return false;
  // A stand-in for a character the file's code page cannot hold.
  if (HoldsForeignUnit(word) || HoldsForeignUnit(replacement)) return false;
  if (FindWord(kAnyKind, word, nullptr, nullptr)) return false;
  std::string record(1, kind);
  record.append(word);
  record += '\0';
  if (kind == kAutoCorrect) {
    record.append(replacement);
    record += '\0';
  }
  if (buffer_.size() + record.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max())) return false;
  const auto entry = static_cast<int32_t>(buffer_.size() + 1);
  AppendBuffer(record.data(), record.size());
  recordStarts_.push_back(entry);  // the buffer only grows: still ascending
  ++wordCount_;
  AddHash(word, entry);
  if (indexUpToDate_) AddToIndexList(kind, entry);
  return true;
}

bool TCustomDictionary::RemoveWord(char kind, std::string_view word) {
  int32_t slot = 0;
  if (!FindWord(kind, word, nullptr, &slot)) return false;
  indexUpToDate_ = false;
  table_[slot] = -1;
  ++removedSlots_;
  --wordCount_;
  return true;
}

std::optional<TCustomDictionary::KindLists> TCustomDictionary::ListsOf(char kind) {
  switch (kind) {
    case kIgnore:
      return KindLists{&ignoreCount_, &ignoreIndex_, &log_.added, &log_.removedAdded};
    case kExclude:
      return KindLists{&excludeCount_, &excludeIndex_, &log_.excluded, &log_.removedExcluded};
    case kAutoCorrect:
      return KindLists{&autoCorrectCount_, &autoCorrectIndex_, &log_.autoCorrect, &log_.removedAutoCorrect};
    default:
      return std::nullopt;
  }
}

void TCustomDictionary::AddToIndexList(char kind, int32_t entry) {
  if (const auto lists = ListsOf(kind)) lists->index->push_back(entry);
}

void TCustomDictionary::SetupIndexLists() {
  if (indexUpToDate_) return;
  EnsureLoaded();
  ignoreIndex_.clear();
  excludeIndex_.clear();
  autoCorrectIndex_.clear();
  ignoreIndex_.reserve(static_cast<size_t>(std::max(ignoreCount_, 0)) + 256);
  excludeIndex_.reserve(static_cast<size_t>(std::max(excludeCount_, 0)) + 256);
  autoCorrectIndex_.reserve(static_cast<size_t>(std::max(autoCorrectCount_, 0)) + 256);
  for (int32_t v : table_)
    if (v > 0) AddToIndexList(buffer_[v - 1], v);
  indexUpToDate_ = true;
}

bool TCustomDictionary::AddKind(char kind, std::string_view word, std::string_view replacement) {
  const auto lists = ListsOf(kind);
  if (!lists || !AddWord(kind, word, replacement)) return false;
  if (tracking_) {
    lists->entered->emplace_back(word);
    if (kind == kAutoCorrect) log_.autoCorrectReplacement.emplace_back(replacement);
  }
  modified_ = true;
  ++*lists->count;
  return true;
}

bool TCustomDictionary::RemoveKind(char kind, std::string_view word) {
  const auto lists = ListsOf(kind);
  if (!lists || !RemoveWord(kind, word)) return false;
  if (tracking_) lists->removed->emplace_back(word);
  modified_ = true;
  --*lists->count;
  return true;
}

bool TCustomDictionary::AddIgnore(std::string_view word) { return AddKind(kIgnore, word, {}); }
bool TCustomDictionary::AddExclude(std::string_view word) { return AddKind(kExclude, word, {}); }
bool TCustomDictionary::AddAutoCorrect(std::string_view word, std::string_view replacement) {
  return AddKind(kAutoCorrect, word, replacement);
}
bool TCustomDictionary::RemoveIgnore(std::string_view word) { return RemoveKind(kIgnore, word); }
bool TCustomDictionary::RemoveExclude(std::string_view word) { return RemoveKind(kExclude, word); }
bool TCustomDictionary::RemoveAutoCorrect(std::string_view word) { return RemoveKind(kAutoCorrect, word); }

bool TCustomDictionary::IgnoreExists(std::string_view word) { return FindWord(kIgnore, word, nullptr, nullptr); }
bool TCustomDictionary::ExcludeExists(std::string_view word) { return FindWord(kExclude, word, nullptr, nullptr); }

bool TCustomDictionary::AutoCorrectExists(std::string_view word, std::string& replacement) {
  int32_t entry = 0;
  if (!FindWord(kAutoCorrect, word, &entry, nullptr)) return false;
  replacement.assign(ReplacementOf(entry, word.size()));
  return true;
}

void TCustomDictionary::RemoveAll() {
  EnsureLoaded();
  Empty();
}

int TCustomDictionary::ReadIgnoreCount() {
  SetupIndexLists();
  return static_cast<int>(ignoreIndex_.size());
}

int TCustomDictionary::ReadExcludeCount() {
  SetupIndexLists();
  return static_cast<int>(excludeIndex_.size());
}

int TCustomDictionary::ReadAutoCorrectCount() {
  SetupIndexLists();
  return static_cast<int>(autoCorrectIndex_.size());
}

void TCustomDictionary::GetKindWord(const std::vector<int32_t>& list, int index, std::string& word,
                                    std::string* replacement) {
  word.clear();
  if (replacement) replacement->clear();
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return;
  const int32_t entry = list[static_cast<size_t>(index)];
  word.assign(StringFromStreamPos(entry));
  if (replacement) replacement->assign(ReplacementOf(entry, word.size()));
}

void TCustomDictionary::GetIgnoreWord(int index, std::string& word) {
  SetupIndexLists();
  GetKindWord(ignoreIndex_, index, word, nullptr);
}

void TCustomDictionary::GetExcludeWord(int index, std::string& word) {
  SetupIndexLists();
  GetKindWord(excludeIndex_, index, word, nullptr);
}

void TCustomDictionary::GetAutoCorrectWord(int index, std::string& word, std::string& replacement) {
  SetupIndexLists();
  GetKindWord(autoCorrectIndex_, index, word, &replacement);
}

}  // namespace tq::spell
