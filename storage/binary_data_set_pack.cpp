// TBinaryDataSet: rewriting a closed table's file without its deleted slots.
//
// The table is held exclusively from the first read to the last write, so no
// writer can add a record that the pack would then drop, and nobody reads a
// file half rewritten. The packed copy is written beside the table and then
// copied over it in place, which keeps what the file is (a symbolic link
// still points at it, hard links still share it, its owner and mode stay);
// the table as it was is kept in ",old" until the copy is complete, so a
// failed copy is undone from it.
#include <vector>

#include "storage/binary_data_set.h"
#include "storage/errors.h"

namespace tq::storage {

namespace {

// The work files of a pack, removed when it ends however it ends; ",old" is
// kept when it is the only whole copy of the table.
class PackFiles {
 public:
  PackFiles(platform::Env& env, const std::string& name) : env_(env), old_(name + ",old"), new_(name + ",new") {}
  ~PackFiles() {
    env_.RemoveFile(new_);
    if (!keepOld_) env_.RemoveFile(old_);
  }
  const std::string& oldName() const { return old_; }
  const std::string& newName() const { return new_; }
  void KeepOld() { keepOld_ = true; }

 private:
  platform::Env& env_;
  std::string old_, new_;
  bool keepOld_ = false;
};

// Copies the first size bytes of from over to, and cuts to there.
bool CopyContents(platform::File& from, platform::File& to, int64_t size) {
  std::vector<uint8_t> chunk(1 << 16);
  for (int64_t pos = 0; pos < size;) {
    const size_t n = static_cast<size_t>(std::min<int64_t>(size - pos, static_cast<int64_t>(chunk.size())));
    if (!from.ReadExact(pos, chunk.data(), n) || !to.WriteAt(pos, chunk.data(), n)) return false;
    pos += static_cast<int64_t>(n);
  }
  return to.Truncate(size).ok() && to.Flush().ok();
}

}  // namespace

void TBinaryDataSet::PackTable() {
  CheckInactive();
  const std::string& name = tableName_;
  if (!env_.FileExists(name)) throw EBinaryDataSetError("Table " + name + " does not exist.");
  std::unique_ptr<platform::File> table;
  platform::Status opened = env_.OpenFile(name, platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                                          platform::FileCreate::OpenExisting, &table);
  if (!opened) throw EStreamError("Cannot open file " + name, opened);

  // Only a table file is packed; its slots start where its header says.
  TableLayout layout;
  ReadTableLayout(*table, &layout);
  CheckRecordSize(layout);
  CheckTableSanity(layout);
  const TDataFileHeader& h = layout.header;

  // An encoded table keeps encoded record headers: liveness is decided on
  // them decoded, which needs the password.
  std::string password;
  if (ClassifyCheckBlock(h.PasswordCheck) == CheckBlockState::Protected) {
    if (!OnCryptData)
      throw EBinaryDataSetError("PackTable: The table is protected by a password and cannot be packed without it.");
    if (password_.empty() || passwordFile_ != name) {
      CheckBlock block = h.PasswordCheck;
      if (!RunPasswordDialogue(&block, false, false) || password_.empty())
        throw EBinaryDataSetError("You must enter the password before modifying or viewing this table.");
    }
    password = password_;
  }
  int64_t size = 0;
  if (!table->Size(&size)) throw EStreamError("Stream read error");
  if (h.StartData > size) throw EBinaryDataSetError("PackTable: The file ends before its records start.");

  PackFiles work(env_, name);
  std::unique_ptr<platform::File> old, out;
  if (!env_.OpenFile(work.oldName(), platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                     platform::FileCreate::CreateAlways, &old) ||
      !CopyContents(*table, *old, size))
    throw EStreamError("Cannot create file " + work.oldName());
  if (!env_.OpenFile(work.newName(), platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                     platform::FileCreate::CreateAlways, &out))
    throw EStreamError("Cannot create file " + work.newName());

  // Slots are copied as stored; the first incomplete one ends the copy.
  const auto recordSize = static_cast<size_t>(layout.recordSize);
  std::vector<uint8_t> slot(recordSize);
  int64_t writePos = h.StartData;
  int32_t kept = 0;
  for (int64_t readPos = h.StartData; readPos + layout.recordSize <= size; readPos += layout.recordSize) {
    if (!table->ReadExact(readPos, slot.data(), recordSize)) throw EStreamError("Stream read error");
    uint8_t rh[kRecordHeaderSize];
    std::copy(slot.begin(), slot.begin() + kRecordHeaderSize, rh);
    if (!password.empty()) OnCryptData(rh, kRecordHeaderSize, password, true);
    if (DecodeRecordHeader(rh).NextFree != 0) continue;
    if (!out->WriteAt(writePos, slot.data(), recordSize)) throw EStreamError("Stream write error");
    writePos += layout.recordSize;
    ++kept;
  }

  // Header with an empty free list, then the descriptors (and anything up to
  // StartData) unchanged. The count is the records actually kept, so the
  // packed file always passes the size check.
  TDataFileHeader packed = h;
  packed.DeletedCount = 0;
  packed.FirstFree = -1;
  packed.RecordCount = kept;
  std::vector<uint8_t> prefix(static_cast<size_t>(h.StartData));
  if (!table->ReadExact(0, prefix.data(), prefix.size())) throw EStreamError("Stream read error");
  EncodeHeader(packed, prefix.data());
  if (!out->WriteAt(0, prefix.data(), prefix.size()) || !out->Flush()) throw EStreamError("Stream write error");

  // Until here the table is untouched. A copy that fails is undone from
  // ",old"; should that fail too, ",old" stays as the one whole copy.
  if (!CopyContents(*out, *table, writePos)) {
    if (!CopyContents(*old, *table, size)) {
      work.KeepOld();
      throw EStreamError("Stream write error; the table as it was before the pack is kept in " + work.oldName());
    }
    throw EStreamError("Stream write error");
  }
}

}  // namespace tq::storage
