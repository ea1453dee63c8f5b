// Replies to and from JSON and CSV, the exchange formats of quillet export
// and import (UTF-8 text; the hotkey as a number and, where it has one, its
// text form).
//
// JSON: {"replies": [{"category": ..., "description": ..., "response": ...,
// "hotkey": 16466, "hotkey_text": "Ctrl+Alt+R"}, ...]}. On import "hotkey"
// may also be a text form, "hotkey_text" is used only without "hotkey", and
// a bare array of replies is accepted too.
//
// CSV: a header row category,description,response,hotkey (any order, any
// letter case, missing columns empty), then one row per reply; the hotkey
// as its text form, or a number when it has none, empty for none.
#pragma once

#include <string>
#include <vector>

#include "cli/library_records.h"

namespace tq::cli {

std::string RepliesToJson(const std::vector<ReplyData>& replies);
std::string RepliesToCsv(const std::vector<ReplyData>& replies);

// Each fills *replies and returns true, or returns false with one message
// per problem in *problems ("reply 3: ..."). Texts are not yet checked
// against what the library can hold (CheckReply does that).
bool RepliesFromJson(const std::string& text, std::vector<ReplyData>* replies, std::vector<std::string>* problems);
bool RepliesFromCsv(const std::string& text, std::vector<ReplyData>* replies, std::vector<std::string>* problems);

}  // namespace tq::cli
