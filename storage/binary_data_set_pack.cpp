// TBinaryDataSet: rewriting a closed table's file without its deleted slots.
#include <vector>

#include "storage/binary_data_set.h"
#include "storage/errors.h"

namespace tq::storage {

namespace {

// Removes the work files of a pack when it ends, however it ends.
class PackFiles {
 public:
  PackFiles(platform::Env& env, const std::string& name) : env_(env), old_(name + ",old"), new_(name + ",new") {}
  ~PackFiles() {
    env_.RemoveFile(new_);
    env_.RemoveFile(old_);
  }
  const std::string& oldName() const { return old_; }
  const std::string& newName() const { return new_; }

 private:
  platform::Env& env_;
  std::string old_, new_;
};

}  // namespace

void TBinaryDataSet::PackTable() {
  CheckInactive();
  const std::string& name = tableName_;
  if (!env_.FileExists(name)) throw EBinaryDataSetError("Table " + name + " does not exist.");
  PackFiles work(env_, name);
  if (!env_.CopyFileTo(name, work.oldName(), true)) throw EStreamError("Cannot create file " + work.oldName());
  std::unique_ptr<platform::File> in, out;
  if (!env_.OpenFile(work.oldName(), platform::FileAccess::Read, platform::FileShare::Exclusive,
                     platform::FileCreate::OpenExisting, &in))
    throw EStreamError("Cannot open file " + work.oldName());

  // Only a table file is packed; its slots start where its header says.
  TableLayout layout;
  ReadTableLayout(*in, &layout);
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

  if (!env_.OpenFile(work.newName(), platform::FileAccess::ReadWrite, platform::FileShare::Exclusive,
                     platform::FileCreate::CreateAlways, &out))
    throw EStreamError("Cannot create file " + work.newName());
  int64_t size = 0;
  if (!in->Size(&size)) throw EStreamError("Stream read error");
  if (h.StartData > size) throw EBinaryDataSetError("PackTable: The file ends before its records start.");

  // Slots are copied as stored; the first incomplete one ends the copy.
  const auto recordSize = static_cast<size_t>(layout.recordSize);
  std::vector<uint8_t> slot(recordSize);
  int64_t writePos = h.StartData;
  int32_t kept = 0;
  for (int64_t readPos = h.StartData; readPos + layout.recordSize <= size; readPos += layout.recordSize) {
    size_t got = 0;
    if (!in->ReadAt(readPos, slot.data(), recordSize, &got) || got != recordSize)
      throw EStreamError("Stream read error");
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
  if (!in->ReadExact(0, prefix.data(), prefix.size())) throw EStreamError("Stream read error");
  EncodeHeader(packed, prefix.data());
  if (!out->WriteAt(0, prefix.data(), prefix.size()) || !out->Flush()) throw EStreamError("Stream write error");
  in.reset();
  out.reset();
  // The packed file takes the table's place in one step; until then the
  // table is untouched.
  platform::Status s = env_.RenameFile(work.newName(), name);
  if (!s) throw EStreamError("Cannot create file " + name);
}

}  // namespace tq::storage
