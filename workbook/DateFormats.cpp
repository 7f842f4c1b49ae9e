#include "workbook/DateFormats.h"

#include <cmath>
#include <cstdio>

namespace rokal {

namespace {

struct IdRange {
    int first;
    int last;
};

constexpr IdRange kBuiltInDates[] = {{14, 22}, {27, 36}, {45, 47}, {50, 58}};

// The largest serial a spreadsheet shows as a date: 31 December 9999.
constexpr double kLastSerial = 2958465;
constexpr double kSecondsPerDay = 86400;
// Days from 1 January 1904 to 1 January 1900 in the 1900 system's count.
constexpr long kDays1904 = 1462;

bool IsDateLetter(char c) {
    switch (c | 0x20) {
        case 'y':
        case 'm':
        case 'd':
        case 'h':
        case 's':
            return true;
        default:
            return false;
    }
}

// The proleptic Gregorian date of a day counted from 1 January 1970 (Howard
// Hinnant's civil-from-days).
void CivilFromDays(long days, long& year, int& month, int& day) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shifted = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

bool IsDateFormat(int formatId, std::string_view code) {
    if (code.empty()) {
        for (const IdRange& range : kBuiltInDates) {
            if (formatId >= range.first && formatId <= range.last) {
                return true;
            }
        }
        return false;
    }
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            const std::size_t close = code.find('"', i + 1);
            i = close == std::string_view::npos ? code.size() : close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;  // an escaped, padding or fill character
        } else if (c == '[') {
            const std::size_t close = code.find(']', i + 1);
            const std::string_view inside =
                code.substr(i + 1, close == std::string_view::npos ? 0 : close - i - 1);
            // [h], [mm], [ss]: elapsed time; [Red], [$-804], [>=100]: not dates.
            if (!inside.empty() && IsDateLetter(inside.front()) &&
                inside.find_first_not_of(inside.front()) == std::string_view::npos) {
                return true;
            }
            i = close == std::string_view::npos ? code.size() : close;
        } else if (IsDateLetter(c)) {
            return true;
        }
    }
    return false;
}

std::string DateText(double serial, bool date1904) {
    if (!std::isfinite(serial) || serial < 0 || serial > kLastSerial) {
        return {};
    }
    long whole = static_cast<long>(std::floor(serial));
    long seconds = std::lround((serial - static_cast<double>(whole)) * kSecondsPerDay);
    if (seconds >= static_cast<long>(kSecondsPerDay)) {
        ++whole;
        seconds = 0;
    }
    char time[32];
    std::snprintf(time, sizeof time, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    if (!date1904 && whole == 0) {
        return time;
    }
    long year = 0;
    int month = 0;
    int day = 0;
    if (!date1904 && whole == 60) {
        year = 1900, month = 2, day = 29;
    } else {
        // Serial 25569 is 1 January 1970 in the 1900 system (after its day 60).
        const long days1900 = date1904 ? whole + kDays1904 : whole;
        CivilFromDays(days1900 - (days1900 > 60 ? 25569 : 25568), year, month, day);
    }
    char date[32];
    std::snprintf(date, sizeof date, "%04ld-%02d-%02d", year, month, day);
    return seconds == 0 ? std::string(date) : std::string(date) + " " + time;
}

}  // namespace rokal
