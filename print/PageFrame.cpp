#include "print/PageFrame.h"

#include <QMarginsF>
#include <QPageSize>
#include <algorithm>
#include <cmath>

namespace rokal {

namespace {

// Margins in millimetres: left, top, right, bottom.
const QMarginsF kMarginsMm(20, 15, 15, 15);

constexpr double kRunningSize = 9;
// A line box is this many times its text size high.
constexpr double kLineFactor = 1.3;
// The glyphs of the report font stand between 0.88 and -0.12 of their size.
constexpr double kAscent = 0.88;
constexpr double kGlyphHeight = 1.0;
// Between the header line and its rule, and between the rule and the body.
constexpr double kRuleGap = 3;
constexpr double kBodyGap = 6;

}  // namespace

QPageLayout BookPageLayout(ReportDocument form) {
    const QPageLayout::Orientation orientation =
        form == ReportDocument::Text ? QPageLayout::Portrait : QPageLayout::Landscape;
    return QPageLayout(QPageSize(QPageSize::A4), orientation, kMarginsMm, QPageLayout::Millimeter);
}

int CellsAcross(double width, double size) {
    // A hair of slack, so that a line that fits exactly is not lost to rounding.
    constexpr double kSlack = 1e-9;
    return static_cast<int>(std::floor(2 * width / size + kSlack));
}

double BaselineIn(double top, double boxHeight, double textSize) {
    return top + (boxHeight - kGlyphHeight * textSize) / 2 + kAscent * textSize;
}

PageFrame FramePage(QSizeF printable, int widestCells, int tallestUnit) {
    PageFrame frame;
    frame.width = printable.width();
    frame.height = printable.height();

    frame.runningSize = kRunningSize;
    const double runningLine = kLineFactor * kRunningSize;
    frame.headerBaseline = BaselineIn(0, runningLine, kRunningSize);
    frame.headerRule = runningLine + kRuleGap;
    frame.footerBaseline = BaselineIn(frame.height - runningLine, runningLine, kRunningSize);
    frame.footerRule = frame.height - runningLine - kRuleGap;

    frame.bodyTop = frame.headerRule + kBodyGap;
    const double bodyHeight = frame.footerRule - kBodyGap - frame.bodyTop;
    const int cells = std::max(widestCells, 1);
    frame.bodySize = std::clamp(2 * frame.width / cells, kSmallestBodySize, kUsualBodySize);
    if (tallestUnit > 0) {
        frame.bodySize = std::min(frame.bodySize, bodyHeight / (kLineFactor * tallestUnit));
    }
    frame.cell = frame.bodySize / 2;
    frame.lineHeight = kLineFactor * frame.bodySize;
    frame.bodyLeft = std::max(0.0, (frame.width - widestCells * frame.cell) / 2);
    frame.linesPerPage = std::max(1, static_cast<int>(std::floor(bodyHeight / frame.lineHeight)));
    return frame;
}

}  // namespace rokal
