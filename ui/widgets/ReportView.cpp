#include "ui/widgets/ReportView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <utility>

#include "print/ReportColumns.h"

namespace rokal {

namespace {

// Blank space around the text, as a text box leaves it.
constexpr double kMargin = 4;
// The starting text size, that of the track bar's starting value.
constexpr double kStartSize = 12;

const ReportView::LineList kNoLines;

// Qt takes a size in pixels only as a whole number; a size between two takes the
// points that the screen draws at that many pixels.
void SetPixelSize(QFont& font, double pixels) {
    if (pixels == std::floor(pixels)) {
        font.setPixelSize(static_cast<int>(pixels));
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    font.setPointSizeF(pixels * 72.0 / dpi);
}

}  // namespace

QFont ReportFont(double pixels) {
    QFont font;
    font.setFamilies({QStringLiteral("SimHei"), QStringLiteral("Noto Sans Mono CJK SC")});
    font.setStyleHint(QFont::Monospace);
    // Unhinted advances keep the two-to-one width of Chinese and Latin characters
    // at every size, also between whole pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setWeight(QFont::Normal);
    SetPixelSize(font, pixels);
    return font;
}

ReportView::ReportView(QWidget* parent)
    : QAbstractScrollArea(parent),
      lines_(&kNoLines),
      textSize_(kStartSize),
      glyphs_(ReportFont(kStartSize)) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFont(ReportFont(kStartSize));
    Relayout();
}

// ---- The lines ----

void ReportView::SetLines(const LineList* lines) {
    lines_ = lines != nullptr ? lines : &kNoLines;
    count_ = static_cast<int>(lines_->size());
    widestCells_ = 0;
    for (const std::u16string& line : *lines_) {
        widestCells_ = std::max(widestCells_, CellsOfLine(line));
    }
    CaretToStart();
    UpdateScrollRanges();
}

void ReportView::LinesAppended(int count) {
    const int available = static_cast<int>(lines_->size());
    for (int i = std::max(0, available - count); i < available; ++i) {
        widestCells_ = std::max(widestCells_, CellsOfLine((*lines_)[i]));
    }
    count_ += count;
    UpdateScrollRanges();
    viewport()->update();
}

void ReportView::LineRemoved(int index) {
    if (index < 0 || index >= count_) {
        return;
    }
    --count_;
    selection_.anchor = AfterLineRemoved(selection_.anchor, index, count_);
    selection_.caret = AfterLineRemoved(selection_.caret, index, count_);
    // The lines in sight stay in sight when a line above them goes.
    const int top = verticalScrollBar()->value();
    UpdateScrollRanges();
    if (index < top) {
        verticalScrollBar()->setValue(top - 1);
    }
    viewport()->update();
}

void ReportView::LinesCleared() {
    count_ = 0;
    widestCells_ = 0;
    CaretToStart();
    UpdateScrollRanges();
}

void ReportView::CaretToStart() {
    selection_ = Selection();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

QString ReportView::Line(int index) const {
    if (index < 0 || index >= count_ || index >= static_cast<int>(lines_->size())) {
        return QString();
    }
    return QString::fromStdU16String((*lines_)[index]);
}

QString ReportView::Text() const {
    return TextBetween(*lines_, count_, {0, 0}, {count_, 0});
}

// ---- Selection ----

QString ReportView::SelectedText() const {
    return TextBetween(*lines_, count_, selection_.Start(), selection_.End());
}

void ReportView::SelectAll() {
    if (count_ == 0) {
        return;
    }
    selection_.anchor = {0, 0};
    selection_.caret = {count_ - 1, static_cast<int>(Line(count_ - 1).size())};
    viewport()->update();
}

void ReportView::Copy() const {
    if (!selection_.IsEmpty()) {
        QGuiApplication::clipboard()->setText(SelectedText());
    }
}

// ---- Size and layout ----

void ReportView::SetTextSize(double pixels) {
    textSize_ = pixels;
    setFont(ReportFont(pixels));
}

void ReportView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        Relayout();
    }
}

// The same line stays at the top and the same column at the left edge.
void ReportView::Relayout() {
    const double oldCell = glyphs_.Cell();
    const int left = horizontalScrollBar()->value();
    const int top = verticalScrollBar()->value();
    glyphs_ = ReportLinePainter(font());
    UpdateScrollRanges();
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(left * glyphs_.Cell() / oldCell)));
    viewport()->update();
}

void ReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

int ReportView::FullLinesShown() const {
    const double height = viewport()->height() - 2 * kMargin;
    return std::max(1, static_cast<int>(height / glyphs_.LineHeight()));
}

// The vertical bar counts lines, the horizontal one pixels.
void ReportView::UpdateScrollRanges() {
    const int shown = FullLinesShown();
    verticalScrollBar()->setRange(0, std::max(0, count_ - shown));
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setSingleStep(1);
    const double width = 2 * kMargin + widestCells_ * glyphs_.Cell();
    const int hidden = static_cast<int>(std::ceil(width)) - viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, hidden));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(
        std::max(1, static_cast<int>(std::lround(glyphs_.Cell()))));
}

void ReportView::scrollContentsBy(int, int) {
    viewport()->update();
}

int ReportView::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

double ReportView::XOfColumn(int line, int index) const {
    return CellsBefore(Line(line), index) * glyphs_.Cell();
}

QPointF ReportView::PointOf(TextPosition position) const {
    return {LeftOfText() + XOfColumn(position.line, position.column),
            TopOfLine(position.line) + glyphs_.LineHeight() / 2};
}

double ReportView::LeftOfText() const {
    return kMargin - horizontalScrollBar()->value();
}

double ReportView::TopOfLine(int index) const {
    return kMargin + (index - verticalScrollBar()->value()) * glyphs_.LineHeight();
}

// ---- Painting ----

void ReportView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int first = verticalScrollBar()->value();
    const int last = std::min(count_, first + FullLinesShown() + 2);
    for (int i = first; i < last; ++i) {
        PaintLine(painter, i);
    }
    PaintCaret(painter);
}

// The units [first, second) of the line that the selection covers.
std::pair<qsizetype, qsizetype> ReportView::SelectedUnits(int index, qsizetype size) const {
    const TextPosition start = selection_.Start();
    const TextPosition end = selection_.End();
    if (selection_.IsEmpty() || index < start.line || index > end.line) {
        return {0, 0};
    }
    const qsizetype from = index == start.line ? std::min<qsizetype>(start.column, size) : 0;
    const qsizetype to = index == end.line ? std::min<qsizetype>(end.column, size) : size;
    return {from, std::max(from, to)};
}

void ReportView::PaintLine(QPainter& painter, int index) const {
    const QString text = Line(index);
    const auto [from, to] = SelectedUnits(index, text.size());
    PaintSelection(painter, index, text);
    const double baseline = TopOfLine(index) + glyphs_.Ascent();
    painter.setPen(palette().color(QPalette::Text));
    glyphs_.Draw(painter, text, 0, from, LeftOfText(), baseline);
    glyphs_.Draw(painter, text, to, text.size(), LeftOfText(), baseline);
    painter.setPen(palette().color(QPalette::HighlightedText));
    glyphs_.Draw(painter, text, from, to, LeftOfText(), baseline);
}

// The selected part of the line, and a cell for its line break when the
// selection goes on below.
void ReportView::PaintSelection(QPainter& painter, int index, const QString& text) const {
    const auto [from, to] = SelectedUnits(index, text.size());
    const bool breakSelected =
        !selection_.IsEmpty() && index >= selection_.Start().line && index < selection_.End().line;
    if (from == to && !breakSelected) {
        return;
    }
    const double left = LeftOfText() + CellsBefore(text, from) * glyphs_.Cell();
    double right = LeftOfText() + CellsBefore(text, to) * glyphs_.Cell();
    if (breakSelected) {
        right += glyphs_.Cell();
    }
    const QRectF band(left, TopOfLine(index), right - left, glyphs_.LineHeight());
    painter.fillRect(band, palette().color(QPalette::Highlight));
}

void ReportView::PaintCaret(QPainter& painter) const {
    if (!hasFocus() || count_ == 0) {
        return;
    }
    const TextPosition caret = selection_.caret;
    const double x = LeftOfText() + XOfColumn(caret.line, caret.column);
    const double top = TopOfLine(caret.line);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(QPointF(x, top), QPointF(x, top + glyphs_.LineHeight()));
}

void ReportView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ReportView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// ---- Mouse and keys ----

TextPosition ReportView::PositionAt(QPointF point) const {
    if (count_ == 0) {
        return {};
    }
    const double row = (point.y() - TopOfLine(0)) / glyphs_.LineHeight();
    const int line = std::clamp(static_cast<int>(std::floor(row)), 0, count_ - 1);
    const double cells = (point.x() - LeftOfText()) / glyphs_.Cell();
    return {line, static_cast<int>(IndexNearCell(Line(line), cells))};
}

void ReportView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return QAbstractScrollArea::mousePressEvent(event);
    }
    selection_.caret = PositionAt(event->position());
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        selection_.anchor = selection_.caret;
    }
    viewport()->update();
}

void ReportView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        return QAbstractScrollArea::mouseMoveEvent(event);
    }
    ScrollTowards(event->position());
    selection_.caret = PositionAt(event->position());
    viewport()->update();
}

// Where the system keeps a mouse selection of its own, it gets the selected text.
void ReportView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return QAbstractScrollArea::mouseReleaseEvent(event);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && !selection_.IsEmpty()) {
        clipboard->setText(SelectedText(), QClipboard::Selection);
    }
}

// Dragging past an edge scrolls the view one step that way.
void ReportView::ScrollTowards(QPointF point) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    if (point.y() < 0) {
        vertical->setValue(vertical->value() - 1);
    } else if (point.y() > viewport()->height()) {
        vertical->setValue(vertical->value() + 1);
    }
    if (point.x() < 0) {
        horizontal->setValue(horizontal->value() - horizontal->singleStep());
    } else if (point.x() > viewport()->width()) {
        horizontal->setValue(horizontal->value() + horizontal->singleStep());
    }
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        Copy();
    } else if (event == QKeySequence::SelectAll) {
        SelectAll();
    } else if (!ScrollKey(event)) {
        return QAbstractScrollArea::keyPressEvent(event);
    }
    event->accept();
}

// The keys move the view, not the caret, as in a reader.
bool ReportView::ScrollKey(QKeyEvent* event) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Up:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Down:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_PageUp:
            vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        case Qt::Key_PageDown:
            vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        case Qt::Key_Left:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Right:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_Home:
            horizontal->setValue(horizontal->minimum());
            if (control) {
                vertical->setValue(vertical->minimum());
            }
            return true;
        case Qt::Key_End:
            horizontal->setValue(control ? horizontal->minimum() : horizontal->maximum());
            if (control) {
                vertical->setValue(vertical->maximum());
            }
            return true;
        default:
            return false;
    }
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("复制"), this, &ReportView::Copy);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!selection_.IsEmpty());
    QAction* all = menu.addAction(QStringLiteral("全选"), this, &ReportView::SelectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(count_ > 0);
    if (!menuActions_.isEmpty()) {
        menu.addSeparator();
        menu.addActions(menuActions_);
    }
    menu.exec(event->globalPos());
}

}  // namespace rokal
