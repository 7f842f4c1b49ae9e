#include "print/ReportColumns.h"

namespace rokal {

namespace {

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
