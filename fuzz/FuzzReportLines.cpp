// Any pile the calculation accepts, in any mode and with any separator, makes
// table rows of at least 130 columns, text blocks of 48 or 49 lines whose lines
// (but the time line) hold no control character, and a log that deletes back to
// empty. Every text, typed or laid out, goes through the GBK writer of the saved
// files: control characters, lone surrogates and characters GBK lacks included.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "engine/NumberReading.h"
#include "engine/PileResult.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/GbkRoundTrip.h"
#include "report/DisplayWidth.h"
#include "report/ReportFile.h"
#include "report/ReportLog.h"
#include "report/TableReport.h"
#include "report/TextReport.h"

using namespace rokal;

namespace {

bool HasControlCharacter(const std::u16string& line) {
    return std::any_of(line.begin(), line.end(), [](char16_t c) {
        return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const PrecisionMode mode = in.Mode();
    const char16_t separator = in.Separator();
    const int n = 1 + in.Byte() * 64;
    const PileInput input = in.Pile();
    const std::u16string time = in.Text();
    for (const std::u16string* text : {&input.dText, &input.hrText, &input.frkText, &time}) {
        fuzz::CheckGbkRoundTrip(*text);
    }
    PileResult result;
    try {
        const auto outcome = ComputePile(input, separator);
        if (std::holds_alternative<InputError>(outcome)) {
            return 0;
        }
        result = std::get<PileResult>(outcome);
    } catch (const FloatingPointOverflow&) {
        return 0;
    }
    if (DisplayWidth(TableRowLine(n, input, result, mode, separator)) < 130) {
        std::abort();
    }
    const Lines block = TextBlockLines(n, input, result, mode, time, separator);
    if (block.size() != (result.capped ? 49u : 48u) || block.back() != TimeLine(time)) {
        std::abort();
    }
    if (HasControlCharacter(TableRowLine(n, input, result, mode, separator)) ||
        std::any_of(block.begin(), block.end() - 1, HasControlCharacter)) {
        std::abort();
    }
    ReportLog log;
    log.AppendPile(input, result, mode, time, separator);
    log.AppendPile(input, result, mode, time, separator);
    fuzz::CheckGbkRoundTrip(JoinReportLines(log.Document(ReportDocument::Text)));
    log.DeleteLastPile();
    if (log.Document(ReportDocument::Table).size() != 10) {
        std::abort();
    }
    log.DeleteLastPile();
    if (!log.Document(ReportDocument::Text).empty() || log.UnsavedFlags() != 0) {
        std::abort();
    }
    return 0;
}
