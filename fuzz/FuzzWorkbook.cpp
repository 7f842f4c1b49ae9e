// Any bytes as an .xlsx workbook: a zip archive as it is, or else the parts of a
// workbook (a sheet, the shared texts and the styles, separated by 0xFF bytes)
// packed into one, so that the fuzzer reaches the XML readers past the archive's
// checksums. Reading gives a schedule or one ScheduleFileError, never a crash, a
// hang or unbounded memory; a schedule read has rows in sheet order, each with a
// cell for every extra column, and every row computes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "schedule/RowCompute.h"
#include "schedule/ScheduleWorkbook.h"
#include "tests/workbook/WorkbookFixture.h"

using namespace rokal;

namespace {

// The next part of the input, up to a 0xFF byte.
std::string NextPart(std::string_view& input) {
    const std::size_t end = input.find('\xFF');
    std::string part(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return part;
}

std::string WorkbookOf(std::string_view input) {
    if (input.substr(0, 2) == "PK") {
        return std::string(input);
    }
    test::WorkbookFixture fixture;
    fixture.deflate = false;
    fixture.sheets = {{"桩表", "<?xml version=\"1.0\"?>" + NextPart(input)}};
    fixture.sharedStrings = NextPart(input);
    fixture.styles = NextPart(input);
    return test::MakeWorkbook(fixture);
}

void CheckSchedule(const Schedule& schedule) {
    int line = 0;
    for (const ScheduleRow& row : schedule.rows) {
        if (row.line <= line || row.extra.size() != schedule.extraColumns.size()) {
            std::abort();
        }
        line = row.line;
        const RowResult result = ComputeRow(row, u'.');
        if (result.Computed() != result.errors.empty()) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes =
        WorkbookOf(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        ScheduleSheetNames(bytes);
        CheckSchedule(ParseScheduleWorkbook(bytes, {}));
    } catch (const ScheduleFileError&) {
    }
    return 0;
}
