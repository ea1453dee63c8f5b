#include "app/core/text_file_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tq::app {
namespace {

TEST(TextFileText, EachFormAnEditorSavesReadsAsTheSameText) {
  // "Café Ω 😀" in every form.
  const std::string text = "Caf\xC3\xA9 \xCE\xA9 \xF0\x9F\x98\x80";
  struct Case {
    const char* form;
    std::string bytes, text;
  };
  const Case cases[] = {
      {"UTF-8", text, text},
      {"UTF-8 with its mark", "\xEF\xBB\xBF" + text, text},
      {"UTF-16 LE with its mark", std::string("\xFF\xFE\x43\0a\0f\0\xE9\0 \0\xA9\x03 \0\x3D\xD8\x00\xDE", 20), text},
      {"UTF-16 BE with its mark", std::string("\xFE\xFF\0C\0a\0f\0\xE9\0 \x03\xA9\0 \xD8\x3D\xDE\x00", 20), text},
      {"Windows-1252", "Caf\xE9 \x80 \x93quoted\x94", "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D"},
      // One byte that cannot be UTF-8 makes the whole file Windows-1252.
      {"mixed", "\xC3\xA9 and \xE9", "\xC3\x83\xC2\xA9 and \xC3\xA9"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TextFileText(c.bytes), c.text) << c.form;
}

}  // namespace
}  // namespace tq::app
