#include "app/core/hand_over.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tq::app {
namespace {

TEST(HandOver, PathRoundTripsThroughTheBuffer) {
  const std::string path = "C:\\Replies\\Work.qdk";
  const auto buffer = HandOverBuffer(path);
  EXPECT_EQ(buffer[path.size()], '\0');
  EXPECT_EQ(buffer.back(), '\0');
  EXPECT_EQ(ReceivedHandOverPath(buffer.data(), path.size() + 1), path);
  // The sender may give the whole buffer; the zero still ends the path.
  EXPECT_EQ(ReceivedHandOverPath(buffer.data(), buffer.size()), path);
}

TEST(HandOver, LongestPathFitsAndOneMoreIsRefused) {
  EXPECT_TRUE(FitsHandOver(std::string(259, 'a')));
  EXPECT_FALSE(FitsHandOver(std::string(260, 'a')));
  const auto buffer = HandOverBuffer(std::string(259, 'a'));
  EXPECT_EQ(ReceivedHandOverPath(buffer.data(), buffer.size()), std::string(259, 'a'));
}

TEST(HandOver, NoDataIsTheShowMessage) {
  const char byte = 'x';
  EXPECT_EQ(ReceivedHandOverPath(nullptr, 0), std::nullopt);
  EXPECT_EQ(ReceivedHandOverPath(nullptr, 12), std::nullopt);
  EXPECT_EQ(ReceivedHandOverPath(&byte, 0), std::nullopt);
}

TEST(HandOver, UnterminatedDataIsReadOnlyUpToItsSize) {
  // Bytes after the declared size must never be looked at: fill them with
  // text that would show up in the result if they were.
  std::vector<char> block = {'a', 'b', 'c', 'X', 'Y', 'Z', '\0'};
  EXPECT_EQ(ReceivedHandOverPath(block.data(), 3), "abc");
  // The exact-size heap block lets a sanitizer catch a read past its end.
  std::vector<char> exact = {'d', 'e', 'f'};
  EXPECT_EQ(ReceivedHandOverPath(exact.data(), exact.size()), "def");
}

TEST(HandOver, RequestsWaitForTheStartUpAndLibrariesForTheDialog) {
  struct Case {
    HandOverRequest request;
    bool started, dialog_open, waits;
  };
  const Case cases[] = {
      {HandOverRequest::Show, false, false, true},
      {HandOverRequest::Show, true, false, false},
      {HandOverRequest::Show, true, true, false},
      {HandOverRequest::OpenLibrary, false, false, true},
      {HandOverRequest::OpenLibrary, true, false, false},
      {HandOverRequest::OpenLibrary, true, true, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HandOverWaits(c.request, c.started, c.dialog_open), c.waits)
        << (c.request == HandOverRequest::Show ? "show" : "library") << ", started " << c.started << ", dialog "
        << c.dialog_open;
}

}  // namespace
}  // namespace tq::app
