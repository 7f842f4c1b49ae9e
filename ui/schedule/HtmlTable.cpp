#include "ui/schedule/HtmlTable.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace rokal {
namespace {

QTextTable* FirstTable(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            return table;
        }
        if (QTextTable* table = FirstTable(child)) {
            return table;
        }
    }
    return nullptr;
}

std::u16string CellText(const QTextTableCell& cell) {
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().trimmed().toStdU16String();
}

}  // namespace

CellBlock ReadHtmlTable(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    const QTextTable* table = FirstTable(document.rootFrame());
    if (table == nullptr) {
        return {};
    }
    CellBlock block(static_cast<std::size_t>(table->rows()));
    for (int row = 0; row < table->rows(); ++row) {
        auto& fields = block[static_cast<std::size_t>(row)];
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            const bool first = cell.row() == row && cell.column() == column;
            fields.push_back(first ? CellText(cell) : std::u16string());
        }
    }
    return block;
}

}  // namespace rokal
