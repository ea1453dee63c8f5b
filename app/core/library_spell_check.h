// Window-free parts of "Check Spelling of All Replies": what a corrected
// reply is stored as, and the message that ends the check.
#pragma once

#include <optional>
#include <string>

#include "library/reply_record.h"

namespace tq::app {

// The text to store for a reply after its check: the corrected rich text
// for a formatted reply (its formatting kept), the corrected plain text for
// a plain one; none when the corrected text, in the form the library stores
// it with the reply's names, no longer fits the library.
std::optional<std::string> CorrectedResponse(const library::ReplyRecord& reply, const std::string& rtf,
                                             const std::string& plain);

// The message at the end of the check: complete or cancelled, how many
// replies were changed, and how many corrected replies could not be stored.
std::string LibraryCheckSummary(bool cancelled, int changed, int notStored);

// The spell-check dialog's caption while it checks a reply.
std::string LibraryCheckCaption(const std::string& description, int index, int count);

}  // namespace tq::app
