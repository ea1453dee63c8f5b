// The reply codec's reading of stored fields, from arbitrary bytes: the
// input is the Category, Description and Response fields separated by zero
// bytes, each cut to its field's size. Decoding must give UTF-8, and
// encoding what it gave must give the fields back byte for byte (reading a
// library never changes it); the RTF reader reads the decoded response too.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "library/reply_plain_text.h"
#include "platform/utf16.h"
#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"

namespace {

using namespace tq;

std::string Field(std::string_view* rest, size_t size) {
  const size_t end = rest->find('\0');
  std::string field(rest->substr(0, std::min(end, size)));
  rest->remove_prefix(end == std::string_view::npos ? rest->size() : end + 1);
  return field;
}

bool IsUtf8(const std::string& text) { return platform::Utf16ToUtf8(platform::Utf8ToUtf16(text)) == text; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  storage::ReplyTexts stored;
  stored.category = Field(&rest, storage::kCategorySize);
  stored.description = Field(&rest, storage::kDescriptionSize);
  stored.response = Field(&rest, storage::kResponseSize);
  storage::StoredReplyForm form;
  const storage::ReplyTexts texts = storage::DecodeReplyTexts(stored, &form);
  if (!IsUtf8(texts.category) || !IsUtf8(texts.description) || !IsUtf8(texts.response)) std::abort();
  if (storage::EncodeReplyTexts(texts) != stored) std::abort();
  if (!IsUtf8(library::ReplyPlainText(texts.response))) std::abort();
  return 0;
}
