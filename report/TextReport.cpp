#include "report/TextReport.h"

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
    SummaryRow1,
    SummaryRow2,
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
    {kSmallRule},
    {u"      基    桩  桩身截面  桩身直径  嵌岩深度 "},
    {u"      编    号  类    型    d(mm)    hr(mm)  "},
    {kSmallRule},
    {u"", Value::SummaryRow1},
    {kSmallRule},
    {u"      岩石强度  桩承载力  桩混凝土  桩身强度 "},
    {u"      frk(MPa)   Ra(kN)   强度等级   Rc(kN)  "},
    {kSmallRule},
    {u"", Value::SummaryRow2},
    {kSmallRule},
    {u"=================================================="},
    {u"", Value::TimeLine},
};

struct PileData {
    int n;
    const PileInput& input;
    const PileResult& result;
    PrecisionMode mode;
    const std::u16string& timeText;
    char16_t separator;

    std::u16string Fixed(double v, int p, int decimals) const {
        return FormatFixed(v, p, decimals, separator);
    }
    std::u16string Capacity(double v) const { return CapacityText(v, mode, separator); }
};

// Eight spaces, then the pile number, the section type, d and hr, each under its heading.
std::u16string SummaryRow1(const PileData& pile) {
    return Spaces(6) + Spaces(2) + PadRight(PileNumberText(pile.n), kFill, 6) + Spaces(2) +
           PadCentre(SectionTypeText(), kFill, 8) + Spaces(2) +
           PadCentre(pile.input.dText, kFill, 8) + Spaces(2) +
           PadCentre(pile.input.hrText, kFill, 8) + Spaces(1);
}

// frk, Ra, the grade and Rc centred under their headings; Ra and Rc follow the mode.
std::u16string SummaryRow2(const PileData& pile) {
    return Spaces(6) + PadCentre(pile.Fixed(pile.result.frk, 6, 2), kFill, 8) + Spaces(2) +
           PadCentre(pile.Capacity(pile.result.ra), kFill, 8) + Spaces(2) +
           PadCentre(ConcreteGradeText(pile.input.grade), kFill, 8) + Spaces(2) +
           PadCentre(pile.Capacity(pile.result.rc), kFill, 8) + Spaces(1);
}

std::u16string ValueText(Value value, const PileData& pile) {
    const PileResult& r = pile.result;
    switch (value) {
        case Value::None:
            return u"";
        case Value::PileNumber:
            return PileNumberText(pile.n);
        case Value::DText:
            return pile.input.dText;
        case Value::HrText:
            return pile.input.hrText;
        case Value::Grade:
            return ConcreteGradeText(pile.input.grade);
        case Value::Frk:
            return pile.Fixed(r.frk, 6, 2);
        case Value::ProcessText:
            return ConstructionProcessText(pile.input.process);
        case Value::Ap:
            return pile.Fixed(r.ap, 6, 2);
        case Value::Mu:
            return pile.Fixed(r.mu, 6, 2);
        case Value::RockClassName:
            return RockClassName(r.rockClass);
        case Value::HrOverD:
            return pile.Fixed(r.hrOverD, 6, 2);
        case Value::HrOverDUsed:
            return pile.Fixed(r.hrOverDUsed, 6, 2);
        case Value::ZetaR:
            return pile.Fixed(r.zetaR, 5, 4);
        case Value::Qrk:
            return pile.Fixed(r.qrk, 10, 2);
        case Value::Quk:
            return pile.Fixed(r.quk, 10, 2);
        case Value::Ra:
            return pile.Fixed(r.ra, 10, 2);
        case Value::PsiC:
            return pile.Fixed(r.psiC, 3, 2);
        case Value::Fc:
            return pile.Fixed(r.fc, 6, 2);
        case Value::Rc:
            return pile.Fixed(r.rc, 10, 2);
        case Value::SummaryRow1:
            return SummaryRow1(pile);
        case Value::SummaryRow2:
            return SummaryRow2(pile);
        case Value::TimeLine:
            return TimeLine(pile.timeText);
    }
    return u"";
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

std::u16string MakeLine(const BlockLine& line, const PileData& pile) {
    return line.label + PadLeft(ValueText(line.value, pile), kFill, line.width) +
           UnitText(line, pile.result);
}

}  // namespace

Lines TextBlockLines(int n, const PileInput& input, const PileResult& result, PrecisionMode mode,
                     const std::u16string& timeText, char16_t decimalSeparator) {
    const PileData pile{n, input, result, mode, timeText, decimalSeparator};
    Lines lines;
    lines.reserve(std::size(kBlock));
    for (const BlockLine& line : kBlock) {
        if (IsPresent(line, result)) {
            lines.push_back(MakeLine(line, pile));
        }
    }
    return lines;
}

}  // namespace rokal
