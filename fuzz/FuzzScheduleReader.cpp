// Any bytes as a schedule file and as text pasted into the schedule window. The
// first byte picks the decimal separator ("." or ","), the rest is the file.
// Reading gives a schedule or a ScheduleFileError, never anything else; every row
// computes without throwing; a schedule read saves to a file that reads back the
// same; and a pasted block, written as a spreadsheet's clipboard text, reads back
// the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "schedule/CellBlock.h"
#include "schedule/RowCompute.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/ScheduleFile.h"

using namespace rokal;

namespace {

bool SameRows(const Schedule& a, const Schedule& b) {
    if (a.extraColumns != b.extraColumns || a.rows.size() != b.rows.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.rows.size(); ++i) {
        const ScheduleRow& x = a.rows[i];
        const ScheduleRow& y = b.rows[i];
        if (x.cells != y.cells || x.extra != y.extra || x.surplus != y.surplus) {
            return false;
        }
    }
    return true;
}

void CheckSchedule(std::string_view bytes, char16_t separator) {
    Schedule schedule;
    try {
        schedule = ParseSchedule(bytes, {separator});
    } catch (const ScheduleFileError&) {
        return;
    }
    for (const ScheduleRow& row : schedule.rows) {
        const RowResult result = ComputeRow(row, separator);
        if (result.Computed() != result.errors.empty() ||
            (!row.surplus.empty() && result.Computed())) {
            std::abort();
        }
    }
    Schedule back;
    try {
        back = ParseSchedule(ScheduleToCsv(schedule), {separator});
    } catch (const ScheduleFileError&) {
        std::abort();  // what was read must save to a file that reads
    }
    if (!SameRows(schedule, back) || !back.convertedColumns.empty()) {
        std::abort();
    }
}

// Pasted text as UTF-16 code units, two bytes each, any of them.
void CheckCellBlock(std::string_view bytes) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    const CellBlock block = ReadCellBlock(text);
    for (const auto& row : block) {
        if (row.empty()) {
            std::abort();  // every row holds a field, though maybe an empty one
        }
    }
    if (ReadCellBlock(WriteCellBlock(block)) != block) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char16_t separator = (data[0] & 1) != 0 ? u',' : u'.';
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckSchedule(bytes, separator);
    CheckCellBlock(bytes);
    return 0;
}
