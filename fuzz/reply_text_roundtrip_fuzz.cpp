// The reply codec's round trip, from arbitrary records: the input is the
// category, description and response separated by zero bytes, taken when it
// is UTF-8. Whenever the record fits (names of at most 32 UTF-16 units, a
// stored Response of at most 4096 bytes) the stored fields fit theirs, and
// reading them gives the record back: exactly, but for a rich reply's RTF,
// whose characters Windows-1252 cannot hold come back as \uN? escapes and
// must then stay as they are. A text that holds the codec's own marker
// control words ("\*\tq") is outside the property: a reader cannot tell it
// from the codec's marks.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/utf16.h"
#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"

namespace {

using namespace tq;

std::string Part(std::string_view* rest) {
  const size_t end = rest->find('\0');
  std::string part(rest->substr(0, end));
  rest->remove_prefix(end == std::string_view::npos ? rest->size() : end + 1);
  return part;
}

bool IsUtf8(const std::string& text) { return platform::Utf16ToUtf8(platform::Utf8ToUtf16(text)) == text; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  storage::ReplyTexts texts;
  texts.category = Part(&rest);
  texts.description = Part(&rest);
  texts.response = Part(&rest);
  if (!IsUtf8(texts.category) || !IsUtf8(texts.description) || !IsUtf8(texts.response)) return -1;
  if (texts.response.find("\\*\\tq") != std::string::npos) return -1;
  if (storage::Utf16Length(texts.category) > storage::kReplyNameUnits ||
      storage::Utf16Length(texts.description) > storage::kReplyNameUnits)
    return -1;
  const storage::ReplyTexts stored = storage::EncodeReplyTexts(texts);
  if (stored.response.size() != storage::StoredResponseSize(texts)) std::abort();
  if (stored.response.size() > static_cast<size_t>(storage::kResponseSize)) return 0;
  if (stored.category.size() > static_cast<size_t>(storage::kCategorySize) ||
      stored.description.size() > static_cast<size_t>(storage::kDescriptionSize))
    std::abort();
  for (const std::string* field : {&stored.category, &stored.description, &stored.response})
    if (field->find('\0') != std::string::npos) std::abort();
  const storage::ReplyTexts back = storage::DecodeReplyTexts(stored);
  if (back.category != texts.category || back.description != texts.description) std::abort();
  if (storage::IsFormattedReply(texts.response)) {
    if (storage::EncodeReplyTexts(back) != stored) std::abort();
  } else if (back.response != texts.response) {
    std::abort();
  }
  return 0;
}
