#include "print/ReportColumns.h"

namespace rokal {

namespace {

constexpr std::u16string_view kEllipsis = u"…";

bool IsGreek(char16_t unit) {
    return unit >= 0x0391 && unit <= 0x03C9;
}

bool IsFullWidthForm(char16_t unit) {
    return (unit >= 0xFF01 && unit <= 0xFF60) || (unit >= 0xFFE0 && unit <= 0xFFE6);
}

bool IsWide(char16_t unit) {
    return unit >= 0x1000 && unit <= 0x9FA5;
}

int CellsOfUnit(char16_t unit) {
    return IsWide(unit) || IsGreek(unit) || IsFullWidthForm(unit) ? 2 : 1;
}

}  // namespace

int CellsOf(QChar unit) {
    return CellsOfUnit(unit.unicode());
}

bool IsCentredInTwoCells(QChar unit) {
    return IsGreek(unit.unicode()) || IsFullWidthForm(unit.unicode());
}

int CellsBefore(const QString& line, qsizetype index) {
    int cells = 0;
    const qsizetype end = qMin(index, line.size());
    for (qsizetype i = 0; i < end; ++i) {
        cells += CellsOf(line.at(i));
    }
    return cells;
}

int CellsOfLine(std::u16string_view line) {
    int cells = 0;
    for (char16_t unit : line) {
        cells += CellsOfUnit(unit);
    }
    return cells;
}

std::u16string CutToCells(std::u16string_view line, int cells) {
    if (CellsOfLine(line) <= cells) {
        return std::u16string(line);
    }
    int used = 0;
    std::size_t end = 0;
    while (end < line.size()) {
        const bool pair = QChar::isHighSurrogate(line[end]) && end + 1 < line.size() &&
                          QChar::isLowSurrogate(line[end + 1]);
        const int width = pair ? 2 : CellsOfUnit(line[end]);
        if (used + width > cells - CellsOfLine(kEllipsis)) {
            break;
        }
        used += width;
        end += pair ? 2 : 1;
    }
    return std::u16string(line.substr(0, end)) + std::u16string(kEllipsis);
}

qsizetype IndexNearCell(const QString& line, double cells) {
    double left = 0;
    qsizetype i = 0;
    while (i < line.size()) {
        const bool pair =
            line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const int width = pair ? 2 : CellsOf(line.at(i));
        if (cells < left + width / 2.0) {
            return i;
        }
        left += width;
        i += units;
    }
    return line.size();
}

}  // namespace rokal
