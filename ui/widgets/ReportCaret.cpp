#include "ui/widgets/ReportCaret.h"

#include <algorithm>

namespace rokal {

TextPosition AfterLineRemoved(TextPosition position, int index, int remaining) {
    if (position.line > index) {
        return {position.line - 1, position.column};
    }
    if (position.line < index) {
        return position;
    }
    return {std::max(0, std::min(index, remaining - 1)), 0};
}

namespace {

QString Slice(const std::u16string& line, int from, int to) {
    const int size = static_cast<int>(line.size());
    from = std::clamp(from, 0, size);
    to = std::clamp(to, from, size);
    return QString::fromUtf16(line.data() + from, to - from);
}

}  // namespace

QString TextBetween(const std::vector<std::u16string>& lines, int lineCount, TextPosition start,
                    TextPosition end) {
    const int count = std::min(lineCount, static_cast<int>(lines.size()));
    if (count == 0 || !(start < end) || start.line >= count) {
        return QString();
    }
    if (end.line >= count) {
        end = {count - 1, static_cast<int>(lines[count - 1].size())};
    }
    if (start.line == end.line) {
        return Slice(lines[start.line], start.column, end.column);
    }
    QString text = Slice(lines[start.line], start.column, INT32_MAX);
    for (int i = start.line + 1; i < end.line; ++i) {
        text += u'\n';
        text += QString::fromStdU16String(lines[i]);
    }
    text += u'\n';
    text += Slice(lines[end.line], 0, end.column);
    return text;
}

}  // namespace rokal
