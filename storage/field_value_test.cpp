// Field values of every type in a record's bytes: text forms, integer,
// float and boolean access, conversion errors, and the storage bounds.
#include "storage/field_value.h"

#include <gtest/gtest.h>

#include <vector>

#include "storage/date_time.h"
#include "storage/errors.h"

namespace tq::storage {
namespace {

// A field of the given type at offset 8 of a 40-byte record, with guard
// bytes around it that must never change.
struct Record {
  explicit Record(TFieldType type, int32_t size = 0) {
    field.name = "F";
    field.type = type;
    field.offset = 8;
    field.storage = StorageSizeOf(type, size);
    field.textCapacity = size;
    bytes.assign(40, 0xEE);
    std::fill(bytes.begin() + 8, bytes.begin() + 8 + field.storage, 0);
  }
  bool GuardsIntact() const {
    for (size_t i = 0; i < bytes.size(); ++i)
      if ((i < 8 || i >= static_cast<size_t>(8 + field.storage)) && bytes[i] != 0xEE) return false;
    return true;
  }
  FieldLayout field;
  std::vector<uint8_t> bytes;
};

TEST(FieldValueTest, TextFormsOfEveryType) {
  struct Case {
    TFieldType type;
    std::string in;
    std::string out;
    int32_t asInteger;
  } cases[] = {
      {ftString, "42", "42", 42},
      {ftSmallint, "-32768", "-32768", -32768},
      {ftInteger, " 2147483647 ", "2147483647", 2147483647},
      {ftInteger, "$FF", "255", 255},
      {ftWord, "65535", "65535", 65535},
      {ftBoolean, "t", "True", 1},
      {ftBoolean, "FALSE", "False", 0},
      {ftFloat, "2.5", "2.5", 2},  // rounds half to even
      {ftFloat, "3.5", "3.5", 4},
      {ftCurrency, "-0.125", "-0.125", 0},
      {ftFloat, "1e20", "1e+20", 0},
      {ftDate, "0001-01-01", "0001-01-01", 1},
      {ftDate, "1899-12-30", "1899-12-30", 693594},
      {ftDate, "2000-02-29", "2000-02-29", 730179},
      {ftTime, "00:00", "00:00:00", 0},
      {ftTime, "23:59:59.999", "23:59:59.999", 86399999},
      {ftDateTime, "1899-12-30 12:00", "1899-12-30 12:00:00", 693594},
      {ftDateTime, "9999-12-31", "9999-12-31 00:00:00", 3652059},
  };
  for (const Case& c : cases) {
    Record r(c.type, 8);
    SetFieldString(r.field, r.bytes.data(), c.in);
    EXPECT_EQ(GetFieldString(r.field, r.bytes.data()), c.out) << c.in;
    if (c.type != ftFloat || c.in != "1e20") {
      EXPECT_EQ(GetFieldInteger(r.field, r.bytes.data()), c.asInteger) << c.in;
    }
    EXPECT_TRUE(r.GuardsIntact()) << c.in;
  }
}

TEST(FieldValueTest, IntegerFloatAndBooleanAccess) {
  Record b(ftBoolean);
  SetFieldInteger(b.field, b.bytes.data(), 7);
  EXPECT_EQ(b.bytes[8], 1);  // written as 1
  b.bytes[9] = 0x80;         // any non-zero value reads as true
  b.bytes[8] = 0;
  EXPECT_TRUE(GetFieldBoolean(b.field, b.bytes.data()));

  Record d(ftDate);
  SetFieldFloat(d.field, d.bytes.data(), 1.75);  // the component library's date-time: 1899-12-31
  EXPECT_EQ(GetFieldString(d.field, d.bytes.data()), "1899-12-31");
  EXPECT_EQ(GetFieldFloat(d.field, d.bytes.data()), 1.0);

  Record dt(ftDateTime);
  SetFieldFloat(dt.field, dt.bytes.data(), 0.5);
  EXPECT_EQ(GetFieldString(dt.field, dt.bytes.data()), "1899-12-30 12:00:00");
  EXPECT_DOUBLE_EQ(GetFieldFloat(dt.field, dt.bytes.data()), 0.5);

  Record t(ftTime);
  SetFieldFloat(t.field, t.bytes.data(), 0.25);
  EXPECT_EQ(GetFieldString(t.field, t.bytes.data()), "06:00:00");

  Record s(ftString, 8);
  SetFieldBoolean(s.field, s.bytes.data(), true);
  EXPECT_EQ(GetFieldString(s.field, s.bytes.data()), "T");
  EXPECT_TRUE(GetFieldBoolean(s.field, s.bytes.data()));
  SetFieldFloat(s.field, s.bytes.data(), 0.5);
  EXPECT_EQ(GetFieldFloat(s.field, s.bytes.data()), 0.5);
}

TEST(FieldValueTest, ConversionErrorsLeaveTheValue) {
  struct Case {
    TFieldType type;
    std::string in;
    std::string message;
  } cases[] = {
      {ftInteger, "12x", "'12x' is not a valid integer value"},
      {ftInteger, "2147483648", "'2147483648' is not a valid integer value"},
      {ftSmallint, "40000", "40000 is not a valid value for field 'F'. The allowed range is -32768 to 32767"},
      {ftWord, "-1", "-1 is not a valid value for field 'F'. The allowed range is 0 to 65535"},
      {ftBoolean, "yes", "'yes' is not a valid boolean value for field 'F'"},
      {ftFloat, "1,5", "'1,5' is not a valid floating point value"},
      {ftDate, "2023-02-29", "'2023-02-29' is not a valid date"},
      {ftTime, "24:00", "'24:00' is not a valid time"},
      {ftDateTime, "2000-01-01 10", "'2000-01-01 10' is not a valid date and time"},
  };
  for (const Case& c : cases) {
    Record r(c.type);
    const std::vector<uint8_t> before = r.bytes;
    try {
      SetFieldString(r.field, r.bytes.data(), c.in);
      ADD_FAILURE() << c.in;
    } catch (const std::exception& e) {
      EXPECT_EQ(e.what(), c.message);
    }
    EXPECT_EQ(r.bytes, before) << c.in;
  }
  Record s(ftString, 8);
  SetFieldString(s.field, s.bytes.data(), "abc");
  EXPECT_THROW(GetFieldInteger(s.field, s.bytes.data()), EConvertError);
  Record d(ftDate);  // day 0 is before the calendar starts
  EXPECT_THROW(GetFieldString(d.field, d.bytes.data()), EConvertError);
  EXPECT_THROW(GetFieldBoolean(d.field, d.bytes.data()), EDatabaseError);
}

TEST(FieldValueTest, UnusableFieldsAreRefusedWhenUsed) {
  FieldLayout unknown{"U", TFieldType(12), 8, 4, 0};
  FieldLayout tooSmall{"I", ftInteger, 8, 2, 0};
  FieldLayout noTerminator{"S", ftString, 8, 4, 4};
  std::vector<uint8_t> bytes(16);
  try {
    GetFieldString(unknown, bytes.data());
    ADD_FAILURE();
  } catch (const EBinaryDataSetError& e) {
    EXPECT_STREQ(e.what(), "Field 'U' has the unsupported type code 12.");
  }
  EXPECT_THROW(SetFieldInteger(tooSmall, bytes.data(), 1), EBinaryDataSetError);
  EXPECT_THROW(SetFieldString(noTerminator, bytes.data(), "x"), EBinaryDataSetError);
  EXPECT_EQ(bytes, std::vector<uint8_t>(16));
}

TEST(DateTimeTest, DayNumbersAndTexts) {
  EXPECT_EQ(DayNumberOf(1, 1, 1), 1);
  EXPECT_EQ(DayNumberOf(1899, 12, 30), 693594);
  EXPECT_EQ(DayNumberOf(1970, 1, 1), 719163);
  EXPECT_EQ(DayNumberOf(9999, 12, 31), kLastDay);
  EXPECT_FALSE(DayNumberOf(1900, 2, 29));
  EXPECT_TRUE(DayNumberOf(2000, 2, 29));
  EXPECT_FALSE(DayNumberOf(0, 12, 31));
  for (int32_t day : {1, 59, 60, 693594, 730179, kLastDay}) {
    auto text = FormatDayNumber(day);
    ASSERT_TRUE(text) << day;
    EXPECT_EQ(ParseDayNumber(*text), day) << *text;
  }
  EXPECT_FALSE(FormatDayNumber(0));
  EXPECT_FALSE(FormatDayNumber(kLastDay + 1));
  EXPECT_FALSE(FormatTimeOfDay(kMsPerDay));
  EXPECT_FALSE(FormatTimeOfDay(-1));
  EXPECT_EQ(ParseTimeOfDay("7:00"), std::nullopt);
  EXPECT_EQ(ParseStoredDateTime("0001-01-01T00:00:01"), double(kMsPerDay) + 1000);
}

}  // namespace
}  // namespace tq::storage
