// The table file, byte for byte: the 48-byte header, the 41-byte field
// descriptors and the 8-byte record header that starts every slot, with their
// codecs. All integers are little-endian; nothing here touches a file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "storage/field_types.h"

namespace tq::storage {

constexpr uint32_t kSignature = 11699;  // bytes B3 2D 00 00
constexpr int32_t kVersion = 100;       // written; readers accept up to this
constexpr int kHeaderSize = 48;
constexpr int kDescriptorSize = 41;
constexpr int kNameSize = 28;  // name bytes in a descriptor, terminator included
constexpr int kMaxFieldNameLength = kNameSize - 1;
constexpr int kRecordHeaderSize = 8;
constexpr int kCheckBlockSize = 16;
// The plain text a protected table keeps, encoded, in its check block.
constexpr char kPasswordSentinel[] = "%~~QuIeTmArKs~~%";
// Every byte of the check block of a table whose password is not chosen yet.
constexpr uint8_t kNoPasswordChosenByte = 23;

using CheckBlock = std::array<uint8_t, kCheckBlockSize>;

struct TDataFileHeader {
  uint32_t Signature = 0;
  int32_t Version = 0;
  CheckBlock PasswordCheck{};
  int32_t FieldCount = 0;
  int32_t RecordSize = 0;
  int32_t RecordCount = 0;
  int32_t DeletedCount = 0;
  int32_t FirstFree = 0;  // 1-based slot; 0 or below: the free list is empty
  int32_t StartData = 0;
};

struct TFieldDescriptor {
  std::string Name;  // at most 27 characters when written
  uint8_t DataType = 0;
  int32_t StorageSize = 0;
  int32_t Size = 0;
  int32_t Precision = 0;
};

struct TRecordHeader {
  int32_t NextFree = 0;  // 0: live; else the next free slot (1-based) or -1
  int32_t Reserved = 0;
};

void EncodeHeader(const TDataFileHeader& header, uint8_t* out);  // kHeaderSize bytes
TDataFileHeader DecodeHeader(const uint8_t* in);
// Zero-fills the 41 bytes first, so unused name bytes are 0. A name longer
// than 27 characters is cut (callers refuse such names before).
void EncodeDescriptor(const TFieldDescriptor& descriptor, uint8_t* out);
// The name is the characters before the first zero byte, at most 28.
TFieldDescriptor DecodeDescriptor(const uint8_t* in);
void EncodeRecordHeader(const TRecordHeader& header, uint8_t* out);
TRecordHeader DecodeRecordHeader(const uint8_t* in);

enum class CheckBlockState {
  NoPasswordChosen,  // 16 bytes of 23
  NoPassword,        // 16 zero bytes
  Protected,         // the sentinel encoded with the password
};
CheckBlockState ClassifyCheckBlock(const CheckBlock& block);
CheckBlock FilledCheckBlock(uint8_t value);
CheckBlock SentinelCheckBlock();

// Offset of the first slot for a table of fieldCount fields.
constexpr int64_t StartDataFor(int64_t fieldCount) { return kHeaderSize + kDescriptorSize * fieldCount; }

}  // namespace tq::storage
