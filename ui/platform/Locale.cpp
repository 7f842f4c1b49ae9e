#include "ui/platform/Locale.h"

namespace rokal {

namespace {

constexpr QChar kQuote = u'\'';
constexpr QChar kZone = u't';

// Drops the space before the field at position at (or, at the start, the one after it).
void DropSpaceBeside(QString& format, qsizetype at) {
    if (at > 0 && format.at(at - 1) == u' ') {
        format.remove(at - 1, 1);
    } else if (at < format.size() && format.at(at) == u' ') {
        format.remove(at, 1);
    }
}

}  // namespace

char16_t DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? u'.' : point.at(0).unicode();
}

QString TimeFormatWithoutZone(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        if (format.at(i) == kQuote) {
            quoted = !quoted;
            ++i;
        } else if (!quoted && format.at(i) == kZone) {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == kZone) {
                ++end;
            }
            format.remove(i, end - i);
            DropSpaceBeside(format, i);
            i = i > 0 ? i - 1 : 0;
        } else {
            ++i;
        }
    }
    return format.trimmed();
}

std::u16string CalcTimeText(const QDateTime& when, const QLocale& locale) {
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() != QTime(0, 0)) {
        text += u' ' + locale.toString(when.time(), TimeFormatWithoutZone(locale));
    }
    return text.toStdU16String();
}

std::u16string CalcTimeText() {
    return CalcTimeText(QDateTime::currentDateTime(), QLocale::system());
}

}  // namespace rokal
