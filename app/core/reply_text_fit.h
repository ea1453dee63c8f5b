// Whether a reply text fits the library's Response field, which keeps at
// most kResponseSize bytes of the stored form (storage/reply_text_codec.h:
// one byte per character of Windows-1252 text, escapes and marks for any
// other). Rich text cut short would no longer read as
// rich text, so a text that does not fit is never stored: the dialog either
// offers the plain text instead or asks for a shorter text.
#pragma once

#include <cstddef>
#include <string>

namespace tq::app {

enum class ReplyStoreAction {
  kStoreRich,   // the rich text fits
  kStorePlain,  // plain text was asked for and fits
  kOfferPlain,  // the rich text is too long but the plain text fits
  kTooLong,     // even the plain text is too long
};

struct ReplyStorePlan {
  ReplyStoreAction action = ReplyStoreAction::kStorePlain;
  // For kOfferPlain the rich text's excess, for kTooLong the plain text's.
  size_t excess = 0;
  bool operator==(const ReplyStorePlan&) const = default;
};

// The plan for storing a text whose rich form is stored in rich_length bytes
// and whose plain form (lines joined by CR LF) in plain_length
// (storage::StoredResponseSize of the whole reply), with or without
// formatting as the user chose.
ReplyStorePlan PlanReplyStorage(bool with_formatting, size_t rich_length, size_t plain_length);

// The question for kOfferPlain and the message for kTooLong.
std::string OfferPlainQuestion(size_t excess);
std::string TooLongMessage(size_t excess, bool with_formatting);

}  // namespace tq::app
