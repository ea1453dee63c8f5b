#include "storage/field_value.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

#include "storage/byte_order.h"
#include "storage/date_time.h"
#include "storage/errors.h"

namespace tq::storage {

namespace {

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

std::string Trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

int32_t ParseInteger(const std::string& text) {
  std::string s = Trimmed(text);
  bool negative = !s.empty() && s[0] == '-';
  size_t pos = !s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0;
  int base = 10;
  if (s.compare(pos, 1, "$") == 0) {
    base = 16;
    pos += 1;
  } else if (s.compare(pos, 2, "0x") == 0 || s.compare(pos, 2, "0X") == 0) {
    base = 16;
    pos += 2;
  }
  int64_t magnitude = 0;
  const char* first = s.data() + pos;
  const char* last = s.data() + s.size();
  auto [end, ec] = std::from_chars(first, last, magnitude, base);
  if (first == last || ec != std::errc() || end != last || magnitude > int64_t{1} << 31 ||
      (!negative && magnitude > INT32_MAX))
    throw EConvertError(Quoted(text) + " is not a valid integer value");
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

double ParseFloat(const std::string& text) {
  std::string s = Trimmed(text);
  size_t pos = !s.empty() && s[0] == '+' ? 1 : 0;
  double value = 0;
  const char* first = s.data() + pos;
  const char* last = s.data() + s.size();
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (first == last || ec != std::errc() || end != last || !std::isfinite(value))
    throw EConvertError(Quoted(text) + " is not a valid floating point value");
  return value;
}

std::string FormatFloat(double value) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  return ec == std::errc() ? std::string(buf, end) : std::string("NAN");
}

void RangeError(const FieldLayout& f, double value, double lo, double hi) {
  throw EDatabaseError(FormatFloat(value) + " is not a valid value for field '" + f.name + "'. The allowed range is " +
                       FormatFloat(lo) + " to " + FormatFloat(hi));
}

[[noreturn]] void AccessError(const FieldLayout& f, const char* as) {
  throw EDatabaseError("Cannot access field '" + f.name + "' as type " + as);
}

// Stored date-time of a component-library date-time value, and back.
double StoredFromDelphi(double dt) {
  double days = std::floor(dt);
  double fraction = dt - days;
  return (days + kDelphiEpochDay) * kMsPerDay + std::round(fraction * kMsPerDay);
}
double DelphiFromStored(double stored) { return stored / kMsPerDay - kDelphiEpochDay; }

int32_t RoundToInt32(const FieldLayout& f, double value) {
  double r = std::nearbyint(value);
  if (!(r >= INT32_MIN && r <= INT32_MAX)) RangeError(f, value, INT32_MIN, INT32_MAX);
  return static_cast<int32_t>(r);
}

void StoreText(const FieldLayout& f, uint8_t* p, const std::string& value) {
  size_t n = std::min(value.size(), static_cast<size_t>(f.textCapacity));
  std::memcpy(p, value.data(), n);
  std::memset(p + n, 0, static_cast<size_t>(f.storage) - n);
}

}  // namespace

void CheckFieldUsable(const FieldLayout& f) {
  if (!IsSupportedFieldType(f.type))
    throw EBinaryDataSetError("Field '" + f.name + "' has the unsupported type code " +
                              std::to_string(static_cast<int>(f.type)) + ".");
  if (f.storage < MinimumStorageOf(f.type) ||
      (f.type == ftString && (f.textCapacity < 0 || f.textCapacity >= f.storage)))
    throw EBinaryDataSetError("Field '" + f.name + "' is too small for its type.");
}

std::string GetFieldString(const FieldLayout& f, const uint8_t* record) {
  CheckFieldUsable(f);
  const uint8_t* p = record + f.offset;
  switch (f.type) {
    case ftString: {
      const auto* end = static_cast<const uint8_t*>(std::memchr(p, 0, static_cast<size_t>(f.textCapacity)));
      size_t n = end ? static_cast<size_t>(end - p) : static_cast<size_t>(f.textCapacity);
      return std::string(reinterpret_cast<const char*>(p), n);
    }
    case ftSmallint:
      return std::to_string(LoadI16(p));
    case ftInteger:
      return std::to_string(LoadI32(p));
    case ftWord:
      return std::to_string(LoadU16(p));
    case ftBoolean:
      return LoadU16(p) ? "True" : "False";
    case ftFloat:
    case ftCurrency:
      return FormatFloat(LoadDouble(p));
    case ftDate: {
      auto s = FormatDayNumber(LoadI32(p));
      if (!s) throw EConvertError(Quoted(std::to_string(LoadI32(p))) + " is not a valid date");
      return *s;
    }
    case ftTime: {
      auto s = FormatTimeOfDay(LoadI32(p));
      if (!s) throw EConvertError(Quoted(std::to_string(LoadI32(p))) + " is not a valid time");
      return *s;
    }
    default: {  // ftDateTime
      auto s = FormatStoredDateTime(LoadDouble(p));
      if (!s) throw EConvertError(Quoted(FormatFloat(LoadDouble(p))) + " is not a valid date and time");
      return *s;
    }
  }
}

int32_t GetFieldInteger(const FieldLayout& f, const uint8_t* record) {
  CheckFieldUsable(f);
  const uint8_t* p = record + f.offset;
  switch (f.type) {
    case ftString:
      return ParseInteger(GetFieldString(f, record));
    case ftSmallint:
      return LoadI16(p);
    case ftWord:
      return LoadU16(p);
    case ftBoolean:
      return LoadU16(p) ? 1 : 0;
    case ftInteger:
    case ftDate:  // the day number
    case ftTime:  // milliseconds since midnight
      return LoadI32(p);
    case ftDateTime:  // the day number of the moment
      return RoundToInt32(f, std::floor(LoadDouble(p) / kMsPerDay));
    default:  // ftFloat, ftCurrency
      return RoundToInt32(f, LoadDouble(p));
  }
}

double GetFieldFloat(const FieldLayout& f, const uint8_t* record) {
  CheckFieldUsable(f);
  const uint8_t* p = record + f.offset;
  switch (f.type) {
    case ftString:
      return ParseFloat(GetFieldString(f, record));
    case ftFloat:
    case ftCurrency:
      return LoadDouble(p);
    case ftDate:
      return static_cast<double>(LoadI32(p)) - kDelphiEpochDay;
    case ftTime:
      return static_cast<double>(LoadI32(p)) / kMsPerDay;
    case ftDateTime:
      return DelphiFromStored(LoadDouble(p));
    default:
      return GetFieldInteger(f, record);
  }
}

bool GetFieldBoolean(const FieldLayout& f, const uint8_t* record) {
  CheckFieldUsable(f);
  switch (f.type) {
    case ftString: {
      std::string s = GetFieldString(f, record);
      return !s.empty() && std::strchr("YyTt1", s[0]) != nullptr;
    }
    case ftDate:
    case ftTime:
    case ftDateTime:
      AccessError(f, "Boolean");
    case ftFloat:
    case ftCurrency:
      return LoadDouble(record + f.offset) != 0;
    default:
      return GetFieldInteger(f, record) != 0;
  }
}

void SetFieldString(const FieldLayout& f, uint8_t* record, const std::string& value) {
  CheckFieldUsable(f);
  switch (f.type) {
    case ftString:
      StoreText(f, record + f.offset, value);
      return;
    case ftBoolean: {
      static const std::string kFalse = "False", kTrue = "True";
      auto prefixOf = [&](const std::string& word) {
        if (value.empty() || value.size() > word.size()) return false;
        for (size_t i = 0; i < value.size(); ++i)
          if (std::tolower(static_cast<unsigned char>(value[i])) != std::tolower(static_cast<unsigned char>(word[i])))
            return false;
        return true;
      };
      if (prefixOf(kFalse))
        SetFieldBoolean(f, record, false);
      else if (prefixOf(kTrue))
        SetFieldBoolean(f, record, true);
      else
        throw EConvertError(Quoted(value) + " is not a valid boolean value for field '" + f.name + "'");
      return;
    }
    case ftFloat:
    case ftCurrency:
      SetFieldFloat(f, record, ParseFloat(value));
      return;
    case ftDate: {
      auto day = ParseDayNumber(value);
      if (!day) throw EConvertError(Quoted(value) + " is not a valid date");
      StoreI32(record + f.offset, *day);
      return;
    }
    case ftTime: {
      auto ms = ParseTimeOfDay(value);
      if (!ms) throw EConvertError(Quoted(value) + " is not a valid time");
      StoreI32(record + f.offset, *ms);
      return;
    }
    case ftDateTime: {
      auto v = ParseStoredDateTime(value);
      if (!v) throw EConvertError(Quoted(value) + " is not a valid date and time");
      StoreDouble(record + f.offset, *v);
      return;
    }
    default:
      SetFieldInteger(f, record, ParseInteger(value));
  }
}

void SetFieldInteger(const FieldLayout& f, uint8_t* record, int32_t value) {
  CheckFieldUsable(f);
  uint8_t* p = record + f.offset;
  switch (f.type) {
    case ftString:
      StoreText(f, p, std::to_string(value));
      return;
    case ftSmallint:
      if (value < INT16_MIN || value > INT16_MAX) RangeError(f, value, INT16_MIN, INT16_MAX);
      StoreI16(p, static_cast<int16_t>(value));
      return;
    case ftWord:
      if (value < 0 || value > UINT16_MAX) RangeError(f, value, 0, UINT16_MAX);
      StoreU16(p, static_cast<uint16_t>(value));
      return;
    case ftBoolean:
      StoreU16(p, value != 0 ? 1 : 0);
      return;
    case ftInteger:
    case ftDate:
    case ftTime:
      StoreI32(p, value);
      return;
    case ftDateTime:
      StoreDouble(p, static_cast<double>(value) * kMsPerDay);
      return;
    default:
      StoreDouble(p, value);
  }
}

void SetFieldFloat(const FieldLayout& f, uint8_t* record, double value) {
  CheckFieldUsable(f);
  uint8_t* p = record + f.offset;
  switch (f.type) {
    case ftString:
      StoreText(f, p, FormatFloat(value));
      return;
    case ftFloat:
    case ftCurrency:
      StoreDouble(p, value);
      return;
    case ftDate:
      SetFieldInteger(f, record, RoundToInt32(f, std::floor(value) + kDelphiEpochDay));
      return;
    case ftTime: {
      double ms = std::round((value - std::floor(value)) * kMsPerDay);
      StoreI32(p, static_cast<int32_t>(ms >= kMsPerDay ? 0 : ms));
      return;
    }
    case ftDateTime:
      if (!std::isfinite(value)) throw EConvertError(Quoted(FormatFloat(value)) + " is not a valid date and time");
      StoreDouble(p, StoredFromDelphi(value));
      return;
    default:
      SetFieldInteger(f, record, RoundToInt32(f, value));
  }
}

void SetFieldBoolean(const FieldLayout& f, uint8_t* record, bool value) {
  CheckFieldUsable(f);
  switch (f.type) {
    case ftString:
      StoreText(f, record + f.offset, value ? "T" : "F");
      return;
    case ftDate:
    case ftTime:
    case ftDateTime:
      AccessError(f, "Boolean");
    default:
      SetFieldInteger(f, record, value ? 1 : 0);
  }
}

}  // namespace tq::storage
