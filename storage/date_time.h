// Calendar arithmetic for the date and time fields of a table: day numbers
// (proleptic Gregorian, 0001-01-01 is day 1), milliseconds since midnight,
// their ISO text forms, and the component library's date-time value (days
// since 1899-12-30 with the time as a fraction).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tq::storage {

constexpr int32_t kFirstDay = 1;             // 0001-01-01
constexpr int32_t kLastDay = 3652059;        // 9999-12-31
constexpr int32_t kDelphiEpochDay = 693594;  // 1899-12-30
constexpr int32_t kMsPerDay = 86400000;

// Day number of a date, or nothing when the date does not exist or lies
// outside years 1 to 9999.
std::optional<int32_t> DayNumberOf(int year, int month, int day);
// "yyyy-mm-dd", or nothing for a day number outside kFirstDay..kLastDay.
std::optional<std::string> FormatDayNumber(int32_t day);
// "hh:mm:ss", with ".zzz" when there are milliseconds; nothing outside a day.
std::optional<std::string> FormatTimeOfDay(int32_t ms);
// A stored date-time (day number times kMsPerDay plus milliseconds) as
// "yyyy-mm-dd hh:mm:ss[.zzz]"; nothing when it is not a valid moment.
std::optional<std::string> FormatStoredDateTime(double value);

// Parsers of the forms above; blanks around the text are allowed. A date-time
// may omit its time (midnight).
std::optional<int32_t> ParseDayNumber(const std::string& text);
std::optional<int32_t> ParseTimeOfDay(const std::string& text);
std::optional<double> ParseStoredDateTime(const std::string& text);

}  // namespace tq::storage
