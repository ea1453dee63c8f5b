#include "storage/table_check.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "storage/errors.h"
#include "storage/field_types.h"
#include "storage/one_line.h"
#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"
#include "storage/table_layout.h"

namespace tq::storage {

namespace {

constexpr size_t kMaxSlotProblems = 20;

std::string Slot(int64_t slot) {
  return "slot " + std::to_string(slot) + " (record number " + std::to_string(slot + 1) + ")";
}

void CheckDescriptors(const TableLayout& layout, TableCheckReport* report) {
  std::set<std::string> names;
  for (size_t i = 0; i < layout.descriptors.size(); ++i) {
    const TFieldDescriptor& d = layout.descriptors[i];
    const std::string label = "Field " + std::to_string(i + 1) + " '" + d.Name + "'";
    if (d.Name.empty()) report->problems.push_back(label + " has no name.");
    if (d.Name.size() > static_cast<size_t>(kMaxFieldNameLength))
      report->problems.push_back(label + " has no terminating zero in its name.");
    std::string upper = d.Name;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (!names.insert(upper).second) report->problems.push_back(label + " has the name of an earlier field.");
    const auto type = static_cast<TFieldType>(d.DataType);
    if (!IsSupportedFieldType(type)) {
      report->problems.push_back(label + " has the unsupported type code " + std::to_string(d.DataType) + ".");
      continue;
    }
    const int32_t expected = StorageSizeOf(type, type == ftString ? d.Size : 0);
    if (d.StorageSize != expected)
      report->problems.push_back(label + " occupies " + std::to_string(d.StorageSize) + " bytes; its type needs " +
                                 std::to_string(expected) + ".");
    if (type != ftString && d.Size != 0)
      report->notes.push_back(label + " declares a size of " + std::to_string(d.Size) + " for a type without one.");
  }
}

bool IsReplyLayout(const TableLayout& layout) {
  if (layout.descriptors.size() != std::size(kReplyFields)) return false;
  for (size_t i = 0; i < std::size(kReplyFields); ++i) {
    const TFieldDescriptor& d = layout.descriptors[i];
    const ReplyField& f = kReplyFields[i];
    if (d.Name != f.name || d.DataType != f.type || d.StorageSize != StorageSizeOf(f.type, f.size) || d.Size != f.size)
      return false;
  }
  return true;
}

void CheckSlots(platform::File& file, const TableLayout& layout, int64_t fileSize, TableCheckReport* report) {
  const TDataFileHeader& h = layout.header;
  const int64_t complete = std::max<int64_t>(0, (fileSize - h.StartData) / layout.recordSize);
  std::vector<int32_t> nextFree(static_cast<size_t>(complete));
  std::vector<uint8_t> slot(static_cast<size_t>(layout.recordSize));
  int64_t live = 0, reserved = 0;
  size_t slotProblems = 0;
  auto slotProblem = [&](const std::string& text) {
    if (++slotProblems <= kMaxSlotProblems) report->problems.push_back(text);
  };
  for (int64_t s = 0; s < complete; ++s) {
    if (!file.ReadExact(layout.SlotOffset(s), slot.data(), slot.size())) {
      report->problems.push_back("The file could not be read at " + Slot(s) + ".");
      return;
    }
    const TRecordHeader rh = DecodeRecordHeader(slot.data());
    nextFree[static_cast<size_t>(s)] = rh.NextFree;
    if (rh.Reserved != 0) ++reserved;
    if (rh.NextFree != 0) continue;
    ++live;
    for (size_t i = 0; i < layout.descriptors.size(); ++i) {
      const TFieldDescriptor& d = layout.descriptors[i];
      if (d.DataType != ftString || d.Size < 0 || d.StorageSize < 1) continue;
      const auto span = static_cast<size_t>(std::min<int64_t>(int64_t{d.Size} + 1, d.StorageSize));
      if (!std::memchr(slot.data() + layout.offsets[i], 0, span))
        slotProblem("The text of field '" + d.Name + "' in " + Slot(s) + " has no terminating zero.");
    }
    if (report->replyLayout) {
      auto text = [&](size_t i) {
        const auto* p = reinterpret_cast<const char*>(slot.data() + layout.offsets[i]);
        const auto span = static_cast<size_t>(layout.descriptors[i].Size);
        const void* end = std::memchr(p, 0, span);
        return std::string(p, end ? static_cast<const char*>(end) - p : span);
      };
      StoredReplyForm form = StoredReplyForm::kWindows1252;
      DecodeReplyTexts({text(0), text(1), text(2)}, &form);
      if (form == StoredReplyForm::kDamagedMarks)
        slotProblem("The reply in " + Slot(s) +
                    " has marker groups ({\\*\\tq...) in its Response that this program would not write so; it "
                    "reads as ordinary rich text.");
    }
  }
  if (slotProblems > kMaxSlotProblems)
    report->problems.push_back("... and " + std::to_string(slotProblems - kMaxSlotProblems) +
                               " more problems in records.");
  if (reserved) report->notes.push_back(std::to_string(reserved) + " slots have a non-zero reserved word.");
  if (live != h.RecordCount)
    report->problems.push_back("The header counts " + std::to_string(h.RecordCount) + " live records; the file holds " +
                               std::to_string(live) + ".");

  // The free list: every slot on it deleted, no slot twice, every deleted
  // slot on it, its length the deleted count.
  std::set<int64_t> listed;
  int64_t length = 0;
  for (int32_t next = h.FirstFree; next > 0;) {
    const int64_t s = int64_t{next} - 1;
    if (s >= complete) {
      report->problems.push_back("The free list points past the last slot (to record number " + std::to_string(next) +
                                 ").");
      break;
    }
    if (!listed.insert(s).second) {
      report->problems.push_back("The free list runs in a circle at " + Slot(s) + ".");
      break;
    }
    ++length;
    if (nextFree[static_cast<size_t>(s)] == 0) {
      report->problems.push_back("The free list holds the live record in " + Slot(s) + ".");
      break;
    }
    next = nextFree[static_cast<size_t>(s)];
  }
  int64_t unlisted = 0;
  for (int64_t s = 0; s < complete; ++s)
    if (nextFree[static_cast<size_t>(s)] != 0 && !listed.count(s)) ++unlisted;
  if (unlisted) report->problems.push_back(std::to_string(unlisted) + " deleted slots are not on the free list.");
  if (length != h.DeletedCount)
    report->problems.push_back("The header counts " + std::to_string(h.DeletedCount) +
                               " deleted slots; the free list holds " + std::to_string(length) + ".");
}

}  // namespace

TableCheckReport CheckTableFile(platform::Env& env, const std::string& path) {
  TableCheckReport report;
  if (!env.FileExists(path)) {
    report.problems.push_back("Table file not found.");
    return report;
  }
  std::unique_ptr<platform::File> file;
  if (!env.OpenFile(path, platform::FileAccess::Read, platform::FileShare::ReadWrite,
                    platform::FileCreate::OpenExisting, &file)) {
    report.problems.push_back("Cannot open file " + path);
    return report;
  }
  int64_t size = 0;
  if (!file->Size(&size)) {
    report.problems.push_back("Stream read error");
    return report;
  }
  report.readable = true;
  TableLayout layout;
  try {
    ReadTableLayout(*file, &layout);
  } catch (const std::exception& e) {
    report.problems.push_back(e.what());
    return report;
  }
  report.replyLayout = IsReplyLayout(layout);
  if (!report.replyLayout) report.notes.push_back("The fields are not those of a reply library.");
  CheckDescriptors(layout, &report);
  bool slotsReadable = true;
  for (auto check : {+[](const TableLayout&l, int64_t) { CheckRecordSize(l); },
                     +[](const TableLayout&l, int64_t s) { CheckFileSize(l, s); },
                     +[](const TableLayout&l, int64_t) { CheckTableSanity(l); }}) {
    try {
      check(layout, size);
    } catch (const std::exception& e) {
      report.problems.push_back(OneLine(e.what()));
      slotsReadable = false;
      break;
    }
  }
  report.opens = slotsReadable;
  const TDataFileHeader& h = layout.header;
  // Without live records opening does not hold the header to its record
  // size, but a wrong one is still wrong (the engine puts it right on its
  // first write).
  if (h.RecordCount <= 0 && h.RecordSize != layout.recordSize)
    report.problems.push_back("The header gives a record size of " + std::to_string(h.RecordSize) +
                              "; the fields make " + std::to_string(layout.recordSize) + ".");
  if (h.StartData > StartDataFor(h.FieldCount))
    report.notes.push_back("The records start " + std::to_string(h.StartData - StartDataFor(h.FieldCount)) +
                           " bytes after the field descriptors.");
  switch (ClassifyCheckBlock(h.PasswordCheck)) {
    case CheckBlockState::Protected:
      report.notes.push_back("The table is protected by a password; its records were not checked.");
      return report;
    case CheckBlockState::NoPassword:
      report.notes.push_back("The table was given an empty password; its records are plain.");
      break;
    case CheckBlockState::NoPasswordChosen:
      break;
  }
  if (layout.recordSize > kRecordHeaderSize - 1 && layout.recordSize <= kMaxRecordSize && h.StartData >= 0 &&
      std::all_of(layout.descriptors.begin(), layout.descriptors.end(),
                  [](const TFieldDescriptor& d) { return d.StorageSize >= 0; }))
    CheckSlots(*file, layout, size, &report);
  return report;
}

}  // namespace tq::storage
