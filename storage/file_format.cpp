#include "storage/file_format.h"

#include <algorithm>
#include <cstring>

#include "storage/byte_order.h"

namespace tq::storage {

void EncodeHeader(const TDataFileHeader& h, uint8_t* out) {
  std::memset(out, 0, kHeaderSize);
  StoreU32(out + 0, h.Signature);
  StoreI32(out + 4, h.Version);
  std::copy(h.PasswordCheck.begin(), h.PasswordCheck.end(), out + 8);
  StoreI32(out + 24, h.FieldCount);
  StoreI32(out + 28, h.RecordSize);
  StoreI32(out + 32, h.RecordCount);
  StoreI32(out + 36, h.DeletedCount);
  StoreI32(out + 40, h.FirstFree);
  StoreI32(out + 44, h.StartData);
}

TDataFileHeader DecodeHeader(const uint8_t* in) {
  TDataFileHeader h;
  h.Signature = LoadU32(in + 0);
  h.Version = LoadI32(in + 4);
  std::copy(in + 8, in + 24, h.PasswordCheck.begin());
  h.FieldCount = LoadI32(in + 24);
  h.RecordSize = LoadI32(in + 28);
  h.RecordCount = LoadI32(in + 32);
  h.DeletedCount = LoadI32(in + 36);
  h.FirstFree = LoadI32(in + 40);
  h.StartData = LoadI32(in + 44);
  return h;
}

void EncodeDescriptor(const TFieldDescriptor& d, uint8_t* out) {
  std::memset(out, 0, kDescriptorSize);
  std::memcpy(out, d.Name.data(), std::min<size_t>(d.Name.size(), kMaxFieldNameLength));
  out[28] = d.DataType;
  StoreI32(out + 29, d.StorageSize);
  StoreI32(out + 33, d.Size);
  StoreI32(out + 37, d.Precision);
}

TFieldDescriptor DecodeDescriptor(const uint8_t* in) {
  TFieldDescriptor d;
  const auto* end = std::find(in, in + kNameSize, 0);
  d.Name.assign(reinterpret_cast<const char*>(in), static_cast<size_t>(end - in));
  d.DataType = in[28];
  d.StorageSize = LoadI32(in + 29);
  d.Size = LoadI32(in + 33);
  d.Precision = LoadI32(in + 37);
  return d;
}

void EncodeRecordHeader(const TRecordHeader& h, uint8_t* out) {
  StoreI32(out, h.NextFree);
  StoreI32(out + 4, h.Reserved);
}

TRecordHeader DecodeRecordHeader(const uint8_t* in) { return {LoadI32(in), LoadI32(in + 4)}; }

CheckBlockState ClassifyCheckBlock(const CheckBlock& block) {
  auto all = [&](uint8_t v) { return std::all_of(block.begin(), block.end(), [v](uint8_t b) { return b == v; }); };
  if (all(kNoPasswordChosenByte)) return CheckBlockState::NoPasswordChosen;
  if (all(0)) return CheckBlockState::NoPassword;
  return CheckBlockState::Protected;
}

CheckBlock FilledCheckBlock(uint8_t value) {
  CheckBlock b;
  b.fill(value);
  return b;
}

CheckBlock SentinelCheckBlock() {
  CheckBlock b;
  std::memcpy(b.data(), kPasswordSentinel, kCheckBlockSize);
  return b;
}

}  // namespace tq::storage
