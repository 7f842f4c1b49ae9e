#pragma once

#include <QString>
#include <string>
#include <vector>

namespace rokal {

// A place between two characters of a report: the line and the UTF-16 index in it.
struct TextPosition {
    int line = 0;
    int column = 0;

    friend bool operator==(TextPosition a, TextPosition b) {
        return a.line == b.line && a.column == b.column;
    }
    friend bool operator!=(TextPosition a, TextPosition b) { return !(a == b); }
    friend bool operator<(TextPosition a, TextPosition b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    }
};

// Where a position goes when the line at index is removed and remaining lines are
// left: a line below moves up by one, the removed line gives way to the start of
// the line that takes its place, or of the last line.
TextPosition AfterLineRemoved(TextPosition position, int index, int remaining);

// The selection: the caret and the anchor the selection was started from.
struct Selection {
    TextPosition anchor;
    TextPosition caret;

    bool IsEmpty() const { return anchor == caret; }
    TextPosition Start() const { return caret < anchor ? caret : anchor; }
    TextPosition End() const { return caret < anchor ? anchor : caret; }
};

// The text from start to end as plain text, lines broken by "\n". Positions past
// the end of a line or of the document are taken as their ends.
QString TextBetween(const std::vector<std::u16string>& lines, int lineCount, TextPosition start,
                    TextPosition end);

}  // namespace rokal
