#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QList>
#include <string>
#include <utility>
#include <vector>

#include "ui/widgets/ReportCaret.h"
#include "ui/widgets/ReportLinePainter.h"

class QAction;
class QPainter;

namespace rokal {

// A read-only view of a report's lines. The lines stay where they are kept; the
// view is told of every change by whole lines and turns into text only the lines
// it draws, so a long report costs it no copy. Each character stands in its own
// cells by the report's column rule (ReportColumns.h).
class ReportView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    using LineList = std::vector<std::u16string>;

    explicit ReportView(QWidget* parent = nullptr);

    // The lines to show, as they are now; null shows none. They must outlive the
    // view, and every later change must be told by the calls below.
    void SetLines(const LineList* lines);
    // The last count lines were appended.
    void LinesAppended(int count);
    void LineRemoved(int index);
    void LinesCleared();
    // Caret to the start of the first line, view to the top-left.
    void CaretToStart();

    int LineCount() const { return count_; }
    QString Line(int index) const;
    // All lines joined by "\n".
    QString Text() const;

    TextPosition CaretPosition() const { return selection_.caret; }
    QString SelectedText() const;
    void SelectAll();
    // The selection as plain text to the clipboard; nothing without a selection.
    void Copy() const;
    // Actions of the window that the context menu offers below "复制" and "全选";
    // the window keeps them and outlives the view.
    void SetMenuActions(const QList<QAction*>& actions) { menuActions_ = actions; }

    // Text size in pixels, the unit of every size in the window layouts; any real
    // value.
    void SetTextSize(double pixels);
    double TextSize() const { return textSize_; }

    // The width of one cell, that of the font's "0".
    double CellWidth() const { return glyphs_.Cell(); }
    // Where the character at index of the line starts, from the line's left edge.
    double XOfColumn(int line, int index) const;
    int FirstVisibleLine() const;
    // The point of the viewport at the left edge of a character, halfway down its line.
    QPointF PointOf(TextPosition position) const;

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Relayout();
    void UpdateScrollRanges();
    int FullLinesShown() const;
    double LeftOfText() const;
    double TopOfLine(int index) const;
    TextPosition PositionAt(QPointF point) const;
    void ScrollTowards(QPointF point);
    bool ScrollKey(QKeyEvent* event);

    std::pair<qsizetype, qsizetype> SelectedUnits(int index, qsizetype size) const;
    void PaintLine(QPainter& painter, int index) const;
    void PaintSelection(QPainter& painter, int index, const QString& text) const;
    void PaintCaret(QPainter& painter) const;

    const LineList* lines_;
    int count_ = 0;
    int widestCells_ = 0;
    double textSize_;
    Selection selection_;
    ReportLinePainter glyphs_;
    QList<QAction*> menuActions_;
};

// The report font at a size in pixels: a Chinese character takes exactly two
// Latin cells.
QFont ReportFont(double pixels);

}  // namespace rokal
