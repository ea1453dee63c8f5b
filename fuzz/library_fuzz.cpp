// Reply libraries and other table files from arbitrary bytes. The first byte
// chooses how the rest becomes a file: as it is, behind a well-formed header
// of a few fields described by the input, or behind the reply library's
// header; the last two reach the cursor, edits, deletions, the sort and the
// pack with damaged counts, free lists, descriptors and records, and the
// file checker reads it too. Nothing may crash, read out of bounds or loop.
// Everything happens in a file system held in memory: nothing touches disk.
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/memory_env.h"
#include "storage/binary_data_set.h"
#include "storage/reply_layout.h"
#include "storage/table_check.h"

namespace {

using namespace tq;
using storage::TBinaryDataSet;

constexpr const char* kPath = "replies.qdk";

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  int32_t I32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
    return static_cast<int32_t>(v);
  }
  std::string Rest() {
    std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return s;
  }
  size_t Left() const { return size_ - pos_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

void Put32(std::string* s, int32_t v) {
  for (int i = 0; i < 4; ++i) *s += static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
}

std::string Header(int32_t fields, int32_t recordSize, int32_t records, int32_t deleted, int32_t firstFree,
                   int32_t startData, uint8_t check) {
  std::string h;
  Put32(&h, 11699);
  Put32(&h, 100);
  h.append(16, static_cast<char>(check));
  for (int32_t v : {fields, recordSize, records, deleted, firstFree, startData}) Put32(&h, v);
  return h;
}

std::string Descriptor(const std::string& name, uint8_t type, int32_t storage, int32_t size) {
  std::string d = name.substr(0, 27);
  d.resize(28, '\0');
  d += static_cast<char>(type);
  Put32(&d, storage);
  Put32(&d, size);
  Put32(&d, 0);
  return d;
}

// Counts that agree with the slots present, bent by the input now and then.
std::string WithSlots(Input& in, int32_t fields, const std::string& descriptors, int32_t recordSize) {
  const uint8_t mode = in.Byte();
  std::string slots = in.Rest();
  const auto count = static_cast<int32_t>(slots.size() / static_cast<size_t>(recordSize));
  if (!(mode & 1)) slots.resize(static_cast<size_t>(count) * static_cast<size_t>(recordSize));
  const int32_t deleted = count ? (mode >> 1) % (count + 1) : 0;
  const int32_t firstFree = (mode & 0x40) ? (mode >> 3) % (count + 2) - 1 : (deleted ? 1 : -1);
  const auto startData = static_cast<int32_t>(48 + descriptors.size());
  return Header(fields, recordSize, count - deleted, deleted, firstFree, startData, (mode & 0x80) ? 0 : 23) +
         descriptors + slots;
}

std::string Build(const uint8_t* data, size_t size) {
  Input in(data, size);
  switch (in.Byte() % 3) {
    case 0:
      return in.Rest();
    case 1: {
      const int32_t fields = 1 + in.Byte() % 5;
      std::string descriptors;
      int32_t recordSize = 8;
      for (int32_t i = 0; i < fields; ++i) {
        const uint8_t type = in.Byte() % 13;
        const int32_t size = in.Byte() % 24;
        int32_t storage = storage::StorageSizeOf(static_cast<storage::TFieldType>(type), size);
        if (storage < 0 || (in.Byte() & 7) == 0) storage = in.Byte() % 12;  // damaged on purpose
        descriptors += Descriptor(std::string(1, static_cast<char>('A' + i)), type, storage, size);
        recordSize += storage;
      }
      return WithSlots(in, fields, descriptors, recordSize);
    }
    default: {
      std::string descriptors = Descriptor("Category", 1, 36, 32) + Descriptor("Description", 1, 36, 32) +
                                Descriptor("Response", 1, 4100, 4096) + Descriptor("HotKey", 3, 4, 0);
      return WithSlots(in, 4, descriptors, 4184);
    }
  }
}

template <class F>
void Try(F f) {
  try {
    f();
  } catch (const std::exception&) {
  }
}

void ReadAllFields(TBinaryDataSet& t) {
  for (int i = 0; i < t.FieldCount(); ++i) {
    Try([&] { t.Field(i).AsString(); });
    Try([&] { t.Field(i).AsInteger(); });
    Try([&] { t.Field(i).AsFloat(); });
  }
}

void Exercise(TBinaryDataSet& t, uint8_t choices) {
  // Every record both ways.
  int steps = 0;
  for (t.First(); !t.Eof() && steps < 5000; t.Next(), ++steps) ReadAllFields(t);
  for (t.Last(); !t.Bof() && steps < 10000; t.Prior(), ++steps) ReadAllFields(t);
  t.First();
  t.MoveBy(choices % 7);
  t.MoveBy(-(choices % 3));
  const int32_t recNo = t.RecNo();
  t.SetRecNo(recNo + (choices & 1));
  Try([&] { t.GotoBookmark(t.GetBookmark()); });
  Try([&] { t.GotoBookmark(choices); });
  if (t.FieldCount() > 0) {
    t.SetFilter(t.Field(0).FieldName() + (choices & 2 ? ">='M'" : "='A'"));
    t.SetFiltered(choices & 4);
    Try([&] {
      for (t.First(); !t.Eof(); t.Next()) ReadAllFields(t);
    });
    t.SetFiltered(false);
  }
  // Changes: an edit, two new records (into freed slots or appended), a
  // deletion, a sort.
  Try([&] {
    t.First();
    t.Edit();
    for (int i = 0; i < t.FieldCount(); ++i) Try([&] { t.Field(i).SetAsString(std::string(choices % 40, 'e')); });
    t.Post();
  });
  for (int k = 0; k < 2; ++k)
    Try([&] {
      t.Insert();
      for (int i = 0; i < t.FieldCount(); ++i) Try([&] { t.Field(i).SetAsInteger(k + 1); });
      t.Post();
    });
  Try([&] {
    t.Last();
    t.Delete();
  });
  if (t.FieldCount() > 0 && (choices & 8)) Try([&] { t.SortTable({t.Field(0).FieldName()}); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::MemoryEnv env;
  const std::string bytes = Build(data, size);
  if (!platform::WriteWholeFile(env, kPath, bytes)) return 0;
  storage::CheckTableFile(env, kPath);
  const uint8_t choices = size > 1 ? data[size - 1] : 0;
  TBinaryDataSet t(env);
  t.SetTableName(kPath);
  if (choices & 0x10) {
    // Password protection: a position-wise code, and a dialogue that gives
    // one answer and then declines (so it always ends).
    t.OnCryptData = [](uint8_t* buffer, int n, const std::string& password, bool) {
      for (int i = 0; i < n; ++i)
        buffer[i] ^= static_cast<uint8_t>(password.empty() ? 0x11 : password[i % password.size()]);
    };
    t.OnGetPassword = [asked = 0](std::string& password, bool& handled, bool) mutable {
      if (asked++ > 0) handled = false;
      password = "pw";
    };
  }
  if (choices & 0x20) storage::DeclareReplyFields(t);
  Try([&] {
    t.Open();
    Exercise(t, choices);
  });
  t.Close();
  Try([&] { t.PackTable(); });
  Try([&] {
    t.Open();
    for (t.First(); !t.Eof(); t.Next()) ReadAllFields(t);
  });
  return 0;
}
