#include "schedule/CellText.h"

namespace rokal {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Tabs and line breaks, which part words where they stand.
bool IsBreak(char32_t c) {
    switch (c) {
        case u'\t':
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
        case 0x85:
        case 0x2028:
        case 0x2029:
            return true;
        default:
            return false;
    }
}

// The code point at text[i] and how many units it takes; an unpaired surrogate is
// returned as itself.
std::pair<char32_t, std::size_t> PointAt(std::u16string_view text, std::size_t i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        const char32_t point = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        return {point, 2};
    }
    return {unit, 1};
}

bool IsUnpairedSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

}  // namespace

bool IsControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

CellText CleanCellText(std::u16string_view text) {
    CellText cell;
    bool pendingSpace = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto [point, length] = PointAt(text, i);
        if (IsControlCharacter(point) || IsUnpairedSurrogate(point)) {
            if (cell.removed++ == 0) {
                cell.first = point;
            }
            pendingSpace = pendingSpace || IsBreak(point);
        } else {
            if (pendingSpace && !cell.text.empty()) {
                cell.text += u' ';
            }
            pendingSpace = false;
            cell.text.append(text.substr(i, length));
        }
        i += length;
    }
    return cell;
}

std::optional<ControlCharacterPlace> FindControlCharacter(const Schedule& schedule) {
    const auto first = [](std::u16string_view text) -> std::optional<char32_t> {
        const CellText cell = CleanCellText(text);
        return cell.removed > 0 ? std::optional<char32_t>(cell.first) : std::nullopt;
    };
    for (const std::u16string& header : schedule.extraColumns) {
        if (const auto c = first(header)) {
            return ControlCharacterPlace{0, header, *c};
        }
    }
    for (const ScheduleRow& row : schedule.rows) {
        for (int i = 0; i < kScheduleColumnCount; ++i) {
            const auto column = static_cast<ScheduleColumn>(i);
            if (const auto c = first(row.Cell(column))) {
                return ControlCharacterPlace{row.line, ScheduleColumnName(column), *c};
            }
        }
        for (std::size_t i = 0; i < row.extra.size() && i < schedule.extraColumns.size(); ++i) {
            if (const auto c = first(row.extra[i])) {
                return ControlCharacterPlace{row.line, schedule.extraColumns[i], *c};
            }
        }
        for (const std::u16string& field : row.surplus) {
            if (const auto c = first(field)) {
                return ControlCharacterPlace{row.line, u"多出的字段", *c};
            }
        }
    }
    return std::nullopt;
}

}  // namespace rokal
