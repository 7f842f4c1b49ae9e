#include "ui/widgets/ReportView.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace rokal {

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
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const QString joined = lines.join(u'\n');
    cursor.insertText(lineCount_ == 0 ? joined : u'\n' + joined);
    cursor.endEditBlock();
    lineCount_ += static_cast<int>(lines.size());
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
