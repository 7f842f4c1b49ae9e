#pragma once

#include <QPageLayout>
#include <QSizeF>

#include "report/ReportLog.h"

namespace rokal {

// How one form of the book is set on paper: A4, the text form upright and the
// table form across, margins in millimetres (wider on the left, where the book is
// bound).
QPageLayout BookPageLayout(ReportDocument form);

// Where things stand on a page, in points from the top-left corner of the
// printable area.
struct PageFrame {
    double width = 0;   // of the printable area
    double height = 0;  // of the printable area
    // The body: its text size, its cell (half the text size) and line height,
    // where its first line starts and how many lines a page holds.
    double bodySize = 0;
    double cell = 0;
    double lineHeight = 0;
    double bodyLeft = 0;
    double bodyTop = 0;
    int linesPerPage = 1;
    // The running header and footer: their text size, their baselines and the
    // rules under the header and above the footer.
    double runningSize = 0;
    double headerBaseline = 0;
    double headerRule = 0;
    double footerRule = 0;
    double footerBaseline = 0;
};

// The body's text size: a book's usual 10.5 pt, and the smallest it is ever set at.
inline constexpr double kUsualBodySize = 10.5;
inline constexpr double kSmallestBodySize = 7;

// How many cells of text of the given size a width (in points) holds.
int CellsAcross(double width, double size);

// The body's text is as large as lets its widest line (in cells) fit the width,
// but no larger than the usual size and no smaller than the smallest (the lines
// are made to fit that, print/PaperLines.h); and, given one, as lets its tallest
// unit of lines that belong together (a text block with its check section) fit
// one page. The body stands centred across.
PageFrame FramePage(QSizeF printable, int widestCells, int tallestUnit = 0);

// Where the baseline of a line of the given text size stands in a line box of the
// given height that starts at top.
double BaselineIn(double top, double boxHeight, double textSize);

}  // namespace rokal
