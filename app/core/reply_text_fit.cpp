#include "app/core/reply_text_fit.h"

#include "library/reply_record.h"

namespace tq::app {
namespace {

constexpr size_t kCapacity = static_cast<size_t>(library::kResponseSize);

std::string Characters(size_t n) { return std::to_string(n) + (n == 1 ? " character" : " characters"); }

}  // namespace

ReplyStorePlan PlanReplyStorage(bool with_formatting, size_t rich_length, size_t plain_length) {
  if (with_formatting && rich_length <= kCapacity) return {ReplyStoreAction::kStoreRich, 0};
  if (plain_length > kCapacity) return {ReplyStoreAction::kTooLong, plain_length - kCapacity};
  if (with_formatting) return {ReplyStoreAction::kOfferPlain, rich_length - kCapacity};
  return {ReplyStoreAction::kStorePlain, 0};
}

std::string OfferPlainQuestion(size_t excess) {
  return "The formatted reply text is " + Characters(excess) +
         " too long to be stored.  Save it as plain text instead?";
}

std::string TooLongMessage(size_t excess, bool with_formatting) {
  return "The reply text is " + Characters(excess) + " too long to be stored" +
         (with_formatting ? ", even without its formatting" : "") + ".  A reply can hold at most " +
         std::to_string(kCapacity) + " characters.";
}

}  // namespace tq::app
