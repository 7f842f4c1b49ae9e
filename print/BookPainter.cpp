#include "print/BookPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "print/BookPagination.h"
#include "print/CellLinePainter.h"
#include "print/PageFrame.h"
#include "print/PaperLines.h"
#include "print/ReportColumns.h"

namespace rokal {

namespace {

constexpr double kRuleWidth = 0.5;

class PagePainter {
  public:
    PagePainter(QPainter& painter, const PageFrame& frame, const PrintBook& book,
                const PaperLines& lines, int pageCount)
        : painter_(painter),
          frame_(frame),
          book_(book),
          lines_(lines),
          pageCount_(pageCount),
          body_(frame.bodySize),
          running_(frame.runningSize),
          // The widest page number, so that the time is cut alike on every page.
          footerTime_(FooterTimeLine(book.timeText, CellsAcross(frame.width, frame.runningSize),
                                     PageNumberText(pageCount, pageCount))) {}

    void Paint(const PageLines& page, int n) {
        PaintRunning(n);
        int row = 0;
        for (std::size_t i = 0; i < page.headerLines; ++i) {
            PaintBodyLine(lines_[i], row++);
        }
        for (std::size_t i = page.first; i < page.first + page.count; ++i) {
            PaintBodyLine(lines_[i], row++);
        }
    }

  private:
    void PaintBodyLine(const std::u16string& line, int row) {
        const double top = frame_.bodyTop + row * frame_.lineHeight;
        body_.Draw(painter_, line, frame_.bodyLeft,
                   BaselineIn(top, frame_.lineHeight, frame_.bodySize));
    }

    void PaintRunning(int n) {
        running_.Draw(painter_, BookTitle(book_.form), 0, frame_.headerBaseline);
        painter_.drawLine(QPointF(0, frame_.headerRule), QPointF(frame_.width, frame_.headerRule));
        painter_.drawLine(QPointF(0, frame_.footerRule), QPointF(frame_.width, frame_.footerRule));
        if (!book_.timeText.empty()) {
            running_.Draw(painter_, footerTime_, 0, frame_.footerBaseline);
        }
        const std::u16string number = PageNumberText(n, pageCount_);
        running_.Draw(painter_, number, frame_.width - CellsOfLine(number) * running_.Cell(),
                      frame_.footerBaseline);
    }

    QPainter& painter_;
    const PageFrame& frame_;
    const PrintBook& book_;
    const PaperLines& lines_;
    int pageCount_;
    CellLinePainter body_;
    CellLinePainter running_;
    std::u16string footerTime_;
};

}  // namespace

int PaintBook(QPagedPaintDevice& device, const PrintBook& book) {
    const QSizeF printable = device.pageLayout().paintRect(QPageLayout::Point).size();
    const PaperLines lines(book, printable.width());
    const PageFrame frame = FramePage(printable, lines.WidestCells(),
                                      static_cast<int>(TallestBlock(book.lines, book.form)));
    const PagePlan plan =
        PaginateBook(book.lines, book.form, static_cast<std::size_t>(frame.linesPerPage));
    const int pageCount = static_cast<int>(plan.size());

    QPainter painter;
    if (!painter.begin(&device)) {
        throw PrintError("无法在打印设备上绘制计算书");
    }
    // Points from the top-left corner of the printable area.
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    painter.setPen(QPen(Qt::black, kRuleWidth));
    PagePainter pages(painter, frame, book, lines, pageCount);
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            throw PrintError("无法在打印设备上开始新的一页");
        }
        pages.Paint(plan[static_cast<std::size_t>(i)], i + 1);
    }
    painter.end();
    return pageCount;
}

}  // namespace rokal
