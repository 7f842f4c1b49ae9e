#include "report/TableReport.h"

#include <algorithm>
#include <array>

#include "report/DisplayWidth.h"

namespace rokal {

namespace {

constexpr int kTableWidth = 130;
constexpr int kMarkWidth = 6;
const std::u16string kFill = u" ";

// The headings of the 桩号 column, then those of the pile's other columns.
const std::u16string kMarkHeading1 = u"基    桩";
const std::u16string kMarkHeading2 = u"编    号";
const std::u16string kColumnHeadings1 =
    u"  桩身截面  桩身直径  嵌岩深度  岩石强度  成    桩  深 径 比  综合系数  嵌岩阻力  "
    u"桩承载力  桩混凝土  工艺系数  桩身强度 ";
const std::u16string kColumnHeadings2 =
    u"  类    型    d(mm)    hr(mm)   frk(MPa)  工    艺    hr/d      ζr      Qrk(kN)   "
    u"Ra(kN)   强度等级    ψc      Rc(kN)  ";
const std::u16string kStandardNote =
    u"注: 采用《贵州建筑地基基础设计规范》(DBJ 52/T045-2018)公式计算";

// Process labels of the table, in the order of ConstructionProcess; each is 8 columns wide.
const std::array<std::u16string, kConstructionProcessCount> kProcessLabels = {
    u"干 作 业", u"泥浆护壁", u"后 注 浆", u"水下灌注"};

// The cells of the three capacities by rounding mode: with decimals they fill their
// 8-column heading cell, without they end one column before its edge.
struct CapacityLayout {
    int width;        // W: Qrk, Ra and Rc are padded left to it
    int gap;          // S: spaces after Qrk and after Ra
    int trailingGap;  // T: spaces after Rc, ending the row
};

const std::array<CapacityLayout, kPrecisionModeCount> kCapacityLayouts = {{
    {8, 2, 1},  // TwoDecimals
    {8, 2, 1},  // OneDecimal
    {7, 3, 2},  // Units
    {7, 3, 2},  // Tens
    {7, 3, 2},  // Hundreds
}};

enum class Align { Left, Right, Centre };

// One piece of a row: its text placed in a cell of the given width, then gap spaces.
struct Cell {
    std::u16string text;
    Align align;
    int width;
    int gap;
};

std::u16string Place(const Cell& cell) {
    switch (cell.align) {
        case Align::Left:
            return PadRight(cell.text, kFill, cell.width);
        case Align::Right:
            return PadLeft(cell.text, kFill, cell.width);
        case Align::Centre:
            return PadCentre(cell.text, kFill, cell.width);
    }
    return cell.text;
}

std::u16string JoinCells(const std::vector<Cell>& cells) {
    std::u16string line;
    for (const Cell& cell : cells) {
        line += Place(cell) + Spaces(cell.gap);
    }
    return line;
}

// The columns that follow a pile's own when the book shows checks.
struct CheckColumn {
    const char16_t* heading1;
    const char16_t* heading2;
    int width;
    Align align;
    int gap;
};

enum class CheckCell { Nk, RaCheck, N, RcCheck, SocketWarning };

// Indexed by CheckCell.
const CheckColumn kCheckColumns[] = {
    {u"竖 向 力", u"Nk(kN)", 8, Align::Right, 2},    // the load
    {u"承载力验算", u"Ra≥Nk", 13, Align::Left, 2},   // "满足 +28.5%"
    {u"轴向压力", u"N(kN)", 8, Align::Right, 2},     // the load
    {u"桩身强度验算", u"Rc≥N", 13, Align::Left, 2},  // "不满足 -4.4%"
    {u"嵌岩深度", u"不足警告", 10, Align::Left, 1},  // "<500mm"
};

// One more space between the pile's own columns and the check columns.
constexpr int kChecksLead = 1;

int ChecksWidth() {
    int width = kChecksLead;
    for (const CheckColumn& column : kCheckColumns) {
        width += column.width + column.gap;
    }
    return width;
}

int TableWidth(const TableLayout& layout) {
    return kTableWidth + (layout.markWidth - kMarkWidth) + (layout.checks ? ChecksWidth() : 0);
}

std::u16string Rule(char16_t c, const TableLayout& layout) {
    return std::u16string(static_cast<std::size_t>(TableWidth(layout)), c);
}

std::u16string CheckHeadings(const char16_t* CheckColumn::*heading) {
    std::u16string line = Spaces(kChecksLead);
    for (const CheckColumn& column : kCheckColumns) {
        line += PadCentre(column.*heading, kFill, column.width) + Spaces(column.gap);
    }
    return line;
}

// "满足 +28.5%", "不满足 -4.4%", or the verdict alone for a load of 0.
std::u16string VerdictCell(const LoadCheck& check, char16_t separator) {
    const std::u16string margin = MarginText(check, separator);
    const std::u16string verdict = check.holds ? u"满足" : u"不满足";
    return margin.empty() ? verdict : verdict + u" " + margin;
}

std::u16string CheckCellText(CheckCell cell, const BookPile& pile) {
    const char16_t separator = pile.decimalSeparator;
    switch (cell) {
        case CheckCell::Nk:
            return pile.raCheck ? LoadText(pile.raCheck->load, pile.mode, separator) : u"";
        case CheckCell::RaCheck:
            return pile.raCheck ? VerdictCell(*pile.raCheck, separator) : u"";
        case CheckCell::N:
            return pile.rcCheck ? LoadText(pile.rcCheck->load, pile.mode, separator) : u"";
        case CheckCell::RcCheck:
            return pile.rcCheck ? VerdictCell(*pile.rcCheck, separator) : u"";
        case CheckCell::SocketWarning:
            break;
    }
    return pile.SocketShort() ? u"<" + MillimetreText(pile.socketCheck->minimum, separator) + u"mm"
                              : u"";
}

void AddCheckCells(const BookPile& pile, std::vector<Cell>& cells) {
    cells.push_back({u"", Align::Left, 0, kChecksLead});
    int index = 0;
    for (const CheckColumn& column : kCheckColumns) {
        cells.push_back({CheckCellText(static_cast<CheckCell>(index++), pile), column.align,
                         column.width, column.gap});
    }
}

}  // namespace

TableLayout WidenedFor(TableLayout layout, const BookPile& pile) {
    if (pile.scheduleMark) {
        layout.markWidth =
            std::max(layout.markWidth, std::min(DisplayWidth(pile.mark), kWidestMarkColumn));
    }
    layout.checks = layout.checks || pile.ShowsChecks();
    return layout;
}

std::u16string TimeLine(const std::u16string& timeText) {
    return u"计算时间：" + timeText;
}

std::u16string PileNumberText(int n) {
    const std::string digits = std::to_string(n);
    return u"ZH" + std::u16string(digits.begin(), digits.end());
}

const std::u16string& SectionTypeText() {
    static const std::u16string text = u"圆  桩";
    return text;
}

std::u16string CapacityText(double value, PrecisionMode mode, char16_t decimalSeparator) {
    const ShownValue shown = ApplyPrecisionMode(value, mode);
    return FormatFixed(shown.value, 10, shown.decimals, decimalSeparator);
}

std::u16string LoadText(double value, PrecisionMode mode, char16_t decimalSeparator) {
    return FormatFixed(value, 10, ApplyPrecisionMode(value, mode).decimals, decimalSeparator);
}

std::u16string MarginText(const LoadCheck& check, char16_t decimalSeparator) {
    if (!check.marginPercent) {
        return {};
    }
    const std::u16string number = FormatFixed(*check.marginPercent, 15, 1, decimalSeparator);
    return (number.front() == u'-' ? u"" : u"+") + number + u"%";
}

std::u16string MillimetreText(double value, char16_t decimalSeparator) {
    std::u16string text = FormatFixed(value, 15, 2, decimalSeparator);
    if (text.find(decimalSeparator) == std::u16string::npos ||
        text.find_first_of(u"eE") != std::u16string::npos) {
        return text;
    }
    while (text.back() == u'0') {
        text.pop_back();
    }
    if (text.back() == decimalSeparator) {
        text.pop_back();
    }
    return text;
}

Lines TableHeaderLines(const TableLayout& layout) {
    const int titleRules = TableWidth(layout) - DisplayWidth(u" 嵌岩桩计算书 ");
    const std::u16string left(static_cast<std::size_t>(titleRules / 2), u'=');
    const std::u16string right(static_cast<std::size_t>(titleRules - titleRules / 2), u'=');
    const int markCell = layout.markWidth + 2;
    std::u16string headings1 = u" " + PadCentre(kMarkHeading1, kFill, markCell) + kColumnHeadings1;
    std::u16string headings2 = u" " + PadCentre(kMarkHeading2, kFill, markCell) + kColumnHeadings2;
    if (layout.checks) {
        headings1 += CheckHeadings(&CheckColumn::heading1);
        headings2 += CheckHeadings(&CheckColumn::heading2);
    }
    return {left + u" 嵌岩桩计算书 " + right, Rule(u'-', layout), std::move(headings1),
            std::move(headings2), Rule(u'-', layout)};
}

std::u16string TableRowLine(const BookPile& pile, const TableLayout& layout) {
    const PileInput& input = pile.input;
    const PileResult& result = pile.result;
    const PrecisionMode mode = pile.mode;
    const char16_t decimalSeparator = pile.decimalSeparator;
    const CapacityLayout& capacities = kCapacityLayouts[static_cast<int>(mode)];
    const auto capacity = [&](double value) { return CapacityText(value, mode, decimalSeparator); };
    const auto fixed = [&](double value, int p, int decimals) {
        return FormatFixed(value, p, decimals, decimalSeparator);
    };
    std::vector<Cell> cells = {
        {u"", Align::Left, 0, 3},
        {pile.mark, Align::Left, layout.markWidth, 2},
        {SectionTypeText(), Align::Centre, 8, 2},
        {input.dText, Align::Right, 6, 4},
        {input.hrText, Align::Right, 6, 4},
        {fixed(result.frk, 6, 2), Align::Right, 6, 4},
        {kProcessLabels[static_cast<int>(input.process)], Align::Left, 0, 2},
        {fixed(result.hrOverD, 6, 2), Align::Right, 6, 4},
        {fixed(result.zetaR, 5, 4), Align::Right, 7, 3},
        {capacity(result.qrk), Align::Right, capacities.width, capacities.gap},
        {capacity(result.ra), Align::Right, capacities.width, capacities.gap},
        {ConcreteGradeText(input.grade), Align::Right, 6, 4},
        {fixed(result.psiC, 3, 2), Align::Right, 6, 4},
        {capacity(result.rc), Align::Right, capacities.width, capacities.trailingGap},
    };
    if (layout.checks) {
        AddCheckCells(pile, cells);
    }
    return JoinCells(cells);
}

std::u16string TableRowLine(int n, const PileInput& input, const PileResult& result,
                            PrecisionMode mode, char16_t decimalSeparator) {
    return TableRowLine(CalculatorPile(n, input, result, mode, decimalSeparator), TableLayout{});
}

Lines TableFooterLines(const std::u16string& timeText, const TableLayout& layout) {
    return {Rule(u'-', layout), kStandardNote, Rule(u'=', layout), TimeLine(timeText)};
}

}  // namespace rokal
