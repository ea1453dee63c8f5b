#include "library/reply_record.h"

#include <string>

#include "storage/reply_layout.h"

namespace tq::library {

bool IsFormattedResponse(std::string_view response) { return storage::IsFormattedReply(std::string(response)); }

}  // namespace tq::library
