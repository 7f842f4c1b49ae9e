#include <array>
#include <utility>

#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "engine/RockClass.h"
#include "report/CodePage.h"
#include "report/DisplayWidth.h"
#include "schedule/ResultsCsv.h"
#include "schedule/ResultsJson.h"
#include "schedule/RowCompute.h"

namespace rokal {
namespace {

constexpr int kLabelWidth = 10;

ScheduleRow RowOf(const CliRequest& request) {
    ScheduleRow row;
    const std::array<std::pair<ScheduleColumn, const std::string*>, 7> cells = {{
        {ScheduleColumn::D, &request.d},
        {ScheduleColumn::Hr, &request.hr},
        {ScheduleColumn::Frk, &request.frk},
        {ScheduleColumn::Grade, &request.grade},
        {ScheduleColumn::Process, &request.process},
        {ScheduleColumn::Nk, &request.nk},
        {ScheduleColumn::N, &request.n},
    }};
    for (const auto& [column, text] : cells) {
        row.Cell(column) = Utf8ToUtf16(*text);
    }
    return row;
}

void PrintLine(std::ostream& out, const std::u16string& label, const std::u16string& value) {
    out << Utf16ToUtf8(PadRight(label, u" ", kLabelWidth) + value) << '\n';
}

std::u16string Verdict(const std::u16string& verdict, const std::u16string& margin) {
    return margin.empty() ? verdict : verdict + u"（富余 " + margin + u"%）";
}

void PrintResults(const RowResult& result, const CliRequest& request, std::ostream& out) {
    const RowResultTexts t = FormatRowResult(result, {}, request.mode, request.decimalSeparator);
    PrintLine(out, u"岩石类别", t.rockClass);
    PrintLine(out, u"ζr", t.zetaR);
    PrintLine(out, u"Ra", t.ra + u" kN");
    PrintLine(out, u"Rc", t.rc + u" kN");
    if (result.raCheck) {
        PrintLine(out, u"Ra>=Nk", Verdict(t.raCheck, t.raMargin));
    }
    if (result.rcCheck) {
        PrintLine(out, u"Rc>=N", Verdict(t.rcCheck, t.rcMargin));
    }
    if (result.socketCheck && !result.socketCheck->holds) {
        PrintLine(out, u"警告", SocketWarningText(*result.socketCheck, request.decimalSeparator));
    }
    if (result.pile->capped) {
        out << Utf16ToUtf8(u"注：嵌岩深度超过ζr表的上限，按表末深度计算") << '\n';
    }
}

}  // namespace

int RunPile(const CliRequest& request, std::ostream& out, std::ostream& err) {
    const RowResult result =
        ComputeRow(RowOf(request), request.decimalSeparator, request.minSocket);
    if (request.json) {
        out << PileToJson(result, request.mode, request.decimalSeparator);
    } else if (result.Computed()) {
        PrintResults(result, request, out);
    }
    for (const CellError& error : result.errors) {
        err << Utf16ToUtf8(CellErrorText(error)) << '\n';
    }
    if (result.Computed()) {
        for (const auto* check : {&result.raCheck, &result.rcCheck}) {
            if (*check && !(*check)->holds) {
                err << Utf16ToUtf8(check == &result.raCheck ? u"Ra≥Nk 不满足" : u"Rc≥N 不满足")
                    << '\n';
            }
        }
    }
    return result.Passes() ? kExitAllPass : kExitRowFailed;
}

}  // namespace rokal
