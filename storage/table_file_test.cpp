// Creating and opening table files: the reply layout byte for byte, files
// written by hand from the format tables, and every open check in its order
// with its message.
#include <gtest/gtest.h>

#include <functional>

#include "platform/fault_env.h"
#include "storage/binary_data_set.h"
#include "storage/errors.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using namespace testing;

// Runs f and returns the message of the exception of type E it throws.
template <class E>
std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    return e.what();
  } catch (const std::exception& e) {
    return std::string("wrong exception type: ") + e.what();
  }
  return "no exception";
}

TEST(TableFileTest, NewReplyLibraryIs212BytesWithTheDataModelHeader) {
  ReplyTableFixture f;
  f.table.CreateTable();
  EXPECT_FALSE(f.table.Active());
  const std::string expected = HeaderBytes(4, 4184, 0, 0, -1, 212) + ReplyDescriptorBytes();
  ASSERT_EQ(expected.size(), 212u);
  EXPECT_EQ(f.Bytes(), expected);

  f.table.Open();
  EXPECT_EQ(f.table.RecordCount(), 0);
  EXPECT_TRUE(f.table.Bof());
  EXPECT_TRUE(f.table.Eof());
  EXPECT_EQ(f.table.RecordSize(), 4184);
}

TEST(TableFileTest, HandWrittenFileOpensAndReadsBack) {
  tq::testing::TempDir dir;
  const std::string path = dir.File("hand.qdk");
  // Slots: 0 live, 1 deleted (end of free list), 2 live.
  WriteBytes(path, HeaderBytes(4, 4184, 2, 1, 2, 212) + ReplyDescriptorBytes() +
                       ReplySlotBytes(0, "Work", "Thanks", "Thank you!", 0x6054) +
                       ReplySlotBytes(-1, "Gone", "Deleted", "old", 0) +
                       ReplySlotBytes(0, "Home", "{\\rtf1 x}", "{\\rtf1\\ansi Hi}", 0));
  TBinaryDataSet t;
  t.SetTableName(path);
  t.Open();
  ASSERT_EQ(t.FieldCount(), 4);  // one field per definition when none are declared
  EXPECT_EQ(t.Field(0).FieldName(), "Category");
  EXPECT_EQ(t.Field(3).DataType(), ftInteger);
  EXPECT_EQ(t.RecordCount(), 2);
  EXPECT_EQ(t.FieldByName("category").AsString(), "Work");
  EXPECT_EQ(t.FieldByName("Response").AsString(), "Thank you!");
  EXPECT_EQ(t.FieldByName("HotKey").AsInteger(), 0x6054);
  EXPECT_EQ(t.RecNo(), 1);
  t.Next();
  EXPECT_EQ(t.FieldByName("Category").AsString(), "Home");
  EXPECT_EQ(t.FieldByName("Response").AsString(), "{\\rtf1\\ansi Hi}");
  EXPECT_EQ(t.RecNo(), 3);
  t.Next();
  EXPECT_TRUE(t.Eof());

  // The definitions survive the close and shape the next table created.
  t.Close();
  ASSERT_EQ(t.FieldDefs().size(), 4u);
  EXPECT_EQ(t.FieldDefs()[2].Size, 4096);
  t.SetTableName(dir.File("copy.qdk"));
  t.CreateTable();
  EXPECT_EQ(ReadBytes(dir.File("copy.qdk")), HeaderBytes(4, 4184, 0, 0, -1, 212) + ReplyDescriptorBytes());
}

TEST(TableFileTest, EveryFieldTypeCanBeCreatedAndReadBack) {
  tq::testing::TempDir dir;
  TBinaryDataSet t;
  t.SetTableName(dir.File("types.tbl"));
  const std::string name27(27, 'L');
  t.FieldDefs() = {{"S", ftString, 5},
                   {"Small", ftSmallint},
                   {"I", ftInteger},
                   {"W", ftWord},
                   {"B", ftBoolean},
                   {"F", ftFloat},
                   {"C", ftCurrency},
                   {"D", ftDate},
                   {"T", ftTime},
                   {"DT", ftDateTime},
                   {name27, ftInteger, 0, false, 7}};
  t.CreateTable();
  const std::string bytes = ReadBytes(dir.File("types.tbl"));
  ASSERT_EQ(bytes.size(), 48u + 41u * 11u);
  EXPECT_EQ(I32At(bytes, 28), 8 + 9 + 2 + 4 + 2 + 2 + 8 + 8 + 4 + 4 + 8 + 4);  // RecordSize
  EXPECT_EQ(bytes.substr(48 + 41 * 10, 41), DescriptorBytes(name27, 3, 4, 0, 7));

  t.Open();
  ASSERT_EQ(t.FieldCount(), 11);
  EXPECT_EQ(t.Field(10).FieldName(), name27);
  t.Insert();
  t.FieldByName("S").SetAsString("abcdefgh");
  t.FieldByName("Small").SetAsInteger(-300);
  t.FieldByName("I").SetAsString("123456");
  t.FieldByName("W").SetAsInteger(65535);
  t.FieldByName("B").SetAsBoolean(true);
  t.FieldByName("F").SetAsFloat(2.5);
  t.FieldByName("C").SetAsString("19.99");
  t.FieldByName("D").SetAsString("1899-12-30");
  t.FieldByName("T").SetAsString("13:45:10.250");
  t.FieldByName("DT").SetAsString("2024-02-29 23:59:59");
  t.Post();
  t.Close();
  t.Open();
  EXPECT_EQ(t.FieldByName("S").AsString(), "abcde");
  EXPECT_EQ(t.FieldByName("Small").AsString(), "-300");
  EXPECT_EQ(t.FieldByName("I").AsInteger(), 123456);
  EXPECT_EQ(t.FieldByName("W").AsString(), "65535");
  EXPECT_EQ(t.FieldByName("B").AsString(), "True");
  EXPECT_EQ(t.FieldByName("F").AsString(), "2.5");
  EXPECT_EQ(t.FieldByName("C").AsFloat(), 19.99);
  EXPECT_EQ(t.FieldByName("D").AsInteger(), 693594);
  EXPECT_EQ(t.FieldByName("T").AsInteger(), (13 * 3600 + 45 * 60 + 10) * 1000 + 250);
  EXPECT_EQ(t.FieldByName("DT").AsString(), "2024-02-29 23:59:59");
}

TEST(TableFileTest, CreationRefusals) {
  tq::testing::TempDir dir;
  const std::string path = dir.File("t.tbl");
  struct Case {
    const char* what;
    std::function<void(TBinaryDataSet&)> setup;
    std::string message;
  } cases[] = {
      {"no name", [](TBinaryDataSet& t) { t.SetTableName(""); }, "Table filename not specified."},
      {"read only", [](TBinaryDataSet& t) { t.SetReadOnly(true); },
       "Dataset must be opened for read/write to create a new table."},
      {"unsupported type",
       [](TBinaryDataSet& t) {
         t.FieldDefs().push_back({"X", ftBCD});
       },
       "InitFieldsDefs: Unsupported field type"},
      {"name of 28",
       [](TBinaryDataSet& t) {
         t.FieldDefs().push_back({std::string(28, 'n'), ftInteger});
       },
       "CreateTable: Field name '" + std::string(28, 'n') + "' is longer than 27 characters."},
      {"no fields", [](TBinaryDataSet& t) { t.FieldDefs().clear(); }, "CreateTable: No fields defined."},
      {"negative size",
       [](TBinaryDataSet& t) {
         t.FieldDefs().push_back({"S", ftString, -1});
       },
       "CreateTable: Invalid size for field 'S'."},
  };
  for (const Case& c : cases) {
    WriteBytes(path, "precious");
    TBinaryDataSet t;
    t.SetTableName(path);
    t.FieldDefs() = {{"A", ftInteger}};
    c.setup(t);
    EXPECT_EQ(MessageOf<EBinaryDataSetError>([&] { t.CreateTable(); }), c.message) << c.what;
    // A refused creation leaves whatever file was there.
    EXPECT_EQ(ReadBytes(path), "precious") << c.what;
  }

  ReplyTableFixture f;
  f.CreateAndOpen();
  EXPECT_EQ(MessageOf<EDatabaseError>([&] { f.table.CreateTable(); }),
            "Cannot perform this operation on an open dataset");
}

TEST(TableFileTest, CreationThatCannotWriteFailsAndLeavesNoFile) {
  tq::testing::TempDir dir;
  platform::FaultEnv env(platform::Env::Default());
  TBinaryDataSet t(env);
  t.SetTableName(dir.File("t.qdk"));
  DeclareReplyFields(t);
  env.FailWritesAfter(100);
  EXPECT_EQ(MessageOf<EStreamError>([&] { t.CreateTable(); }), "Stream write error");
  EXPECT_FALSE(env.FileExists(dir.File("t.qdk")));
  env.FailOpens(true);
  EXPECT_EQ(MessageOf<EStreamError>([&] { t.CreateTable(); }), "Cannot create file " + dir.File("t.qdk"));
}

// Each case changes a valid reply library with 2 live records and 1 deleted
// slot; the open must fail with the message (or succeed when it is empty).
TEST(TableFileTest, OpenChecksInTheirOrder) {
  const std::string good = HeaderBytes(4, 4184, 2, 1, 2, 212) + ReplyDescriptorBytes() +
                           ReplySlotBytes(0, "a", "b", "c", 0) + ReplySlotBytes(-1, "", "", "", 0) +
                           ReplySlotBytes(0, "d", "e", "f", 0);
  auto with = [&](size_t offset, int32_t v) {
    std::string s = good;
    PutI32(&s, offset, v);
    return s;
  };
  std::string swapped = good;
  std::swap(swapped[0], swapped[1]);
  std::string longer = good + "x";
  // HotKey's storage -8: the computed record size is 4172; header and file
  // size agree with it, so only the sanity check can refuse the file.
  std::string negativeStorage = with(48 + 41 * 3 + 29, -8).substr(0, 212 + 3 * 4172);
  PutI32(&negativeStorage, 28, 4172);
  struct Case {
    const char* what;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"valid", good, ""},
      {"version 99", with(4, 99), ""},
      {"version 101", with(4, 101), "Invalid file version."},
      {"signature bytes swapped", swapped, "Invalid file type."},
      {"short header", good.substr(0, 47), "Stream read error"},
      {"no fields", with(24, 0), "Invalid number of fields."},
      {"descriptors cut", good.substr(0, 48 + 41 * 3 + 10), "Stream read error"},
      {"record size mismatch", with(28, 4000), "Open: File record size mismatch."},
      {"one byte more", longer,
       "Open: Invalid record size.\rStartData   : 212\rfRecordCount: 2\rfRecordSize : 4184\rfStream.SIze: " +
           std::to_string(longer.size())},
      {"negative storage", negativeStorage, "Open: Invalid field storage size."},
      {"start before descriptors", with(44, 212 - 41).substr(0, good.size() - 41), "Open: Invalid start of data."},
      {"negative deleted count", with(36, -1).substr(0, good.size() - 2 * 4184), "Open: Invalid record count."},
  };
  tq::testing::TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.File("t.qdk");
    WriteBytes(path, c.bytes);
    TBinaryDataSet t;
    t.SetTableName(path);
    DeclareReplyFields(t);
    std::string message;
    try {
      t.Open();
    } catch (const std::exception& e) {
      message = e.what();
    }
    EXPECT_EQ(message, c.message) << c.what;
    EXPECT_EQ(t.Active(), c.message.empty()) << c.what;
  }
}

TEST(TableFileTest, OpenFailuresOfTheEnvironmentAndOfBinding) {
  ReplyTableFixture f;
  EXPECT_EQ(MessageOf<EBinaryDataSetError>([&] { f.table.Open(); }), "Table file not found.");
  f.table.CreateTable();

  // Another writer holds the file: the component library's open message.
  TBinaryDataSet other;
  other.SetTableName(f.path);
  other.Open();
  EXPECT_EQ(MessageOf<EStreamError>([&] { f.table.Open(); }), "Cannot open file " + f.path);
  // A read-only table shares with the writer.
  f.table.SetReadOnly(true);
  f.table.Open();
  EXPECT_TRUE(f.table.Active());
  f.table.Close();
  other.Close();
  f.table.SetReadOnly(false);

  TBinaryDataSet t;
  t.SetTableName(f.path);
  t.AddField("Missing", ftString, 10);
  EXPECT_EQ(MessageOf<EDatabaseError>([&] { t.Open(); }), "Field 'Missing' not found");
  EXPECT_FALSE(t.Active());
  t.ClearFields();
  t.AddField("HotKey", ftString, 10);
  EXPECT_EQ(MessageOf<EDatabaseError>([&] { t.Open(); }),
            "Type mismatch for field 'HotKey', expecting: String actual: Integer");
}

TEST(TableFileTest, DeletedSlotsWithoutLiveRecordsSkipTheRecordSizeCheck) {
  tq::testing::TempDir dir;
  const std::string path = dir.File("t.qdk");
  // RecordSize in the header is wrong, but with no live records it is not checked.
  WriteBytes(path, HeaderBytes(4, 1, 0, 2, 2, 212) + ReplyDescriptorBytes() + ReplySlotBytes(-1, "x", "", "", 0) +
                       ReplySlotBytes(1, "y", "", "", 0));
  TBinaryDataSet t;
  t.SetTableName(path);
  t.Open();
  EXPECT_EQ(t.RecordCount(), 0);
  EXPECT_TRUE(t.Bof());
  EXPECT_TRUE(t.Eof());
  t.Last();
  EXPECT_TRUE(t.Eof());
  EXPECT_TRUE(t.IsEmpty());
}

TEST(TableFileTest, UnknownTypeCodesOpenButAreRefusedWhenUsed) {
  tq::testing::TempDir dir;
  const std::string path = dir.File("t.tbl");
  WriteBytes(path, HeaderBytes(2, 20, 1, 0, -1, 130) + DescriptorBytes("Odd", 12, 4, 0) +
                       DescriptorBytes("N", 3, 8, 0) + ByteWriter().I32(0).I32(0).I32(7).I32(42).I32(0).bytes());
  TBinaryDataSet t;
  t.SetTableName(path);
  t.Open();
  EXPECT_EQ(t.FieldByName("N").AsInteger(), 42);
  EXPECT_EQ(MessageOf<EBinaryDataSetError>([&] { t.FieldByName("Odd").AsString(); }),
            "Field 'Odd' has the unsupported type code 12.");
  t.Edit();
  EXPECT_THROW(t.FieldByName("Odd").SetAsInteger(1), EBinaryDataSetError);
  EXPECT_FALSE(t.Modified());
  EXPECT_THROW(t.SortTable({"Odd"}), EBinaryDataSetError);
  EXPECT_EQ(MessageOf<EDatabaseError>([&] { t.FieldByName("Nope"); }), "Field 'Nope' not found");
}

TEST(TableFileTest, FieldsAreNeverEmpty) {
  tq::testing::TempDir dir;
  TBinaryDataSet t;
  t.SetTableName(dir.File("t.tbl"));
  t.FieldDefs() = {{"B", ftBoolean}, {"I", ftInteger}};
  t.CreateTable();
  std::vector<std::string> shown;
  t.OnMessage = [&](const std::string& m) { shown.push_back(m); };
  t.Open();
  t.Insert();
  t.FieldByName("B").SetAsBoolean(true);
  t.FieldByName("I").SetAsInteger(5);
  EXPECT_FALSE(t.FieldByName("B").IsNull());
  EXPECT_FALSE(t.FieldByName("I").IsNull());
  t.FieldByName("B").Clear();
  t.FieldByName("I").Clear();
  EXPECT_FALSE(t.FieldByName("B").AsBoolean());
  EXPECT_EQ(t.FieldByName("I").AsInteger(), 5);
  EXPECT_EQ(shown, (std::vector<std::string>{"very bad error in get field data", "Very bad error in setfield data"}));
  t.Close();
  EXPECT_THROW(t.Field(0), std::exception);  // fields made for the open table are gone
}

}  // namespace
}  // namespace tq::storage
