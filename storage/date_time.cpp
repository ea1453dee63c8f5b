#include "storage/date_time.h"

#include <cmath>
#include <cstdio>

namespace tq::storage {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, and back (the
// era-based algorithms that are exact for every year).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int* y, int* m, int* d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (*m <= 2));
}

constexpr int64_t kDay1From1970 = -719162;  // 0001-01-01 counted from 1970-01-01

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

// Reads exactly n digits at *pos.
bool Digits(const std::string& s, size_t* pos, int n, int* value) {
  if (*pos + static_cast<size_t>(n) > s.size()) return false;
  int v = 0;
  for (int i = 0; i < n; ++i) {
    char c = s[*pos + static_cast<size_t>(i)];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  *pos += static_cast<size_t>(n);
  *value = v;
  return true;
}

bool Expect(const std::string& s, size_t* pos, char c) {
  if (*pos >= s.size() || s[*pos] != c) return false;
  ++*pos;
  return true;
}

std::optional<int32_t> ParseDateAt(const std::string& s, size_t* pos) {
  int y = 0, m = 0, d = 0;
  if (!Digits(s, pos, 4, &y) || !Expect(s, pos, '-') || !Digits(s, pos, 2, &m) || !Expect(s, pos, '-') ||
      !Digits(s, pos, 2, &d))
    return std::nullopt;
  return DayNumberOf(y, m, d);
}

std::optional<int32_t> ParseTimeAt(const std::string& s, size_t* pos) {
  int h = 0, mi = 0, sec = 0, ms = 0;
  if (!Digits(s, pos, 2, &h) || !Expect(s, pos, ':') || !Digits(s, pos, 2, &mi)) return std::nullopt;
  if (*pos < s.size() && s[*pos] == ':') {
    ++*pos;
    if (!Digits(s, pos, 2, &sec)) return std::nullopt;
    if (*pos < s.size() && s[*pos] == '.' && (++*pos, !Digits(s, pos, 3, &ms))) return std::nullopt;
  }
  if (h > 23 || mi > 59 || sec > 59) return std::nullopt;
  return ((h * 60 + mi) * 60 + sec) * 1000 + ms;
}

}  // namespace

std::optional<int32_t> DayNumberOf(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return std::nullopt;
  return static_cast<int32_t>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                              kDay1From1970 + 1);
}

std::optional<std::string> FormatDayNumber(int32_t day) {
  if (day < kFirstDay || day > kLastDay) return std::nullopt;
  int y, m, d;
  CivilFromDays(day - 1 + kDay1From1970, &y, &m, &d);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
  return std::string(buf);
}

std::optional<std::string> FormatTimeOfDay(int32_t ms) {
  if (ms < 0 || ms >= kMsPerDay) return std::nullopt;
  char buf[40];
  int s = ms / 1000;
  if (ms % 1000)
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", s / 3600, s / 60 % 60, s % 60, ms % 1000);
  else
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
  return std::string(buf);
}

std::optional<std::string> FormatStoredDateTime(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double rounded = std::floor(value + 0.5);
  if (rounded < static_cast<double>(kFirstDay) * kMsPerDay ||
      rounded >= (static_cast<double>(kLastDay) + 1) * kMsPerDay)
    return std::nullopt;
  auto total = static_cast<int64_t>(rounded);
  auto date = FormatDayNumber(static_cast<int32_t>(total / kMsPerDay));
  auto time = FormatTimeOfDay(static_cast<int32_t>(total % kMsPerDay));
  if (!date || !time) return std::nullopt;
  return *date + " " + *time;
}

std::optional<int32_t> ParseDayNumber(const std::string& text) {
  std::string s = Trim(text);
  size_t pos = 0;
  auto day = ParseDateAt(s, &pos);
  if (!day || pos != s.size()) return std::nullopt;
  return day;
}

std::optional<int32_t> ParseTimeOfDay(const std::string& text) {
  std::string s = Trim(text);
  size_t pos = 0;
  auto ms = ParseTimeAt(s, &pos);
  if (!ms || pos != s.size()) return std::nullopt;
  return ms;
}

std::optional<double> ParseStoredDateTime(const std::string& text) {
  std::string s = Trim(text);
  size_t pos = 0;
  auto day = ParseDateAt(s, &pos);
  if (!day) return std::nullopt;
  int32_t ms = 0;
  if (pos < s.size()) {
    if (s[pos] != ' ' && s[pos] != 'T') return std::nullopt;
    ++pos;
    auto t = ParseTimeAt(s, &pos);
    if (!t || pos != s.size()) return std::nullopt;
    ms = *t;
  }
  return static_cast<double>(*day) * kMsPerDay + ms;
}

}  // namespace tq::storage
