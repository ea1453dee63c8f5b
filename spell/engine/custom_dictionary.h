// TCustomDictionary: the user's own editable word store: added words ("I"),
// excluded words ("E") and auto-correct pairs ("A") in one open-addressing
// hash table over a byte buffer of records. Files (".adu", ".adl") hold the
// table and buffer as they are, so loading is a few bulk reads. Without a
// file name a dictionary lives in memory only.
//
// Several objects may share one file: a save that finds the file changed on
// disk since it was loaded replays only this object's logged changes onto
// the newer file instead of overwriting it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"

namespace tq::spell {

// The first 119 bytes of every user dictionary file: five lines, each ended
// by CR LF, the last one empty.
inline constexpr std::string_view kUserDictionarySignature =
    "Tavrin Quillet Word List Version 4.0\r\n"
    "Added, excluded and auto-correct words\r\n"
    "Hashed records little-endian\r\n"
    "Morvane\r\n"
    "\r\n";
static_assert(kUserDictionarySignature.size() == 119);

class TCustomDictionary {
 public:
  // Entry kinds, stored as the record's type byte.
  static constexpr char kIgnore = 'I';
  static constexpr char kExclude = 'E';
  static constexpr char kAutoCorrect = 'A';
  static constexpr char kAnyKind = '*';
  // Word plus replacement must be shorter than this.
  static constexpr size_t kMaxEntryLength = 501;

  explicit TCustomDictionary(platform::Env& env = platform::Env::Default());
  // Unloads, which saves pending changes.
  virtual ~TCustomDictionary();
  TCustomDictionary(const TCustomDictionary&) = delete;
  TCustomDictionary& operator=(const TCustomDictionary&) = delete;

  // Takes path when it is a user dictionary file, or missing but creatable,
  // or empty (memory only); the old file is saved first.
  virtual void WriteFilename(const std::string& path);
  const std::string& ReadFilename() const { return filename_; }
  virtual void WriteLoaded(bool loaded);
  bool ReadLoaded() const { return loaded_; }
  bool ReadModified() const { return modified_; }
  void WriteModified(bool modified) { modified_ = modified; }
  virtual int ReadIgnoreCount();
  virtual int ReadExcludeCount();
  virtual int ReadAutoCorrectCount();
  // Opens path for reading (others may read) and checks its signature; with
  // keepOpen the open file goes to *handle. A file that cannot be opened
  // answers whether path is empty or could be created.
  virtual bool IsCustomDictionary(const std::string& path, bool keepOpen, std::unique_ptr<platform::File>* handle);
  // Writes the whole dictionary to path; failures are silent and leave an
  // existing file as it was.
  virtual void SaveDictionary(const std::string& path);

  virtual void Save();
  virtual void SaveAs(const std::string& path);
  // Index-th entry of a kind in slot order; empty texts when out of range.
  virtual void GetIgnoreWord(int index, std::string& word);
  virtual void GetExcludeWord(int index, std::string& word);
  virtual void GetAutoCorrectWord(int index, std::string& word, std::string& replacement);
  virtual bool IgnoreExists(std::string_view word);
  virtual bool ExcludeExists(std::string_view word);
  virtual bool AutoCorrectExists(std::string_view word, std::string& replacement);
  virtual bool AddIgnore(std::string_view word);
  virtual bool AddExclude(std::string_view word);
  virtual bool AddAutoCorrect(std::string_view word, std::string_view replacement);
  virtual bool RemoveIgnore(std::string_view word);
  virtual bool RemoveExclude(std::string_view word);
  virtual bool RemoveAutoCorrect(std::string_view word);
  // Empties the dictionary in memory without marking it modified.
  virtual void RemoveAll();

  int ReadWordCount() const { return wordCount_; }
  int ReadTableSize() const { return static_cast<int>(table_.size()); }

 protected:
  virtual void LoadDictionary(platform::File& handle);
  virtual void AddToIndexList(char kind, int32_t entry);
  virtual void SetupIndexLists();
  // The zero-terminated text at a buffer offset (empty outside the buffer).
  virtual std::string_view StringFromStreamPos(int32_t entry) const;
  // The replacement of the auto-correct record at entry, within the record.
  std::string_view ReplacementOf(int32_t entry, size_t wordSize) const;
  virtual bool FindWord(char kind, std::string_view word, int32_t* entry, int32_t* slot);
  virtual void AppendBuffer(const char* bytes, size_t length);
  virtual bool InternalHash(std::vector<int32_t>& table, std::string_view word, int32_t entry);
  virtual void AddHash(std::string_view word, int32_t entry);
  virtual bool AddWord(char kind, std::string_view word, std::string_view replacement);
  virtual bool RemoveWord(char kind, std::string_view word);
  // A new, empty dictionary of the same class (for the merge in Save).
  virtual std::unique_ptr<TCustomDictionary> CreateInstance();

  platform::Env& env() { return env_; }

 private:
  struct ChangeLog {
    std::vector<std::string> added, excluded, autoCorrect, autoCorrectReplacement;
    std::vector<std::string> removedAdded, removedExcluded, removedAutoCorrect;
    void Clear() { *this = ChangeLog{}; }
  };

  // What the dictionary keeps for one entry kind: its count, its index list
  // and its change logs of words entered and removed.
  struct KindLists {
    int32_t* count;
    std::vector<int32_t>* index;
    std::vector<std::string>* entered;
    std::vector<std::string>* removed;
  };
  // None for a type byte that names no kind (a damaged record).
  std::optional<KindLists> ListsOf(char kind);

  void EnsureLoaded();
  void Empty();
  bool ParseFile(const std::string& bytes);
  bool AddKind(char kind, std::string_view word, std::string_view replacement);
  bool RemoveKind(char kind, std::string_view word);
  void GetKindWord(const std::vector<int32_t>& list, int index, std::string& word, std::string* replacement);

  platform::Env& env_;
  std::string filename_;
  bool loaded_ = false;
  bool modified_ = false;
  // What the file was when it was loaded: a save compares all three, since
  // two saves within one tick of the file clock leave the same time.
  platform::FileTime fileTime_ = 0;
  int64_t fileSize_ = -1;
  uint64_t fileFingerprint_ = 0;

  int32_t ignoreCount_ = 0;
  int32_t excludeCount_ = 0;
  int32_t autoCorrectCount_ = 0;
  int32_t wordCount_ = 0;
  int32_t removedSlots_ = 0;  // slots holding -1; they count toward growth
  std::vector<char> buffer_;  // the records; size() is U
  // Entry values of the records known to start in the buffer, ascending: a
  // text read from a record never runs on into the next one, even when its
  // zero byte is missing.
  std::vector<int32_t> recordStarts_;
  size_t RecordEnd(int32_t entry) const;
  std::string_view TextWithin(size_t at, size_t end) const;
  std::vector<int32_t> table_;
  std::vector<int32_t> ignoreIndex_, excludeIndex_, autoCorrectIndex_;
  bool indexUpToDate_ = false;
  bool tracking_ = false;
  ChangeLog log_;
};

}  // namespace tq::spell
