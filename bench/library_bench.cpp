// The reply library engine over a library of 10,000 replies: creating it
// record by record, opening and walking it, one insert (appended and into a
// freed slot), edit and delete, and the main window's way to a reply index
// (First, then MoveBy). Prints time and the bytes each operation read and
// wrote, as counted by the platform's fault-injecting Env.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/fault_env.h"
#include "storage/binary_data_set.h"
#include "storage/reply_layout.h"

namespace {

using namespace tq;
using storage::TBinaryDataSet;

constexpr int kReplies = 10000;

struct Counters {
  double seconds;
  int64_t read, written;
};

Counters Measure(platform::FaultEnv& env, const std::function<void()>& op) {
  const int64_t r0 = env.bytesRead(), w0 = env.bytesWritten();
  const auto t0 = std::chrono::steady_clock::now();
  op();
  const auto t1 = std::chrono::steady_clock::now();
  return {std::chrono::duration<double>(t1 - t0).count(), env.bytesRead() - r0, env.bytesWritten() - w0};
}

void Print(const char* what, const Counters& c, int per = 1) {
  std::printf("%-44s %12.1f us %14lld %14lld\n", what, c.seconds * 1e6 / per, static_cast<long long>(c.read / per),
              static_cast<long long>(c.written / per));
}

void SetReply(TBinaryDataSet& t, int i) {
  t.FieldByName(storage::kCategoryField).SetAsString("Category " + std::to_string(i % 25));
  t.FieldByName(storage::kDescriptionField).SetAsString("Reply number " + std::to_string(i));
  t.FieldByName(storage::kResponseField)
      .SetAsString("Dear customer,\r\nthank you for your message number " + std::to_string(i) +
                   ". We will answer it within two working days.\r\nKind regards");
  t.FieldByName(storage::kHotKeyField).SetAsInteger(i % 50 ? 0 : 0x4041 + i % 26);
}

}  // namespace

int main() {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tq_library_bench";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "replies.qdk").string();
  platform::FaultEnv env(platform::Env::Default());
  TBinaryDataSet t(env);
  t.SetTableName(path);
  storage::DeclareReplyFields(t);

  std::printf("Reply library of %d replies (%d bytes per record)\n\n", kReplies, storage::kReplyRecordSize);
  std::printf("%-44s %15s %14s %14s\n", "operation", "time", "bytes read", "bytes written");

  Print("create the empty library", Measure(env, [&] { t.CreateTable(); }));
  t.Open();
  Print("insert + post, per reply (10,000 appended)",
        Measure(env,
                [&] {
                  for (int i = 0; i < kReplies; ++i) {
                    t.Insert();
                    SetReply(t, i);
                    t.Post();
                  }
                }),
        kReplies);
  t.Close();

  int walked = 0;
  Print("open", Measure(env, [&] { t.Open(); }));
  const Counters walk = Measure(env, [&] {
    for (t.First(); !t.Eof(); t.Next()) {
      walked += !t.FieldByName(storage::kDescriptionField).AsString().empty();
      t.FieldByName(storage::kHotKeyField).AsInteger();
    }
  });
  Print("walk all (First, Next to Eof, reading fields)", walk);
  Print("  per record of the walk", walk, walked);

  Print("First + MoveBy(9999) to the last reply", Measure(env, [&] {
          t.First();
          t.MoveBy(kReplies - 1);
        }));
  Print("insert + post one more (appended)", Measure(env, [&] {
          t.Insert();
          SetReply(t, kReplies);
          t.Post();
        }));
  t.First();
  t.MoveBy(kReplies / 2);
  Print("edit + post one (the 5,000th)", Measure(env, [&] {
          t.Edit();
          t.FieldByName(storage::kDescriptionField).SetAsString("Edited");
          t.Post();
        }));
  Print("delete one (the 5,000th)", Measure(env, [&] { t.Delete(); }));
  Print("insert + post one (into the freed slot)", Measure(env, [&] {
          t.Insert();
          SetReply(t, kReplies + 1);
          t.Post();
        }));
  Print("sort by Category, Description", Measure(env, [&] { t.SortTable({"Category", "Description"}); }));
  t.Close();
  Print("pack (closed)", Measure(env, [&] { t.PackTable(); }));

  std::printf("\nfile: %lld bytes, %d replies walked\n", static_cast<long long>(std::filesystem::file_size(path)),
              walked);
  std::filesystem::remove_all(dir);
  return 0;
}
