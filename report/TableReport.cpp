#include "report/TableReport.h"

#include <array>

#include "report/DisplayWidth.h"

namespace rokal {

namespace {

constexpr int kTableWidth = 130;
const std::u16string kFill = u" ";

const std::u16string kColumnHeadings1 =
    u" 基    桩  桩身截面  桩身直径  嵌岩深度  岩石强度  成    桩  深 径 比  综合系数  嵌岩阻力  "
    u"桩承载力  桩混凝土  工艺系数  桩身强度 ";
const std::u16string kColumnHeadings2 =
    u" 编    号  类    型    d(mm)    hr(mm)   frk(MPa)  工    艺    hr/d      ζr      Qrk(kN)   "
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

std::u16string Rule(char16_t c) {
    return std::u16string(kTableWidth, c);
}

}  // namespace

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

Lines TableHeaderLines() {
    const std::u16string equals(58, u'=');
    return {equals + u" 嵌岩桩计算书 " + equals, Rule(u'-'), kColumnHeadings1, kColumnHeadings2,
            Rule(u'-')};
}

std::u16string TableRowLine(int n, const PileInput& input, const PileResult& result,
                            PrecisionMode mode, char16_t decimalSeparator) {
    const CapacityLayout& layout = kCapacityLayouts[static_cast<int>(mode)];
    const auto capacity = [&](double value) { return CapacityText(value, mode, decimalSeparator); };
    const auto fixed = [&](double value, int p, int decimals) {
        return FormatFixed(value, p, decimals, decimalSeparator);
    };
    const std::vector<Cell> cells = {
        {u"", Align::Left, 0, 3},
        {PileNumberText(n), Align::Left, 6, 2},
        {SectionTypeText(), Align::Centre, 8, 2},
        {input.dText, Align::Right, 6, 4},
        {input.hrText, Align::Right, 6, 4},
        {fixed(result.frk, 6, 2), Align::Right, 6, 4},
        {kProcessLabels[static_cast<int>(input.process)], Align::Left, 0, 2},
        {fixed(result.hrOverD, 6, 2), Align::Right, 6, 4},
        {fixed(result.zetaR, 5, 4), Align::Right, 7, 3},
        {capacity(result.qrk), Align::Right, layout.width, layout.gap},
        {capacity(result.ra), Align::Right, layout.width, layout.gap},
        {ConcreteGradeText(input.grade), Align::Right, 6, 4},
        {fixed(result.psiC, 3, 2), Align::Right, 6, 4},
        {capacity(result.rc), Align::Right, layout.width, layout.trailingGap},
    };
    return JoinCells(cells);
}

Lines TableFooterLines(const std::u16string& timeText) {
    return {Rule(u'-'), kStandardNote, Rule(u'='), TimeLine(timeText)};
}

}  // namespace rokal
