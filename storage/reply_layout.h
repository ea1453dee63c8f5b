// The reply library's table layout, shared by the program and quillet: the
// four fields Category, Description, Response and HotKey, in this order.
#pragma once

#include <cstdint>
#include <string>

#include "storage/binary_data_set.h"
#include "storage/reply_text_codec.h"

namespace tq::storage {

constexpr char kCategoryField[] = "Category";
constexpr char kDescriptionField[] = "Description";
constexpr char kResponseField[] = "Response";
constexpr char kHotKeyField[] = "HotKey";
constexpr int32_t kCategorySize = 32;
constexpr int32_t kDescriptionSize = 32;
constexpr int32_t kResponseSize = 4096;
// Record and file sizes of the layout, for checks.
constexpr int32_t kReplyRecordSize = 4184;
constexpr int32_t kReplyStartData = 212;

// The layout itself, in field order; the one description that declaring a
// library and checking a file both read.
struct ReplyField {
  const char* name;
  TFieldType type;
  int32_t size;  // characters of a string field, else 0
};
inline constexpr ReplyField kReplyFields[] = {{kCategoryField, ftString, kCategorySize},
                                              {kDescriptionField, ftString, kDescriptionSize},
                                              {kResponseField, ftString, kResponseSize},
                                              {kHotKeyField, ftInteger, 0}};

// Declares the four fields on a closed table.
void DeclareReplyFields(TBinaryDataSet& table);

// The current record's texts as UTF-8, and its hot key; and writing them back
// in their stored form (see reply_text_codec.h).
ReplyTexts ReadReplyTexts(TBinaryDataSet& table);
int32_t ReadReplyHotKey(TBinaryDataSet& table);
void WriteReplyFields(TBinaryDataSet& table, const ReplyTexts& texts, int32_t hotKey);

// A reply is formatted when its text, folded to lower case, contains
// "{\rtf1" anywhere.
bool IsFormattedReply(const std::string& response);

}  // namespace tq::storage
