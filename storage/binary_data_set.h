// TBinaryDataSet: the table object over one table file. It creates, opens and
// packs the file, walks the live records in slot order with a cursor (and a
// filter), keeps one record buffer being added or changed (Browse, Insert and
// Edit states), gives the fields by name, bookmarks, an in-place sort and
// password protection through the owner's encoding hook.
//
// Nothing is cached beyond the one record buffer: every movement reads slots,
// every stored change is written at once and every change of a count or of
// the free list rewrites the 48-byte header. Failures are raised as
// EBinaryDataSetError (the engine's own messages) or as the component
// library's EDatabaseError, EStreamError, EConvertError and EAssertionFailed
// (storage/errors.h).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/env.h"
#include "storage/field.h"
#include "storage/field_types.h"
#include "storage/file_format.h"
#include "storage/table_layout.h"

namespace tq::storage {

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
enum TDataAction { daFail, daAbort, daRetry };

class TBinaryDataSet;

// Encodes (reading false) or decodes (reading true) bufferSize bytes in place.
// The transform must treat the first 8 bytes of a slot alike whether it gets
// the whole slot or those 8 bytes alone.
using TCryptEvent = std::function<void(uint8_t* buffer, int bufferSize, const std::string& password, bool reading)>;
// The password dialogue: handled is true on entry; clearing it cancels.
// creating: a new password is to be chosen.
using TPasswordEvent = std::function<void(std::string& password, bool& handled, bool creating)>;
using TDataSetNotifyEvent = std::function<void(TBinaryDataSet&)>;
using TFilterRecordEvent = std::function<void(TBinaryDataSet& dataSet, bool& accept)>;
using TDataSetErrorEvent =
    std::function<void(TBinaryDataSet& dataSet, const std::exception& error, TDataAction& action)>;
// Shows a message to the user (a message box in the program).
using TMessageEvent = std::function<void(const std::string& message)>;

struct TFieldDef {
  std::string Name;
  TFieldType DataType = ftUnknown;
  int32_t Size = 0;
  bool Required = false;
  int32_t Precision = 0;
};

// The slot number of a record.
using TBookmark = int32_t;

class TBinaryDataSet {
 public:
  explicit TBinaryDataSet(platform::Env& env = platform::Env::Default());
  ~TBinaryDataSet();
  TBinaryDataSet(const TBinaryDataSet&) = delete;
  TBinaryDataSet& operator=(const TBinaryDataSet&) = delete;

  // --- Properties ---
  const std::string& TableName() const { return tableName_; }
  void SetTableName(const std::string& name);  // the table must be closed
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);  // the table must be closed
  bool Active() const { return state_ != dsInactive; }
  void SetActive(bool active);
  void Open();
  void Close();
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { filter_ = filter; }  // used from the next movement on
  bool Filtered() const { return filtered_; }
  void SetFiltered(bool filtered) { filtered_ = filtered; }
  TDataSetState State() const { return state_; }
  bool Modified() const { return modified_; }
  int32_t RecordCount() const;  // live records; the table must be open
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  bool IsEmpty() const { return Active() && !hasRecord_ && state_ != dsInsert; }
  // The current record's slot plus 1 (1 before the first slot).
  int32_t RecNo() const;
  // Goes to slot value - 1, or the nearest acceptable record after it, else
  // before it. Values outside 1 to the number of slots are ignored.
  void SetRecNo(int32_t value);
  // The header as the engine keeps it (the table must be open).
  const TDataFileHeader& Header() const;
  int32_t RecordSize() const { return static_cast<int32_t>(layout_.recordSize); }

  // --- Fields ---
  // Definitions read by the last open (kept after closing) or set by the
  // caller for CreateTable. Change them while the table is closed.
  std::vector<TFieldDef>& FieldDefs() { return fieldDefs_; }
  const std::vector<TFieldDef>& FieldDefs() const { return fieldDefs_; }
  // Declares a field before opening; opening binds it by name and type.
  TField& AddField(const std::string& name, TFieldType type, int32_t size = 0);
  void ClearFields();
  int FieldCount() const { return static_cast<int>(Fields().size()); }
  TField& Field(int index);                      // "List index out of bounds (n)" outside 0 to FieldCount() - 1
  TField* FindField(const std::string& name);    // letter case is ignored
  TField& FieldByName(const std::string& name);  // "Field 'X' not found"

  // --- File ---
  // Whether TableName still names the file the open table has open (Same
  // when the table is closed). Every write checks it first.
  platform::FileAtPath FileAtTableName();
  void CreateTable();
  void PackTable();

  // --- Cursor ---
  // Each settles a pending record first: stored when a field was written,
  // dropped otherwise.
  void First();
  void Next();
  void Prior();
  void Last();
  // Moves n records (back for negative n), stops at either end; returns the
  // signed number of records moved.
  int MoveBy(int n);
  TBookmark GetBookmark() const;
  void GotoBookmark(TBookmark bookmark);

  // --- Changes ---
  void Insert();
  void Append();
  void Edit();
  void Post();
  void Cancel();
  void Delete();

  // --- Sort and password protection ---
  void SortTable(const std::vector<std::string>& fieldNames);
  bool GetPassword();
  bool ChangePassword();
  void Lock();

  // --- Hooks ---
  TCryptEvent OnCryptData;
  TPasswordEvent OnGetPassword;
  TFilterRecordEvent OnFilterRecord;
  TMessageEvent OnMessage;
  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
  TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
  TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
  TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
  TDataSetNotifyEvent OnNewRecord, OnCalcFields;
  TDataSetErrorEvent OnPostError, OnEditError, OnDeleteError;

 private:
  friend class TField;
  enum class Fetch { Current, Next, Prior };

  // binary_data_set.cpp
  const std::vector<std::unique_ptr<TField>>& Fields() const { return declared_.empty() ? defaults_ : declared_; }
  void CheckActive() const;
  void CheckInactive() const;
  void Notify(const TDataSetNotifyEvent& hook);
  void ShowMessage(const std::string& message);
  void OpenFile();
  // Before every change of the file: its name must still name the file the
  // table opened, or nothing is written (ETableFileChanged).
  void CheckFileUnchanged();
  void BindFields();
  void UnbindFields();
  const uint8_t* RecordForRead() const;
  uint8_t* RecordForWrite();

  // binary_data_set_io.cpp: the slots and the header on disk.
  int64_t SlotCount() const { return layout_.SlotCount(); }
  bool Encoding() const { return OnCryptData && !password_.empty(); }
  void Crypt(uint8_t* buffer, size_t size, const std::string& password, bool reading);
  // Every write of the open file goes through here, and checks the file
  // first unless a whole-table rewrite has checked it once for all its
  // writes (BulkWrite).
  void WriteToFile(int64_t offset, const void* data, size_t size);
  // A sort or a re-encoding rewrites every slot: the file is checked once
  // before, as checking it before each of those writes (opening it by name)
  // would cost more than the writes.
  class BulkWrite {
   public:
    explicit BulkWrite(TBinaryDataSet& table) : table_(table) {
      table_.CheckFileUnchanged();
      table_.fileCheckedForBulk_ = true;
    }
    ~BulkWrite() { table_.fileCheckedForBulk_ = false; }
    BulkWrite(const BulkWrite&) = delete;
    BulkWrite& operator=(const BulkWrite&) = delete;

   private:
    TBinaryDataSet& table_;
  };
  void WriteHeader();
  void ReadSlot(uint8_t* buffer, int64_t slot, const std::string& password);
  void WriteSlot(const uint8_t* buffer, int64_t slot, const std::string& password);
  void _ReadRecord(uint8_t* buffer, int64_t slot) { ReadSlot(buffer, slot, password_); }
  TRecordHeader _ReadRecordHeader(int64_t slot);
  void _WriteRecord(const uint8_t* buffer, int64_t slot) { WriteSlot(buffer, slot, password_); }
  void _WriteRecordHeader(int64_t slot, const TRecordHeader& header);
  int64_t _AddRecord(uint8_t* buffer);
  int64_t _AppendRecord(uint8_t* buffer);
  void DeleteSlot(int64_t slot);

  // binary_data_set_cursor.cpp
  bool FetchFrom(int64_t from, Fetch direction, int64_t* found);
  bool Acceptable(const uint8_t* record);
  void CheckBrowseMode();
  void ReadActive(int64_t slot);
  void ClearActive();
  void Resync(int64_t slot);

  // binary_data_set_filter.cpp
  bool ProcessFilter(const uint8_t* record);

  // binary_data_set_password.cpp
  // Asks for the password of a table whose check block is *block; choosing a
  // new one sets *block. choosingOnPopulated: a password may be chosen for a
  // table that already holds (plain) slots, because the caller re-encodes
  // them.
  bool RunPasswordDialogue(CheckBlock* block, bool writeHeader, bool choosingOnPopulated);
  void RememberPassword(const std::string& password);
  void ForgetPassword();

  // binary_data_set_sort.cpp
  void RebuildFreeList();

  platform::Env& env_;
  std::string tableName_;
  bool readOnly_ = false;
  std::string filter_;
  bool filtered_ = false;
  std::vector<TFieldDef> fieldDefs_;
  std::vector<std::unique_ptr<TField>> declared_;
  std::vector<std::unique_ptr<TField>> defaults_;

  // While open.
  std::unique_ptr<platform::File> file_;
  bool fileCheckedForBulk_ = false;  // inside a BulkWrite
  TableLayout layout_;
  TDataSetState state_ = dsInactive;
  std::vector<uint8_t> buffer_;   // the current record's slot bytes
  std::vector<uint8_t> scratch_;  // slots examined while walking
  std::vector<uint8_t> crypt_;    // a slot being encoded for writing
  int64_t activeSlot_ = -1;       // slot of the record in buffer_
  bool hasRecord_ = false;        // buffer_ holds a record read from the file
  bool bof_ = true;
  bool eof_ = true;
  bool modified_ = false;
  const uint8_t* filterRecord_ = nullptr;  // the record the filter hook looks at

  // The remembered password and the file it was given for.
  std::string password_;
  std::string passwordFile_;
};

}  // namespace tq::storage
