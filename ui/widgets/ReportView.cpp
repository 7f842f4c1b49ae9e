#include "ui/widgets/ReportView.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace rokal {

namespace {

// Greek letters (ζ, μ, ψ) stand in the reports where a font for Chinese text draws
// them two cells wide, as the report lines are laid out; the fallback font draws
// them narrower and of differing widths, so each is spaced out to two cells.
bool IsGreek(QChar c) {
    return c.unicode() >= 0x0391 && c.unicode() <= 0x03C9;
}

// The letter spacing, in percent of its own advance, that makes c two cells wide.
// Unhinted advances scale with the size, so one large size serves every size.
double TwoCellSpacing(QChar c) {
    static QHash<char16_t, double> cache;
    const auto found = cache.constFind(c.unicode());
    if (found != cache.constEnd()) {
        return *found;
    }
    const QFontMetricsF metrics(ReportFont(100));
    const double advance = metrics.horizontalAdvance(c);
    const double spacing = advance > 0 ? 200.0 * metrics.horizontalAdvance(u'0') / advance : 100;
    cache.insert(c.unicode(), spacing);
    return spacing;
}

void WidenGreek(QTextDocument* document, int start, const QString& text) {
    QTextCursor cursor(document);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsGreek(text.at(i))) {
            QTextCharFormat wide;
            wide.setFontLetterSpacingType(QFont::PercentageSpacing);
            wide.setFontLetterSpacing(TwoCellSpacing(text.at(i)));
            cursor.setPosition(start + static_cast<int>(i));
            cursor.setPosition(start + static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(wide);
        }
    }
}

}  // namespace

QFont ReportFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("SimHei"), QStringLiteral("Noto Sans Mono CJK SC")});
    font.setStyleHint(QFont::Monospace);
    // Unhinted advances keep the two-to-one width of Chinese and Latin characters
    // at every size, also between whole pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setWeight(QFont::Normal);
    font.setPointSizeF(points);
    return font;
}

ReportView::ReportView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    setFont(ReportFont(12));
}

void ReportView::AppendLines(const QStringList& lines) {
    if (lines.isEmpty()) {
        return;
    }
    // A caret at the very end would be carried along by the insertion; it stays put.
    const int caret = textCursor().position();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const QString joined = lineCount_ == 0 ? lines.join(u'\n') : u'\n' + lines.join(u'\n');
    const int start = cursor.position();
    cursor.setCharFormat(QTextCharFormat());  // nothing carried over from the line above
    cursor.insertText(joined);
    WidenGreek(document(), start, joined);
    cursor.endEditBlock();
    lineCount_ += static_cast<int>(lines.size());
    if (textCursor().position() != caret) {
        QTextCursor kept = textCursor();
        kept.setPosition(caret);
        setTextCursor(kept);
    }
}

void ReportView::RemoveLine(int index) {
    if (index < 0 || index >= lineCount_) {
        return;
    }
    if (lineCount_ == 1) {
        ClearLines();
        return;
    }
    const QTextBlock block = document()->findBlockByNumber(index);
    QTextCursor cursor(document());
    if (block.next().isValid()) {
        // The line and the break after it.
        cursor.setPosition(block.position());
        cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last line and the break before it.
        cursor.setPosition(block.position() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    --lineCount_;
}

void ReportView::ClearLines() {
    clear();
    lineCount_ = 0;
}

void ReportView::CaretToStart() {
    moveCursor(QTextCursor::Start);
}

QString ReportView::Line(int index) const {
    if (index < 0 || index >= lineCount_) {
        return QString();
    }
    return document()->findBlockByNumber(index).text();
}

void ReportView::SetTextSize(double points) {
    setFont(ReportFont(points));
}

}  // namespace rokal
