#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <string>

namespace rokal {

// The decimal separator of the user's locale settings.
char16_t DecimalSeparator();

// The locale's long time format without its time-zone field ("t" and a space beside it).
QString TimeFormatWithoutZone(const QLocale& locale);

// The date in the locale's short format, one space, the time in its long format
// without a time-zone name; the date alone when the time is exactly midnight.
std::u16string CalcTimeText(const QDateTime& when, const QLocale& locale);

// The same for the current local time and the system locale.
std::u16string CalcTimeText();

}  // namespace rokal
