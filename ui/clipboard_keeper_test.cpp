#include "ui/clipboard_keeper.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ui/test_bitmap.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::SmallDib;
using testing::TestHost;

// What another program would read: the data of one format, or nothing.
std::optional<std::string> ReadAs(HWND reader, UINT format) {
  if (!OpenClipboard(reader)) return std::nullopt;
  std::optional<std::string> bytes;
  if (HANDLE data = GetClipboardData(format)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      bytes.emplace(p, GlobalSize(data));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return bytes;
}

void CopyText(HWND owner, const char* text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
  std::memcpy(GlobalLock(memory), text, std::strlen(text) + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

const ClipboardFormat* Find(const ClipboardContents& contents, UINT format) {
  for (const ClipboardFormat& f : contents) {
    if (f.format == format) return &f;
  }
  return nullptr;
}

TEST(ClipboardKeeper, WhatIsPutIsReadBackByteForByteWithTheBitmapMadeAgain) {
  TestHost host;
  const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
  const ClipboardContents put = {{CF_TEXT, std::string("Kept text\0", 10)},
                                 {rtf, std::string("{\\rtf1 Kept \\b text\\b0}\0", 24)},
                                 {CF_DIB, SmallDib()}};
  ClipboardKeeper keeper;
  ASSERT_TRUE(keeper.Put(put));
  EXPECT_TRUE(keeper.StillOurs());
  const std::optional<ClipboardContents> read = ReadClipboard(host.form.Handle());
  ASSERT_TRUE(read);
  for (const ClipboardFormat& f : put) {
    const ClipboardFormat* back = Find(*read, f.format);
    ASSERT_TRUE(back) << f.format;
    EXPECT_EQ(back->bytes, f.bytes) << f.format;
  }
  // CF_BITMAP is made from the DIB again, not kept on its own.
  EXPECT_EQ(Find(*read, CF_BITMAP), nullptr);
  ASSERT_TRUE(OpenClipboard(host.form.Handle()));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  CloseClipboard();

  // Put back as read, the clipboard holds the same again.
  ClipboardKeeper again;
  ASSERT_TRUE(again.Put(*read));
  EXPECT_EQ(ReadClipboard(host.form.Handle()), read);
}

TEST(ClipboardKeeper, AnOfferIsRenderedWhenReadAndCountsTheReads) {
  TestHost host;
  ClipboardKeeper keeper;
  ASSERT_TRUE(keeper.Offer({{CF_TEXT, std::string("Offered\0", 8)}}));
  EXPECT_EQ(keeper.Reads(), 0);
  EXPECT_TRUE(keeper.StillOurs());
  EXPECT_EQ(ReadAs(host.form.Handle(), CF_TEXT), std::string("Offered\0", 8));
  EXPECT_EQ(keeper.Reads(), 1);
  EXPECT_EQ(ReadAs(host.form.Handle(), CF_TEXT), std::string("Offered\0", 8)) << "rendered once, kept";
  EXPECT_EQ(keeper.Reads(), 1);
  EXPECT_TRUE(keeper.StillOurs());

  // Another copy takes the clipboard: the keeper knows it is no longer ours.
  CopyText(host.form.Handle(), "newer");
  EXPECT_FALSE(keeper.StillOurs());
  EXPECT_EQ(ReadAs(host.form.Handle(), CF_TEXT), std::string("newer\0", 6));
}

TEST(ClipboardKeeper, AnOfferNeverReadStaysOnTheClipboardWhenTheKeeperGoes) {
  TestHost host;
  auto keeper = std::make_unique<ClipboardKeeper>();
  ASSERT_TRUE(keeper->Offer({{CF_TEXT, std::string("Still here\0", 11)}}));
  keeper.reset();
  EXPECT_EQ(ReadAs(host.form.Handle(), CF_TEXT), std::string("Still here\0", 11));
}

}  // namespace
}  // namespace tq::ui
