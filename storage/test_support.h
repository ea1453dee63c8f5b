// Helpers for the storage tests: raw file bytes, a little-endian builder for
// writing table files by hand from the format tables, and a reply library in
// a fresh folder.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/env.h"
#include "storage/binary_data_set.h"
#include "storage/reply_layout.h"
#include "tests/support/temp_dir.h"

namespace tq::storage::testing {

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline int32_t I32At(const std::string& bytes, size_t offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes.at(offset + static_cast<size_t>(i)));
  return static_cast<int32_t>(v);
}

inline void PutI32(std::string* bytes, size_t offset, int32_t value) {
  for (int i = 0; i < 4; ++i)
    (*bytes)[offset + static_cast<size_t>(i)] = static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
}

// Appends values in the file's byte order.
class ByteWriter {
 public:
  ByteWriter& I32(int32_t v) {
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
    return *this;
  }
  ByteWriter& I16(int16_t v) {
    bytes_ += static_cast<char>(v & 0xFF);
    bytes_ += static_cast<char>((static_cast<uint16_t>(v) >> 8) & 0xFF);
    return *this;
  }
  ByteWriter& Fill(size_t n, uint8_t value) {
    bytes_.append(n, static_cast<char>(value));
    return *this;
  }
  // Text in a field of n bytes: the characters, then zero bytes.
  ByteWriter& Text(const std::string& s, size_t n) {
    bytes_ += s;
    bytes_.append(n - s.size(), '\0');
    return *this;
  }
  ByteWriter& Raw(const std::string& s) {
    bytes_ += s;
    return *this;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// The 48-byte header as the format table lays it out.
inline std::string HeaderBytes(int32_t fieldCount, int32_t recordSize, int32_t recordCount, int32_t deletedCount,
                               int32_t firstFree, int32_t startData, uint8_t checkByte = 23, int32_t version = 100) {
  return ByteWriter()
      .I32(11699)
      .I32(version)
      .Fill(16, checkByte)
      .I32(fieldCount)
      .I32(recordSize)
      .I32(recordCount)
      .I32(deletedCount)
      .I32(firstFree)
      .I32(startData)
      .bytes();
}

// One 41-byte descriptor.
inline std::string DescriptorBytes(const std::string& name, uint8_t type, int32_t storage, int32_t size,
                                   int32_t precision = 0) {
  return ByteWriter().Text(name, 28).Fill(1, type).I32(storage).I32(size).I32(precision).bytes();
}

// The four descriptors of the reply library.
inline std::string ReplyDescriptorBytes() {
  return DescriptorBytes("Category", 1, 36, 32) + DescriptorBytes("Description", 1, 36, 32) +
         DescriptorBytes("Response", 1, 4100, 4096) + DescriptorBytes("HotKey", 3, 4, 0);
}

// One reply slot (4184 bytes).
inline std::string ReplySlotBytes(int32_t nextFree, const std::string& category, const std::string& description,
                                  const std::string& response, int32_t hotKey) {
  return ByteWriter()
      .I32(nextFree)
      .I32(0)
      .Text(category, 36)
      .Text(description, 36)
      .Text(response, 4100)
      .I32(hotKey)
      .bytes();
}

// A temp folder and a reply table whose file is "replies.qdk" in it.
class ReplyTableFixture {
 public:
  explicit ReplyTableFixture(platform::Env& env = platform::Env::Default()) : table(env) {
    path = dir.File("replies.qdk");
    table.SetTableName(path);
    DeclareReplyFields(table);
  }
  void CreateAndOpen() {
    table.CreateTable();
    table.Open();
  }
  void Add(const std::string& category, const std::string& description, const std::string& response = "",
           int32_t hotKey = 0) {
    table.Insert();
    table.FieldByName("Category").SetAsString(category);
    table.FieldByName("Description").SetAsString(description);
    table.FieldByName("Response").SetAsString(response);
    table.FieldByName("HotKey").SetAsInteger(hotKey);
    table.Post();
  }
  std::string Description() { return table.FieldByName("Description").AsString(); }
  std::string Bytes() const { return ReadBytes(path); }

  tq::testing::TempDir dir;
  std::string path;
  TBinaryDataSet table;
};

}  // namespace tq::storage::testing
