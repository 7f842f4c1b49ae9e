#include "report/TextReport.h"

#include <algorithm>
#include <iterator>

#include "engine/RockClass.h"
#include "report/DisplayWidth.h"

namespace rokal {

namespace {

const std::u16string kFill = u" ";

// What follows the label of a block line.
enum class Value {
    None,
    PileNumber,
    DText,
    HrText,
    Grade,
    Frk,
    ProcessText,
    Ap,
    Mu,
    RockClassName,
    HrOverD,
    HrOverDUsed,
    ZetaR,
    Qrk,
    Quk,
    Ra,
    PsiC,
    Fc,
    Rc,
    MarkRule,
    MarkHeading1,
    MarkHeading2,
    SummaryRow1,
    SummaryRow2,
    CheckSection,
    TimeLine,
};

enum class UnitRule { Always, WhenMillimetres };
enum class Presence { Always, WhenCapped };

// One line of a pile's block: the label, then the value padded left to width, then the unit.
struct BlockLine {
    const char16_t* label;
    Value value = Value::None;
    int width = 0;
    const char16_t* unit = u"";
    UnitRule unitRule = UnitRule::Always;
    Presence presence = Presence::Always;
};

const char16_t kSmallRule[] = u"      ---------------------------------------";
constexpr int kMarkWidth = 6;
constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 10;

// Labels end at column 35 (33 for the rock class, 19 for the process) so that the
// values, padded to 10 (12, 26), end at column 45. The three labels with a Greek
// letter measure 34, since the width rule counts the letter as one column.
const BlockLine kBlock[] = {
    {u"================== 嵌岩桩计算书 =================="},
    {u"1.基桩编号: ", Value::PileNumber},
    {u"2.输入数据"},
    {u"  2.1 基桩参数"},
    {u"      桩身截面类型:                      圆桩"},
    {u"      桩身直径d:                   ", Value::DText, 10, u" mm"},
    {u"      桩身嵌岩深度hr:              ", Value::HrText, 10, u" mm", UnitRule::WhenMillimetres},
    {u"      桩身混凝土强度等级:          ", Value::Grade, 10},
    {u"  2.2 基岩参数"},
    {u"      岩石单轴抗压强度标准值frk:   ", Value::Frk, 10, u" MPa"},
    {u"  2.3 基桩成桩工艺:", Value::ProcessText, 26},
    {u"3.采用规范及公式"},
    {u"  3.1 采用规范: "},
    {u"                 《贵州建筑地基基础设计规范》"},
    {u"                      (DBJ 52/T045-2018)"},
    {u"  3.2 规范公式:  "},
    {u"      Ra=1/2ζr.frk.Ap+μp∑qsia.Li (8.5.9-3)"},
    {u"                       Q≤ψc.Ap.fc  (8.5.10)"},
    {u"4.承载力计算"},
    {u"  4.1 桩身直径d:                   ", Value::DText, 10, u" mm"},
    {u"      桩身截面面积Ap(Aps):         ", Value::Ap, 10, u" m^2"},
    {u"      桩身截面周长μ:              ", Value::Mu, 10, u" m"},
    {u"  4.2 岩石坚硬程度:              ", Value::RockClassName, 12},
    {u"  4.3 嵌岩深径比hr/d:              ", Value::HrOverD, 10},
    {u"      计算承载力采用的嵌岩深径比:  ", Value::HrOverDUsed, 10, u"", UnitRule::Always,
     Presence::WhenCapped},
    {u"      嵌岩段侧阻和端阻综合系数ζr: ", Value::ZetaR, 10},
    {u"      嵌岩段总极限阻力标准值Qrk:   ", Value::Qrk, 10, u" kN"},
    {u"  4.4 土的总极限侧阻力标准值Qsk(不考虑): 0.00 kN"},
    {u"  4.5 桩竖向极限承载力标准值Quk:   ", Value::Quk, 10, u" kN"},
    {u"      安全系数K:                         2.00"},
    {u"      单桩竖向承载力特征值Ra:      ", Value::Ra, 10, u" kN"},
    {u"  4.6 基桩成桩工艺:", Value::ProcessText, 26},
    {u"      基桩成桩工艺系数ψc:         ", Value::PsiC, 10},
    {u"      桩身混凝土强度设计值fc:      ", Value::Fc, 10, u" MPa"},
    {u"      桩身正截面受压承载力设计值Rc:", Value::Rc, 10, u" kN"},
    {u"5.基桩主要数据汇总"},
    {u"", Value::MarkRule},
    {u"      ", Value::MarkHeading1},
    {u"      ", Value::MarkHeading2},
    {u"", Value::MarkRule},
    {u"", Value::SummaryRow1},
    {u"", Value::MarkRule},
    {u"      岩石强度  桩承载力  桩混凝土  桩身强度 "},
    {u"      frk(MPa)   Ra(kN)   强度等级   Rc(kN)  "},
    {kSmallRule},
    {u"", Value::SummaryRow2},
    {kSmallRule},
    {u"", Value::CheckSection},
    {u"=================================================="},
    {u"", Value::TimeLine},
};

struct PileData {
    const BookPile& pile;
    const std::u16string& timeText;

    std::u16string Fixed(double v, int p, int decimals) const {
        return FormatFixed(v, p, decimals, pile.decimalSeparator);
    }
    std::u16string Capacity(double v) const {
        return CapacityText(v, pile.mode, pile.decimalSeparator);
    }
    // Columns the first summary table gives the mark: six, or a schedule's wider mark
    // up to the table's widest mark column.
    int MarkWidth() const {
        if (!pile.scheduleMark) {
            return kMarkWidth;
        }
        return std::max(kMarkWidth, std::min(DisplayWidth(pile.mark), kWidestMarkColumn));
    }
    int Widening() const { return MarkWidth() - kMarkWidth; }
};

// Eight spaces, then the pile number, the section type, d and hr, each under its heading.
std::u16string SummaryRow1(const PileData& data) {
    const BookPile& pile = data.pile;
    return Spaces(6) + Spaces(2) + PadRight(pile.mark, kFill, data.MarkWidth()) + Spaces(2) +
           PadCentre(SectionTypeText(), kFill, 8) + Spaces(2) +
           PadCentre(pile.input.dText, kFill, 8) + Spaces(2) +
           PadCentre(pile.input.hrText, kFill, 8) + Spaces(1);
}

// frk, Ra, the grade and Rc centred under their headings; Ra and Rc follow the mode.
std::u16string SummaryRow2(const PileData& data) {
    const BookPile& pile = data.pile;
    return Spaces(6) + PadCentre(data.Fixed(pile.result.frk, 6, 2), kFill, 8) + Spaces(2) +
           PadCentre(data.Capacity(pile.result.ra), kFill, 8) + Spaces(2) +
           PadCentre(ConcreteGradeText(pile.input.grade), kFill, 8) + Spaces(2) +
           PadCentre(data.Capacity(pile.result.rc), kFill, 8) + Spaces(1);
}

// The headings of the first summary table, its mark column as wide as the mark.
std::u16string MarkHeading(const PileData& data, const char16_t* mark, const char16_t* rest) {
    return PadCentre(mark, kFill, 8 + data.Widening()) + rest;
}

std::u16string ValueText(Value value, const PileData& data) {
    const PileResult& r = data.pile.result;
    const PileInput& input = data.pile.input;
    switch (value) {
        case Value::None:
        case Value::CheckSection:
            return u"";
        case Value::PileNumber:
            return data.pile.mark;
        case Value::DText:
            return input.dText;
        case Value::HrText:
            return input.hrText;
        case Value::Grade:
            return ConcreteGradeText(input.grade);
        case Value::Frk:
            return data.Fixed(r.frk, 6, 2);
        case Value::ProcessText:
            return ConstructionProcessText(input.process);
        case Value::Ap:
            return data.Fixed(r.ap, 6, 2);
        case Value::Mu:
            return data.Fixed(r.mu, 6, 2);
        case Value::RockClassName:
            return RockClassName(r.rockClass);
        case Value::HrOverD:
            return data.Fixed(r.hrOverD, 6, 2);
        case Value::HrOverDUsed:
            return data.Fixed(r.hrOverDUsed, 6, 2);
        case Value::ZetaR:
            return data.Fixed(r.zetaR, 5, 4);
        case Value::Qrk:
            return data.Fixed(r.qrk, 10, 2);
        case Value::Quk:
            return data.Fixed(r.quk, 10, 2);
        case Value::Ra:
            return data.Fixed(r.ra, 10, 2);
        case Value::PsiC:
            return data.Fixed(r.psiC, 3, 2);
        case Value::Fc:
            return data.Fixed(r.fc, 6, 2);
        case Value::Rc:
            return data.Fixed(r.rc, 10, 2);
        case Value::MarkRule:
            return kSmallRule + std::u16string(static_cast<std::size_t>(data.Widening()), u'-');
        case Value::MarkHeading1:
            return MarkHeading(data, u"基    桩", u"  桩身截面  桩身直径  嵌岩深度 ");
        case Value::MarkHeading2:
            return MarkHeading(data, u"编    号", u"  类    型    d(mm)    hr(mm)  ");
        case Value::SummaryRow1:
            return SummaryRow1(data);
        case Value::SummaryRow2:
            return SummaryRow2(data);
        case Value::TimeLine:
            return TimeLine(data.timeText);
    }
    return u"";
}

// A line of the check section: the label, then the value padded left so that
// it ends where the values of the block above end, then the rest.
std::u16string CheckLine(const std::u16string& label, const std::u16string& value,
                         const std::u16string& rest) {
    return PadRight(label, kFill, kLabelWidth) + PadLeft(value, kFill, kValueWidth) + rest;
}

// The number of a part of the check section: "  6.1 ", "  6.2 ", ...
std::u16string PartNumber(int part) {
    return u"  6." + std::u16string(1, static_cast<char16_t>(u'0' + part)) + u" ";
}

void AddLoadCheck(Lines& lines, int part, const LoadCheck& check, const PileData& data,
                  const char16_t* loadLabel, const char16_t* capacityLabel,
                  const char16_t* checkLabel) {
    const BookPile& pile = data.pile;
    const std::u16string margin = MarginText(check, pile.decimalSeparator);
    lines.push_back(CheckLine(PartNumber(part) + loadLabel,
                              LoadText(check.load, pile.mode, pile.decimalSeparator), u" kN"));
    lines.push_back(CheckLine(capacityLabel, data.Capacity(check.capacity), u" kN"));
    lines.push_back(CheckLine(checkLabel, check.holds ? u"满足" : u"不满足",
                              margin.empty() ? u"" : u"  富余 " + margin));
}

// After the summary, for a pile with loads or a socket below the minimum: each
// load against its capacity in the book's rounding, the verdicts and margins
// decided on the unrounded values, and the socket warning.
Lines CheckSectionLines(const PileData& data) {
    const BookPile& pile = data.pile;
    if (!pile.ShowsChecks()) {
        return {};
    }
    Lines lines = {u"6.验算(以未取整的数值比较)"};
    int part = 0;
    if (pile.raCheck) {
        AddLoadCheck(lines, ++part, *pile.raCheck, data, u"竖向力Nk:",
                     u"      单桩竖向承载力特征值Ra:", u"      Ra≥Nk:");
    }
    if (pile.rcCheck) {
        AddLoadCheck(lines, ++part, *pile.rcCheck, data, u"轴向压力N:",
                     u"      桩身正截面受压承载力设计值Rc:", u"      Rc≥N:");
    }
    if (pile.SocketShort()) {
        const char16_t separator = pile.decimalSeparator;
        lines.push_back(CheckLine(PartNumber(++part) + u"桩身嵌岩深度hr:",
                                  MillimetreText(pile.socketCheck->hr, separator), u" mm"));
        lines.push_back(CheckLine(u"      最小嵌岩深度:",
                                  MillimetreText(pile.socketCheck->minimum, separator), u" mm"));
        lines.push_back(u"      警告: 嵌岩深度小于最小嵌岩深度");
    }
    return lines;
}

bool IsPresent(const BlockLine& line, const PileResult& result) {
    return line.presence == Presence::Always || result.capped;
}

std::u16string UnitText(const BlockLine& line, const PileResult& result) {
    if (line.unitRule == UnitRule::WhenMillimetres && result.hrIsMultiple) {
        return u"";
    }
    return line.unit;
}

std::u16string MakeLine(const BlockLine& line, const PileData& data) {
    return line.label + PadLeft(ValueText(line.value, data), kFill, line.width) +
           UnitText(line, data.pile.result);
}

}  // namespace

Lines TextBlockLines(const BookPile& pile, const std::u16string& timeText) {
    const PileData data{pile, timeText};
    Lines lines;
    lines.reserve(std::size(kBlock));
    for (const BlockLine& line : kBlock) {
        if (line.value == Value::CheckSection) {
            Lines checks = CheckSectionLines(data);
            lines.insert(lines.end(), std::make_move_iterator(checks.begin()),
                         std::make_move_iterator(checks.end()));
        } else if (IsPresent(line, pile.result)) {
            lines.push_back(MakeLine(line, data));
        }
    }
    return lines;
}

Lines TextBlockLines(int n, const PileInput& input, const PileResult& result, PrecisionMode mode,
                     const std::u16string& timeText, char16_t decimalSeparator) {
    return TextBlockLines(CalculatorPile(n, input, result, mode, decimalSeparator), timeText);
}

}  // namespace rokal
