#include "cli/Summary.h"

#include <string>

#include "cli/TextTable.h"
#include "report/DisplayWidth.h"
#include "schedule/ResultsCsv.h"

namespace rokal {
namespace {

constexpr int kMarkWidth = 12;
using Align = TextTable::Align;

std::u16string Number(std::size_t n) {
    const std::string text = std::to_string(n);
    return std::u16string(text.begin(), text.end());
}

std::u16string Trimmed(const std::u16string& text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// "满足 +12.5%", "不满足 -3.0%", or only the verdict for a load of 0.
std::u16string VerdictCell(const std::u16string& verdict, const std::u16string& margin) {
    if (verdict.empty() || margin.empty()) {
        return verdict;
    }
    const bool negative = margin.front() == u'-';
    return verdict + u" " + (negative ? u"" : u"+") + margin + u"%";
}

// Ra of a proposal written as the main window writes Ra.
std::u16string RaText(const RowResult& result, double ra, const ScheduleRun& run) {
    PileResult pile = *result.pile;
    pile.ra = ra;
    return FormatWindowResults(pile, run.mode, run.decimalSeparator).ra;
}

template <typename AddComputed>
Lines Render(const ScheduleRun& run, std::vector<TextTable::Column> columns,
             AddComputed addComputed) {
    TextTable table(std::move(columns));
    for (std::size_t i = 0; i < run.results.size(); ++i) {
        const ScheduleRow& row = run.schedule.rows[i];
        const RowResult& result = run.results[i];
        std::u16string mark = CutToWidth(RowMark(row, i), kMarkWidth, kTerminalEllipsis);
        if (result.Computed()) {
            addComputed(table, std::move(mark), row, result, run.designs[i]);
        } else {
            table.AddSpanRow(std::move(mark),
                             FormatRowResult(result, {}, run.mode, run.decimalSeparator).errors);
        }
    }
    Lines lines = table.Render(kSummaryWidth);
    RowTally tally;
    for (const RowResult& result : run.results) {
        tally.Add(result);
    }
    lines.push_back(CountLine(tally));
    return lines;
}

}  // namespace

Lines CheckSummary(const ScheduleRun& run) {
    return Render(
        run,
        {{u"桩号", Align::Left},
         {u"岩石类别", Align::Left},
         {u"ζr", Align::Right},
         {u"Ra(kN)", Align::Right},
         {u"Nk(kN)", Align::Right},
         {u"Ra>=Nk", Align::Left},
         {u"Rc(kN)", Align::Right},
         {u"N(kN)", Align::Right},
         {u"Rc>=N", Align::Left}},
        [&](TextTable& table, std::u16string mark, const ScheduleRow& row, const RowResult& result,
            const RowDesign& design) {
            const RowResultTexts t =
                FormatRowResult(result, design, run.mode, run.decimalSeparator);
            table.AddRow({std::move(mark), t.rockClass, t.zetaR, t.ra,
                          Trimmed(row.Cell(ScheduleColumn::Nk)), VerdictCell(t.raCheck, t.raMargin),
                          t.rc, Trimmed(row.Cell(ScheduleColumn::N)),
                          VerdictCell(t.rcCheck, t.rcMargin)});
        });
}

Lines DesignSummary(const ScheduleRun& run) {
    return Render(run,
                  {{u"桩号", Align::Left},
                   {u"hr", Align::Right},
                   {u"Ra(kN)", Align::Right},
                   {u"Nk(kN)", Align::Right},
                   {u"建议hr", Align::Right},
                   {u"建议Ra(kN)", Align::Right},
                   {u"Rc(kN)", Align::Right},
                   {u"N(kN)", Align::Right},
                   {u"建议混凝土", Align::Left}},
                  [&](TextTable& table, std::u16string mark, const ScheduleRow& row,
                      const RowResult& result, const RowDesign& design) {
                      const RowResultTexts t =
                          FormatRowResult(result, design, run.mode, run.decimalSeparator);
                      std::u16string proposedRa;
                      if (design.depth) {
                          proposedRa = RaText(result, design.depth->ra, run);
                      }
                      table.AddRow({std::move(mark), Trimmed(row.Cell(ScheduleColumn::Hr)), t.ra,
                                    Trimmed(row.Cell(ScheduleColumn::Nk)), t.depthProposal,
                                    std::move(proposedRa), t.rc,
                                    Trimmed(row.Cell(ScheduleColumn::N)), t.gradeProposal});
                  });
}

std::u16string CountLine(const RowTally& tally) {
    std::u16string line = u"桩表共 " + Number(tally.passing + tally.failing + tally.bad) +
                          u" 根桩：" + Number(tally.passing) + u" 根计算完成且验算满足";
    if (tally.failing > 0) {
        line += u"，" + Number(tally.failing) + u" 根验算不满足";
    }
    if (tally.bad > 0) {
        line += u"，" + Number(tally.bad) + u" 根有错误";
    }
    if (tally.shortSockets > 0) {
        line += u"；" + Number(tally.shortSockets) + u" 根嵌岩深度小于最小嵌岩深度";
    }
    return line;
}

}  // namespace rokal
