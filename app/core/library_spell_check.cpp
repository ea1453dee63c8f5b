#include "app/core/library_spell_check.h"

#include "app/core/reply_text_fit.h"
#include "storage/reply_text_codec.h"

namespace tq::app {

std::optional<std::string> CorrectedResponse(const library::ReplyRecord& reply, const std::string& rtf,
                                             const std::string& plain) {
  auto storedSize = [&](const std::string& response) {
    return storage::StoredResponseSize({reply.Category, reply.Description, response});
  };
  const bool formatted = library::IsFormattedResponse(reply.Response);
  const ReplyStorePlan plan = PlanReplyStorage(formatted, formatted ? storedSize(rtf) : 0, storedSize(plain));
  if (plan.action == ReplyStoreAction::kStoreRich) return rtf;
  if (plan.action == ReplyStoreAction::kStorePlain) return plain;
  // Storing the plain text of a rich reply would lose its formatting
  // without asking: the reply keeps its old text instead.
  return std::nullopt;
}

std::string LibraryCheckSummary(bool cancelled, int changed, int notStored) {
  std::string text = cancelled ? "The spelling check was cancelled; the corrections made before are kept."
                               : "The spelling check of all replies is complete.";
  text += "\r\n\r\nReplies changed: " + std::to_string(changed);
  if (notStored > 0)
    text += "\r\nReplies left as they were because the corrected text is too long: " + std::to_string(notStored);
  return text;
}

std::string LibraryCheckCaption(const std::string& description, int index, int count) {
  return "Spelling: " + description + " (" + std::to_string(index + 1) + " of " + std::to_string(count) + ")";
}

}  // namespace tq::app
