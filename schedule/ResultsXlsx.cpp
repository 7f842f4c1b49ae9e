#include "schedule/ResultsXlsx.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "engine/NumberReading.h"
#include "report/CodePage.h"
#include "schedule/ResultsCsv.h"
#include "schedule/XlsxNumbers.h"
#include "workbook/SheetWriter.h"
#include "workbook/SheetWriterThread.h"
#include "workbook/XlsxBuilder.h"

namespace rokal {

namespace {

const char16_t kResultsSheet[] = u"计算结果";
const char16_t kSummarySheet[] = u"汇总";

// The colours of the schedule window.
constexpr lxw_color_t kHolds = 0x008000;
constexpr lxw_color_t kFails = 0xD00000;
constexpr lxw_color_t kBadCellText = 0xB00000;
constexpr lxw_color_t kBadCellBackground = 0xFFD6D6;
constexpr lxw_color_t kHeaderBackground = 0xF2F5F9;

const char kZetaFormat[] = "0.0000";
const char kMarginFormat[] = "0.0;[Red]-0.0";
const std::array<const char*, 3> kDecimalsFormats = {"0", "0.0", "0.00"};
constexpr int kPaperA4 = 9;

// How a result column is written. Depths ("1.5d" beside "2000") stand to the
// right, as the numbers among them do.
enum class Shown { Text, Depth, Zeta, Capacity, Verdict, Margin, Error };

// Indexed as ResultHeaders() and the fields of RowResultTexts.
constexpr std::array<Shown, 12> kResultShown = {
    Shown::Text,    Shown::Zeta,   Shown::Capacity, Shown::Capacity, Shown::Verdict, Shown::Margin,
    Shown::Verdict, Shown::Margin, Shown::Text,     Shown::Depth,    Shown::Text,    Shown::Error};

std::array<std::u16string*, 12> Fields(RowResultTexts& t) {
    return {&t.rockClass,
            &t.zetaR,
            &t.ra,
            &t.rc,
            &t.raCheck,
            &t.raMargin,
            &t.rcCheck,
            &t.rcMargin,
            &t.socketWarning,
            &t.depthProposal,
            &t.gradeProposal,
            &t.errors};
}

struct Formats {
    lxw_format* header;
    lxw_format* holds;
    lxw_format* fails;
    lxw_format* zeta;
    lxw_format* capacity;
    lxw_format* margin;
    lxw_format* badCell;
    lxw_format* badDepth;
    lxw_format* depth;
    lxw_format* errorText;
};

lxw_format* FontColour(lxw_workbook* workbook, lxw_color_t colour) {
    lxw_format* format = workbook_add_format(workbook);
    format_set_font_color(format, colour);
    return format;
}

lxw_format* NumberFormat(lxw_workbook* workbook, const char* code) {
    lxw_format* format = workbook_add_format(workbook);
    format_set_num_format(format, code);
    return format;
}

Formats MakeFormats(lxw_workbook* workbook, PrecisionMode mode) {
    Formats formats{};
    formats.header = workbook_add_format(workbook);
    format_set_bold(formats.header);
    format_set_bg_color(formats.header, kHeaderBackground);
    format_set_bottom(formats.header, LXW_BORDER_THIN);
    formats.holds = FontColour(workbook, kHolds);
    formats.fails = FontColour(workbook, kFails);
    formats.zeta = NumberFormat(workbook, kZetaFormat);
    const int decimals = ApplyPrecisionMode(0, mode).decimals;
    formats.capacity = NumberFormat(
        workbook, kDecimalsFormats.at(static_cast<std::size_t>(std::clamp(decimals, 0, 2))));
    formats.margin = NumberFormat(workbook, kMarginFormat);
    formats.badCell = FontColour(workbook, kBadCellText);
    format_set_bg_color(formats.badCell, kBadCellBackground);
    formats.badDepth = FontColour(workbook, kBadCellText);
    format_set_bg_color(formats.badDepth, kBadCellBackground);
    format_set_align(formats.badDepth, LXW_ALIGN_RIGHT);
    formats.depth = workbook_add_format(workbook);
    format_set_align(formats.depth, LXW_ALIGN_RIGHT);
    formats.errorText = FontColour(workbook, kBadCellText);
    return formats;
}

// The number a result text shows, read back as the results CSV's reader would.
std::optional<double> ShownNumber(const std::u16string& text, char16_t separator) {
    try {
        return ReadStrictNumber(text, separator);
    } catch (const FloatingPointOverflow&) {
        return std::nullopt;
    }
}

bool HasErrorIn(const RowResult& result, ScheduleColumn column) {
    return std::any_of(result.errors.begin(), result.errors.end(),
                       [column](const CellError& error) { return error.column == column; });
}

}  // namespace

struct ResultsXlsxWriter::State {
    PrecisionMode mode;
    char16_t separator;
    DepthStep step;
    std::u16string timeText;
    MinSocket minimum;
    XlsxBuilder builder;
    SheetWriter results;
    SheetWriter summary;
    Formats formats;
    // The rows' cells go to the results sheet on a thread of their own.
    std::unique_ptr<SheetWriterThread> rows;
    int row = 1;
    RowTally tally;

    State(PrecisionMode m, char16_t s, DepthStep st, std::u16string time, MinSocket min)
        : mode(m),
          separator(s),
          step(st),
          timeText(std::move(time)),
          minimum(min),
          results(builder.AddSheet(Utf16ToUtf8(kResultsSheet)), Utf16ToUtf8(kResultsSheet)),
          summary(builder.AddSheet(Utf16ToUtf8(kSummarySheet)), Utf16ToUtf8(kSummarySheet)),
          formats(MakeFormats(builder.Workbook(), m)) {}

    int ColumnCount() const { return kScheduleColumnCount + static_cast<int>(kResultShown.size()); }

    void WriteHeader() {
        int column = 0;
        for (int i = 0; i < kScheduleColumnCount; ++i) {
            results.Text(0, column++, ScheduleColumnName(static_cast<ScheduleColumn>(i)),
                         formats.header);
        }
        for (const std::u16string& header : ResultHeaders()) {
            results.Text(0, column++, header, formats.header);
        }
        worksheet_freeze_panes(results.Sheet(), 1, 0);
        // Printed across A4 pages, one page wide, the header on every page.
        worksheet_set_landscape(results.Sheet());
        worksheet_set_paper(results.Sheet(), kPaperA4);
        worksheet_fit_to_pages(results.Sheet(), 1, 0);
        worksheet_repeat_rows(results.Sheet(), 0, 0);
    }

    void WriteInputs(const ScheduleRow& pile, std::size_t index, const RowResult& result) {
        for (int i = 0; i < kScheduleColumnCount; ++i) {
            const auto column = static_cast<ScheduleColumn>(i);
            const std::u16string& text =
                column == ScheduleColumn::Mark ? RowMark(pile, index) : pile.Cell(column);
            const bool bad = HasErrorIn(result, column);
            lxw_format* format = bad ? formats.badCell : nullptr;
            if (column == ScheduleColumn::Hr) {
                format = bad ? formats.badDepth : formats.depth;
            }
            std::optional<double> number;
            if (column != ScheduleColumn::Mark && column != ScheduleColumn::Grade &&
                column != ScheduleColumn::Process) {
                number = ShownNumber(text, separator);
            }
            if (number) {
                rows->Number(row, i, *number, text, format);
            } else {
                rows->Text(row, i, text, format);
            }
        }
    }

    lxw_format* FormatOf(Shown shown, const std::u16string& text) const {
        switch (shown) {
            case Shown::Zeta:
                return formats.zeta;
            case Shown::Capacity:
                return formats.capacity;
            case Shown::Margin:
                return formats.margin;
            case Shown::Verdict:
                return text == CheckVerdictText(true) ? formats.holds : formats.fails;
            case Shown::Error:
                return formats.errorText;
            case Shown::Depth:
                return formats.depth;
            case Shown::Text:
                break;
        }
        return nullptr;
    }

    void WriteResults(RowResultTexts& texts) {
        const auto fields = Fields(texts);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::u16string& text = *fields[i];
            const int column = kScheduleColumnCount + static_cast<int>(i);
            if (text.empty()) {
                continue;
            }
            const Shown shown = kResultShown[i];
            lxw_format* format = FormatOf(shown, text);
            const bool numeric =
                shown == Shown::Zeta || shown == Shown::Capacity || shown == Shown::Margin;
            const std::optional<double> number =
                numeric ? ShownNumber(text, separator) : std::nullopt;
            if (number) {
                rows->Number(row, column, *number, text, format);
            } else {
                rows->Text(row, column, text, format);
            }
        }
    }

    void WriteSummary() {
        const std::pair<const char16_t*, std::size_t> counts[] = {
            {u"桩数", tally.passing + tally.failing + tally.bad},
            {u"计算完成且验算满足", tally.passing},
            {u"验算不满足", tally.failing},
            {u"有错误", tally.bad},
            {u"嵌岩深度小于最小嵌岩深度", tally.shortSockets},
        };
        // The settings the results were computed with.
        const std::pair<const char16_t*, std::u16string> settings[] = {
            {u"结果精度", PrecisionModeText(mode)},
            {u"深度取整", DepthStepText(step)},
            {u"最小嵌岩深度", MinSocketText(minimum)},
            {u"计算时间", timeText},
        };
        summary.Text(0, 0, u"项目", formats.header);
        summary.Text(0, 1, u"内容", formats.header);
        // Counts stand to the left, under the texts of the same column.
        lxw_format* left = workbook_add_format(builder.Workbook());
        format_set_align(left, LXW_ALIGN_LEFT);
        int line = 1;
        for (const auto& [label, count] : counts) {
            summary.Text(line, 0, label);
            summary.Number(line++, 1, static_cast<double>(count),
                           Utf8ToUtf16(std::to_string(count)), left);
        }
        for (const auto& [label, value] : settings) {
            summary.Text(line, 0, label);
            summary.Text(line++, 1, value);
        }
        summary.FitColumns();
    }
};

ResultsXlsxWriter::ResultsXlsxWriter(PrecisionMode mode, char16_t decimalSeparator, DepthStep step,
                                     std::u16string timeText, MinSocket minimum)
    : state_(std::make_unique<State>(mode, decimalSeparator, step, std::move(timeText), minimum)) {
    state_->WriteHeader();
    state_->rows = std::make_unique<SheetWriterThread>(state_->results);
}

ResultsXlsxWriter::~ResultsXlsxWriter() = default;

void ResultsXlsxWriter::Add(const ScheduleRow& row, std::size_t index, const RowResult& result,
                            const RowDesign& design) {
    State& s = *state_;
    s.WriteInputs(row, index, result);
    RowResultTexts texts = FormatRowResult(result, design, s.mode, s.separator);
    s.WriteResults(texts);
    s.tally.Add(result);
    ++s.row;
}

std::string ResultsXlsxWriter::Finish() {
    State& s = *state_;
    s.rows->Finish();
    worksheet_autofilter(s.results.Sheet(), 0, 0, static_cast<lxw_row_t>(s.row - 1),
                         static_cast<lxw_col_t>(s.ColumnCount() - 1));
    s.results.FitColumns();
    s.WriteSummary();
    return s.builder.Finish();
}

std::string ResultsToXlsx(const Schedule& schedule, const std::vector<RowResult>& results,
                          const std::vector<RowDesign>& designs, PrecisionMode mode,
                          char16_t decimalSeparator, DepthStep step, const std::u16string& timeText,
                          MinSocket minimum) {
    ResultsXlsxWriter writer(mode, decimalSeparator, step, timeText, minimum);
    const std::size_t count = std::min(schedule.rows.size(), results.size());
    static const RowDesign kNoDesign;
    for (std::size_t i = 0; i < count; ++i) {
        writer.Add(schedule.rows[i], i, results[i], i < designs.size() ? designs[i] : kNoDesign);
    }
    return writer.Finish();
}

}  // namespace rokal
