#include "cli/library_transfer.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "cli/csv.h"
#include "cli/json.h"

namespace tq::cli {

std::string RepliesToJson(const std::vector<ReplyData>& replies) {
  std::string out = "{\n  \"replies\": [";
  for (size_t i = 0; i < replies.size(); ++i) {
    const ReplyData& r = replies[i];
    out += i ? ",\n    {\n" : "\n    {\n";
    out += "      \"category\": " + json::Quote(r.category) + ",\n";
    out += "      \"description\": " + json::Quote(r.description) + ",\n";
    out += "      \"response\": " + json::Quote(r.response) + ",\n";
    out += "      \"hotkey\": " + std::to_string(r.hotkey) + ",\n";
    out += "      \"hotkey_text\": " + json::Quote(HotKeyOutText(r.hotkey)) + "\n    }";
  }
  out += replies.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

std::string RepliesToCsv(const std::vector<ReplyData>& replies) {
  std::string out = csv::FormatRow({"category", "description", "response", "hotkey"});
  for (const ReplyData& r : replies)
    out += csv::FormatRow({r.category, r.description, r.response, HotKeyOutText(r.hotkey)});
  return out;
}

namespace {

bool ReadJsonReply(const json::Value& item, ReplyData* r, std::string* problem) {
  if (item.type != json::Value::Type::Object) {
    *problem = "is not an object";
    return false;
  }
  const json::Value* hotkeyText = nullptr;
  bool hasHotkey = false;
  for (const auto& [key, value] : item.object) {
    std::string* text = key == "category"      ? &r->category
                        : key == "description" ? &r->description
                        : key == "response"    ? &r->response
                                               : nullptr;
    if (text) {
      if (value.type != json::Value::Type::String) {
        *problem = key + " is not a string";
        return false;
      }
      *text = value.string;
    } else if (key == "hotkey") {
      hasHotkey = true;
      if (value.type == json::Value::Type::Number) {
        const double n = value.number;
        if (n != std::floor(n) || n < INT32_MIN || n > UINT32_MAX) {
          *problem = "hotkey " + value.string + " is not a 32-bit integer";
          return false;
        }
        r->hotkey = n < 0 ? static_cast<int32_t>(n) : static_cast<int32_t>(static_cast<uint32_t>(n));
      } else if (value.type == json::Value::Type::String) {
        if (!ParseHotKeyArgument(value.string, &r->hotkey, problem)) return false;
      } else {
        *problem = "hotkey is neither a number nor a text";
        return false;
      }
    } else if (key == "hotkey_text") {
      hotkeyText = &value;
    } else if (key != "index" && key != "record" && key != "formatted" && key != "length") {
      *problem = "has the unknown member '" + key + "'";
      return false;
    }
  }
  if (!hasHotkey && hotkeyText) {
    if (hotkeyText->type != json::Value::Type::String) {
      *problem = "hotkey_text is not a string";
      return false;
    }
    if (!ParseHotKeyArgument(hotkeyText->string, &r->hotkey, problem)) return false;
  }
  return true;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

}  // namespace

bool RepliesFromJson(const std::string& text, std::vector<ReplyData>* replies, std::vector<std::string>* problems) {
  replies->clear();
  json::Value doc;
  std::string error;
  if (!json::Parse(text, &doc, &error)) {
    problems->push_back(error);
    return false;
  }
  const json::Value* list = &doc;
  if (doc.type == json::Value::Type::Object) list = doc.Find("replies");
  if (!list || list->type != json::Value::Type::Array) {
    problems->push_back("expected an object with a \"replies\" array, or an array of replies");
    return false;
  }
  for (size_t i = 0; i < list->array.size(); ++i) {
    ReplyData r;
    std::string problem;
    if (ReadJsonReply(list->array[i], &r, &problem))
      replies->push_back(r);
    else
      problems->push_back("reply " + std::to_string(i + 1) + ": " + problem);
  }
  return problems->empty();
}

bool RepliesFromCsv(const std::string& text, std::vector<ReplyData>* replies, std::vector<std::string>* problems) {
  replies->clear();
  std::vector<csv::Row> rows;
  std::string error;
  if (!csv::Parse(text, &rows, &error)) {
    problems->push_back(error);
    return false;
  }
  // Blank lines carry nothing.
  rows.erase(std::remove_if(rows.begin(), rows.end(), [](const csv::Row& r) { return r.size() == 1 && r[0].empty(); }),
             rows.end());
  if (rows.empty()) {
    problems->push_back("no header row (category,description,response,hotkey)");
    return false;
  }
  enum Column { kCategory, kDescription, kResponse, kHotKey };
  std::vector<int> columns;
  for (const std::string& name : rows[0]) {
    const std::string n = Lower(name);
    int c = n == "category"      ? kCategory
            : n == "description" ? kDescription
            : n == "response"    ? kResponse
            : n == "hotkey"      ? kHotKey
                                 : -1;
    if (c < 0 || std::find(columns.begin(), columns.end(), c) != columns.end()) {
      problems->push_back("header: the column '" + name + "' is unknown or repeated");
      return false;
    }
    columns.push_back(c);
  }
  for (size_t i = 1; i < rows.size(); ++i) {
    const csv::Row& row = rows[i];
    const std::string where = "reply " + std::to_string(i) + ": ";
    if (row.size() != columns.size()) {
      problems->push_back(where + std::to_string(row.size()) + " fields, the header has " +
                          std::to_string(columns.size()));
      continue;
    }
    ReplyData r;
    std::string problem;
    bool ok = true;
    for (size_t k = 0; k < row.size(); ++k) {
      switch (columns[k]) {
        case kCategory:
          r.category = row[k];
          break;
        case kDescription:
          r.description = row[k];
          break;
        case kResponse:
          r.response = row[k];
          break;
        default:
          ok = ParseHotKeyArgument(row[k], &r.hotkey, &problem);
      }
    }
    if (ok)
      replies->push_back(r);
    else
      problems->push_back(where + problem);
  }
  return problems->empty();
}

}  // namespace tq::cli
