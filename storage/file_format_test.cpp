#include "storage/file_format.h"

#include <gtest/gtest.h>

#include "storage/test_support.h"

namespace tq::storage {
namespace {

using testing::DescriptorBytes;
using testing::HeaderBytes;

TEST(FileFormatTest, HeaderCodecMatchesTheByteTable) {
  TDataFileHeader h;
  h.Signature = kSignature;
  h.Version = 100;
  h.PasswordCheck = FilledCheckBlock(23);
  h.FieldCount = 4;
  h.RecordSize = 4184;
  h.RecordCount = 7;
  h.DeletedCount = 2;
  h.FirstFree = -1;
  h.StartData = 212;
  uint8_t raw[kHeaderSize];
  EncodeHeader(h, raw);
  const std::string expected = HeaderBytes(4, 4184, 7, 2, -1, 212);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(raw), kHeaderSize), expected);
  // Signature bytes B3 2D 00 00.
  EXPECT_EQ(static_cast<uint8_t>(expected[0]), 0xB3);
  EXPECT_EQ(static_cast<uint8_t>(expected[1]), 0x2D);

  TDataFileHeader back = DecodeHeader(raw);
  EXPECT_EQ(back.RecordCount, 7);
  EXPECT_EQ(back.DeletedCount, 2);
  EXPECT_EQ(back.FirstFree, -1);
  EXPECT_EQ(back.StartData, 212);
  EXPECT_EQ(back.PasswordCheck, FilledCheckBlock(23));
}

TEST(FileFormatTest, DescriptorNamesAreZeroFilledAndReadUpToTheFirstZero) {
  uint8_t raw[kDescriptorSize];
  const std::string name27(27, 'N');
  EncodeDescriptor({name27, ftString, 36, 32, 5}, raw);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(raw), kDescriptorSize), DescriptorBytes(name27, 1, 36, 32, 5));
  EXPECT_EQ(raw[27], 0);
  EXPECT_EQ(DecodeDescriptor(raw).Name, name27);

  EncodeDescriptor({"Cat", ftInteger, 4, 0, 0}, raw);
  for (int i = 3; i < 28; ++i) EXPECT_EQ(raw[i], 0) << i;

  // A reader takes at most 28 characters when no zero byte ends the name.
  std::string all28 = DescriptorBytes("", 3, 4, 0);
  all28.replace(0, 28, std::string(28, 'x'));
  EXPECT_EQ(DecodeDescriptor(reinterpret_cast<const uint8_t*>(all28.data())).Name, std::string(28, 'x'));
  // Bytes after the first zero are ignored.
  std::string gap = DescriptorBytes("ab", 3, 4, 0);
  gap[5] = 'z';
  TFieldDescriptor d = DecodeDescriptor(reinterpret_cast<const uint8_t*>(gap.data()));
  EXPECT_EQ(d.Name, "ab");
  EXPECT_EQ(d.DataType, 3);
  EXPECT_EQ(d.StorageSize, 4);
}

TEST(FileFormatTest, CheckBlockStatesAreDecidedOnAll16Bytes) {
  EXPECT_EQ(ClassifyCheckBlock(FilledCheckBlock(23)), CheckBlockState::NoPasswordChosen);
  EXPECT_EQ(ClassifyCheckBlock(FilledCheckBlock(0)), CheckBlockState::NoPassword);
  CheckBlock almost = FilledCheckBlock(0);
  almost[15] = 1;
  EXPECT_EQ(ClassifyCheckBlock(almost), CheckBlockState::Protected);
  almost = FilledCheckBlock(23);
  almost[0] = 0;
  EXPECT_EQ(ClassifyCheckBlock(almost), CheckBlockState::Protected);
  const CheckBlock sentinel = SentinelCheckBlock();
  EXPECT_EQ(std::string(sentinel.begin(), sentinel.end()), "%~~QuIeTmArKs~~%");
}

TEST(FileFormatTest, StorageSizesFollowTheTypeTable) {
  struct Case {
    TFieldType type;
    int32_t size;
    int32_t storage;
  } cases[] = {{ftString, 32, 36}, {ftString, 4096, 4100},  {ftSmallint, 0, 2},      {ftInteger, 0, 4},
               {ftWord, 0, 2},     {ftBoolean, 0, 2},       {ftFloat, 0, 8},         {ftCurrency, 0, 8},
               {ftDate, 0, 4},     {ftTime, 0, 4},          {ftDateTime, 0, 8},      {ftUnknown, 0, -1},
               {ftBCD, 0, -1},     {TFieldType(12), 0, -1}, {TFieldType(255), 0, -1}};
  for (const Case& c : cases) EXPECT_EQ(StorageSizeOf(c.type, c.size), c.storage) << int(c.type);
}

}  // namespace
}  // namespace tq::storage
