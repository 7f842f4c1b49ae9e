#include "schedule/PastedBlock.h"

#include <algorithm>
#include <string>

#include "schedule/GroupedNumber.h"

namespace rokal {

bool StartsWithHeaderRow(const CellBlock& block) {
    return !block.empty() &&
           std::any_of(block.front().begin(), block.front().end(),
                       [](const std::u16string& field) { return ColumnOfHeader(field); });
}

HeaderedBlock ReadHeaderedBlock(CellBlock block, char16_t decimalSeparator) {
    HeaderedBlock read;
    if (block.empty()) {
        return read;
    }
    std::vector<std::u16string> header = std::move(block.front());
    std::size_t width = header.size();
    for (std::size_t i = 1; i < block.size(); ++i) {
        width = std::max(width, block[i].size());
    }
    header.resize(width);  // fields beyond the header get columns of their own
    read.map = MapHeader(
        header, read.schedule,
        [](std::size_t field) { return "第" + std::to_string(field + 1) + "列"; },
        RequiredColumns::NotChecked);
    read.schedule.rows.reserve(block.size() - 1);
    for (std::size_t i = 1; i < block.size(); ++i) {
        std::vector<std::u16string>& fields = block[i];
        for (int c = 0; c < kScheduleColumnCount; ++c) {
            const auto field = read.map.fieldOf[static_cast<std::size_t>(c)];
            if (field && *field < fields.size() &&
                ColumnHoldsNumbers(static_cast<ScheduleColumn>(c)) &&
                UngroupCell(fields[*field], decimalSeparator)) {
                ++read.ungrouped;
            }
        }
        read.schedule.rows.push_back(MakeRow(fields, read.map, 0, decimalSeparator));
    }
    return read;
}

}  // namespace rokal
