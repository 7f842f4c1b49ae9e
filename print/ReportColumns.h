#pragma once

#include <QChar>
#include <QString>
#include <string_view>

namespace rokal {

// The report lines are laid out for a font in which a Chinese character is two
// cells wide and a Latin character one. The views place every character by that
// rule instead of by the advances of whatever font draws it, so the columns of a
// line stay in line at every size.

// Cells that one UTF-16 unit takes: two for U+1000..U+9FA5, and two for the
// letters the report font draws two cells wide though the padding counts them as
// one (Greek letters, the full-width forms); one for every other unit, each half
// of a surrogate pair included.
int CellsOf(QChar unit);

// Whether the unit is drawn centred in its two cells because other fonts draw it
// narrower than the report font does.
bool IsCentredInTwoCells(QChar unit);

// Cells before the unit at index of the line.
int CellsBefore(const QString& line, qsizetype index);

// Cells of the whole line.
int CellsOfLine(std::u16string_view line);

// The line when it takes no more than cells; otherwise as much of its start as
// leaves room for "…" (two cells), then "…". A surrogate pair is never split.
// cells is at least two.
std::u16string CutToCells(std::u16string_view line, int cells);

// The index of the unit boundary nearest to the cell offset, never inside a
// surrogate pair; 0 before the line, the line's length past its end.
qsizetype IndexNearCell(const QString& line, double cells);

}  // namespace rokal
