#include "app/core/hand_over.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tq::app {
namespace {

TEST(HandOver, PathsRoundTripAsUtf8) {
  // ASCII, Windows-1252 letters, Greek and CJK, a character beyond the BMP
  // and a combining mark: all arrive as they were sent.
  const std::string paths[] = {
      "C:\\Replies\\Work.qdk",
      "C:\\R\xC3\xA9ponses\\Caf\xC3\xA9.qdk",
      "D:\\\xCE\x91\xCF\x80\xCE\xAC\xCE\xBD\xCF\x84\xCE\xB7\xCF\x83\xCE\xB7\\\xE6\x96\x87.qdk",
      "\\\\server\\\xF0\x9F\x98\x80\\e\xCC\x81.qdk",
  };
  for (const std::string& path : paths) {
    const std::string data = HandOverData(path);
    ASSERT_EQ(data.size(), path.size() + 1);
    EXPECT_EQ(data.back(), '\0');
    EXPECT_EQ(ReceivedHandOverPath(kHandOverUtf8Tag, data.data(), data.size()), (ReceivedHandOver{path, false}));
  }
}

TEST(HandOver, TheOlderProgramsMessageIsReadAsAnsi) {
  // Its zero-filled 260-byte buffer, all of it given, with dwData 0.
  char buffer[260] = {};
  const std::string path = "C:\\Caf\xE9.qdk";  // Windows-1252 bytes
  path.copy(buffer, path.size());
  EXPECT_EQ(ReceivedHandOverPath(0, buffer, sizeof buffer), (ReceivedHandOver{path, true}));
}

TEST(HandOver, LongestPathCountsCharactersNotBytes) {
  struct Case {
    std::string path;
    bool fits;
  };
  const std::string cjk = "\xE6\x96\x87";        // one UTF-16 unit, three bytes
  const std::string emoji = "\xF0\x9F\x98\x80";  // two UTF-16 units, four bytes
  std::string cjk259, cjk260;
  for (int i = 0; i < 259; ++i) cjk259 += cjk;
  cjk260 = cjk259 + cjk;
  const Case cases[] = {
      {std::string(259, 'a'), true},
      {std::string(260, 'a'), false},
      {cjk259, true},
      {cjk260, false},
      {std::string(257, 'a') + emoji, true},
      {std::string(258, 'a') + emoji, false},
  };
  for (const Case& c : cases) EXPECT_EQ(FitsHandOver(c.path), c.fits) << c.path.size() << " bytes";
}

TEST(HandOver, NoDataIsTheShowMessage) {
  const char byte = 'x';
  EXPECT_EQ(ReceivedHandOverPath(0, nullptr, 0), std::nullopt);
  EXPECT_EQ(ReceivedHandOverPath(kHandOverUtf8Tag, nullptr, 12), std::nullopt);
  EXPECT_EQ(ReceivedHandOverPath(kHandOverUtf8Tag, &byte, 0), std::nullopt);
}

TEST(HandOver, UnterminatedDataIsReadOnlyUpToItsSize) {
  // Bytes after the declared size must never be looked at: fill them with
  // text that would show up in the result if they were.
  std::vector<char> block = {'a', 'b', 'c', 'X', 'Y', 'Z', '\0'};
  EXPECT_EQ(ReceivedHandOverPath(kHandOverUtf8Tag, block.data(), 3)->path, "abc");
  // The exact-size heap block lets a sanitizer catch a read past its end.
  std::vector<char> exact = {'d', 'e', 'f'};
  EXPECT_EQ(ReceivedHandOverPath(kHandOverUtf8Tag, exact.data(), exact.size())->path, "def");
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
