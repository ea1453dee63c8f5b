#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tq::cli::json {

const Value* Value::Find(std::string_view key) const {
  for (const auto& [k, v] : object)
    if (k == key) return &v;
  return nullptr;
}

namespace {

constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Document(Value* out, std::string* error) {
    SkipBlanks();
    if (!ParseValue(out, 0)) return Fail(error);
    SkipBlanks();
    if (pos_ != text_.size()) {
      problem_ = "unexpected text after the end of the document";
      return Fail(error);
    }
    return true;
  }

 private:
  bool Fail(std::string* error) {
    size_t line = 1, column = 1;
    for (size_t i = 0; i < pos_ && i < text_.size(); ++i) {
      if (text_[i] == '\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    *error = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + problem_;
    return false;
  }

  bool Problem(const char* what) {
    problem_ = what;
    return false;
  }

  void SkipBlanks() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }

  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return Problem("unknown word");
    pos_ += word.size();
    return true;
  }

  bool ParseValue(Value* v, int depth) {
    if (depth > kMaxDepth) return Problem("nested too deeply");
    if (pos_ >= text_.size()) return Problem("unexpected end of the text");
    switch (text_[pos_]) {
      case '{':
        return ParseObject(v, depth);
      case '[':
        return ParseArray(v, depth);
      case '"':
        v->type = Value::Type::String;
        return ParseString(&v->string);
      case 't':
        v->type = Value::Type::Bool;
        v->boolean = true;
        return Literal("true");
      case 'f':
        v->type = Value::Type::Bool;
        return Literal("false");
      case 'n':
        v->type = Value::Type::Null;
        return Literal("null");
      default:
        return ParseNumber(v);
    }
  }

  bool ParseObject(Value* v, int depth) {
    v->type = Value::Type::Object;
    ++pos_;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '}') {
      ++pos_;
      return true;
    }
    for (;;) {
      SkipBlanks();
      if (pos_ >= text_.size() || text_[pos_] != '"') return Problem("expected a member name in quotes");
      std::string key;
      if (!ParseString(&key)) return false;
      SkipBlanks();
      if (pos_ >= text_.size() || text_[pos_] != ':') return Problem("expected ':' after a member name");
      ++pos_;
      SkipBlanks();
      Value member;
      if (!ParseValue(&member, depth + 1)) return false;
      v->object.push_back({std::move(key), std::move(member)});
      SkipBlanks();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == '}') {
        ++pos_;
        return true;
      }
      return Problem("expected ',' or '}'");
    }
  }

  bool ParseArray(Value* v, int depth) {
    v->type = Value::Type::Array;
    ++pos_;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ']') {
      ++pos_;
      return true;
    }
    for (;;) {
      SkipBlanks();
      Value item;
      if (!ParseValue(&item, depth + 1)) return false;
      v->array.push_back(std::move(item));
      SkipBlanks();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == ']') {
        ++pos_;
        return true;
      }
      return Problem("expected ',' or ']'");
    }
  }

  bool Hex4(uint32_t* cp) {
    if (pos_ + 4 > text_.size()) return Problem("incomplete \\u escape");
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      char c = text_[pos_++];
      v <<= 4;
      if (c >= '0' && c <= '9')
        v |= static_cast<uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f')
        v |= static_cast<uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        v |= static_cast<uint32_t>(c - 'A' + 10);
      else
        return Problem("bad hexadecimal digit in a \\u escape");
    }
    *cp = v;
    return true;
  }

  static void AppendUtf8(std::string* out, uint32_t cp) {
    if (cp < 0x80) {
      *out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      *out += static_cast<char>(0xC0 | (cp >> 6));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      *out += static_cast<char>(0xE0 | (cp >> 12));
      *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *out += static_cast<char>(0xF0 | (cp >> 18));
      *out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool ParseString(std::string* out) {
    ++pos_;  // the opening quote
    for (;;) {
      if (pos_ >= text_.size()) return Problem("unterminated string");
      char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) {
        --pos_;
        return Problem("control character in a string (escape it)");
      }
      if (c != '\\') {
        *out += c;
        continue;
      }
      if (pos_ >= text_.size()) return Problem("unterminated string");
      c = text_[pos_++];
      switch (c) {
        case '"':
        case '\\':
        case '/':
          *out += c;
          break;
        case 'b':
          *out += '\b';
          break;
        case 'f':
          *out += '\f';
          break;
        case 'n':
          *out += '\n';
          break;
        case 'r':
          *out += '\r';
          break;
        case 't':
          *out += '\t';
          break;
        case 'u': {
          uint32_t cp;
          if (!Hex4(&cp)) return false;
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            uint32_t low;
            if (text_.substr(pos_, 2) != "\\u") return Problem("lone surrogate in a \\u escape");
            pos_ += 2;
            if (!Hex4(&low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Problem("lone surrogate in a \\u escape");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return Problem("lone surrogate in a \\u escape");
          }
          AppendUtf8(out, cp);
          break;
        }
        default:
          --pos_;
          return Problem("unknown escape in a string");
      }
    }
  }

  bool ParseNumber(Value* v) {
    size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    auto digits = [&] {
      size_t from = pos_;
      while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    if (!digits()) return Problem("expected a value");
    if (pos_ < text_.size() && text_[pos_] == '.' && (++pos_, !digits())) return Problem("bad number");
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (!digits()) return Problem("bad number");
    }
    v->type = Value::Type::Number;
    v->string = std::string(text_.substr(start, pos_ - start));
    auto [end, ec] = std::from_chars(v->string.data(), v->string.data() + v->string.size(), v->number);
    if (ec != std::errc() || end != v->string.data() + v->string.size() || !std::isfinite(v->number))
      return Problem("number out of range");
    return true;
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::string problem_;
};

}  // namespace

bool Parse(std::string_view text, Value* out, std::string* error) {
  *out = Value();
  return Parser(text).Document(out, error);
}

std::string Quote(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace tq::cli::json
