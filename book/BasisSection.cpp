#include "book/BasisSection.h"

#include <array>

#include "book/ShownNumber.h"
#include "engine/PileResult.h"
#include "engine/RockClass.h"

namespace rokal::book {

namespace {

Block Make(Block::Kind kind, Inline text) {
    Block block;
    block.kind = kind;
    block.text = std::move(text);
    return block;
}

Block TableBlock(Table table) {
    Block block;
    block.kind = Block::Kind::Table;
    block.table = std::move(table);
    return block;
}

struct SymbolRow {
    const char16_t* symbol;
    const char16_t* meaning;
    const char16_t* unit;
};

const SymbolRow kSymbols[] = {
    {u"R_{a}", u"单桩竖向承载力特征值", u"kN"},
    {u"Q_{uk}", u"单桩竖向极限承载力标准值", u"kN"},
    {u"Q_{rk}", u"嵌岩段总极限阻力标准值", u"kN"},
    {u"Q_{sk}", u"土的总极限侧阻力标准值，本计算不计", u"kN"},
    {u"K", u"安全系数，取 2", u"—"},
    {u"ζ_{r}", u"嵌岩段侧阻和端阻综合系数", u"—"},
    {u"η", u"成桩工艺对 ζ_{r} 的调整系数", u"—"},
    {u"f_{rk}", u"岩石饱和单轴抗压强度标准值", u"MPa"},
    {u"A_{p}", u"桩身截面面积，A_{p} = π·d²/4", u"m²"},
    {u"d", u"桩身直径", u"mm"},
    {u"h_{r}", u"桩身嵌岩深度", u"mm"},
    {u"R_{c}", u"桩身正截面受压承载力设计值", u"kN"},
    {u"ψ_{c}", u"成桩工艺系数", u"—"},
    {u"f_{c}", u"混凝土轴心抗压强度设计值", u"MPa"},
    {u"N_{k}", u"荷载效应标准组合下桩顶竖向力", u"kN"},
    {u"N", u"荷载效应基本组合下桩顶轴向压力", u"kN"},
};

const char16_t* const kFormulas[] = {
    u"R_{a} = Q_{uk} / K = ½·ζ_{r}·f_{rk}·A_{p}",
    u"Q_{uk} = Q_{sk} + Q_{rk}，Q_{rk} = ζ_{r}·f_{rk}·A_{p}，Q_{sk} 不计",
    u"R_{c} = ψ_{c}·f_{c}·A_{p}",
};

Table SymbolTable() {
    Table table;
    table.columns = {{Plain(u"符号"), Align::Left, 1.2},
                     {Plain(u"含义"), Align::Left, 5},
                     {Plain(u"单位"), Align::Left, 1}};
    for (const SymbolRow& row : kSymbols) {
        table.rows.push_back({{Markup(row.symbol), Markup(row.meaning), Markup(row.unit)}});
    }
    return table;
}

Table RockClassTable(const NumberWriter& numbers) {
    Table table;
    table.columns = {{Plain(u"岩石坚硬程度"), Align::Left, 1},
                     {Markup(u"f_{rk}（MPa）"), Align::Left, 1.5}};
    for (const RockClassRange& range : RockClassRanges()) {
        std::u16string text;
        if (range.upTo == 0) {
            text = u"f_{rk} > " + numbers.Exact(range.above).text;
        } else {
            text = (range.above > 0 ? numbers.Exact(range.above).text + u" < " : u"") +
                   u"f_{rk} ≤ " + numbers.Exact(range.upTo).text;
        }
        table.rows.push_back({{Plain(RockClassName(range.rockClass)), Markup(text)}});
    }
    return table;
}

Table ZetaTable(const NumberWriter& numbers) {
    Table table;
    table.columns = {{Markup(u"h_{r}/d"), Align::Right, 1},
                     {Markup(u"f_{rk} ≤ 15 MPa"), Align::Right, 1.4},
                     {Markup(u"f_{rk} > 30 MPa"), Align::Right, 1.4}};
    const double hardEnd = ZetaTableEnd(kZetaHardLimitFrk + 1);
    for (const ZetaTableRow& row : ZetaTableRows()) {
        table.rows.push_back(
            {{Plain(numbers.Exact(row.hrOverD, 1).text), Plain(numbers.Exact(row.soft, 2).text),
              Plain(row.hrOverD <= hardEnd ? numbers.Exact(row.hard, 2).text : u"—")}});
    }
    return table;
}

Table GradeTable(const NumberWriter& numbers) {
    Table table;
    table.columns = {{Plain(u"强度等级"), Align::Left, 1.6}};
    TableRow row;
    row.cells.push_back(Markup(u"f_{c}（MPa）"));
    for (int i = 0; i < kConcreteGradeCount; ++i) {
        const auto grade = static_cast<ConcreteGrade>(i);
        table.columns.push_back({Plain(ConcreteGradeText(grade)), Align::Right, 1});
        row.cells.push_back(Plain(numbers.Exact(ConcreteFc(grade)).text));
    }
    table.rows.push_back(std::move(row));
    return table;
}

Table ProcessTable(const NumberWriter& numbers) {
    Table table;
    table.columns = {{Plain(u"成桩工艺"), Align::Left, 3},
                     {Markup(u"ψ_{c}"), Align::Right, 1},
                     {Plain(u"η"), Align::Right, 1}};
    for (int i = 0; i < kConstructionProcessCount; ++i) {
        const auto process = static_cast<ConstructionProcess>(i);
        table.rows.push_back({{Plain(ConstructionProcessText(process)),
                               Plain(numbers.Fixed(ProcessPsiC(process), 1).text),
                               Plain(numbers.Fixed(ZetaProcessFactor(process), 1).text)}});
    }
    return table;
}

std::u16string RoundingText(const BookOptions& options) {
    std::u16string text =
        u"计算用未经舍入的数值进行，书中各数四舍五入显示：A_{p} 与 ζ_{r} 至少 4 位小数，h_{r}/d "
        u"至少 2 "
        u"位小数，Q_{rk}、R_{a}、R_{c} ";
    switch (options.mode) {
        case PrecisionMode::TwoDecimals:
            text += u"取 2 位小数";
            break;
        case PrecisionMode::OneDecimal:
            text += u"取 1 位小数";
            break;
        case PrecisionMode::Units:
            text += u"取整到 1 kN";
            break;
        case PrecisionMode::Tens:
        case PrecisionMode::Hundreds:
            text += u"算到 1 kN，R_{a}、R_{c} 再按" + PrecisionModeText(options.mode) +
                    u"向零截取为取值";
            break;
    }
    text +=
        u"。一步的结果若要由所示数字复核，其输入多显示几位，使所示数字代入公式所得与所示结果之差"
        u"不超过结果末位的 1 个单位。R_{a} ≥ N_{k}、R_{c} ≥ N 的验算与富余率（承载力 / 荷载 − "
        u"1）按未舍入的数值进行。";
    return text;
}

}  // namespace

const std::vector<RockClassRange>& RockClassRanges() {
    static const std::vector<RockClassRange> ranges = {
        {RockClass::ExtremelySoft, 0, 5},
        {RockClass::Soft, 5, 15},
        {RockClass::ModeratelySoft, 15, 30},
        {RockClass::ModeratelyHard, 30, 60},
        {RockClass::Hard, 60, 0},
    };
    return ranges;
}

Unit BasisSection(const BookOptions& options) {
    const NumberWriter numbers(options.decimalSeparator);
    Unit unit;
    unit.newPage = true;
    auto& b = unit.blocks;
    b.push_back(Make(Block::Kind::Heading1, Plain(u"1 设计依据")));
    b.push_back(Make(Block::Kind::Heading2, Plain(u"1.1 规范")));
    b.push_back(
        Make(Block::Kind::Body,
             Plain(u"《贵州建筑地基基础设计规范》DBJ 52/T045-2018：第 8.5.9 条式（8.5.9-3），"
                   u"嵌岩桩单桩竖向承载力特征值；第 8.5.10 条，桩身正截面受压承载力。")));
    b.push_back(Make(Block::Kind::Heading2, Plain(u"1.2 计算公式")));
    for (const char16_t* formula : kFormulas) {
        b.push_back(Make(Block::Kind::Formula, Markup(formula)));
    }
    b.push_back(Make(Block::Kind::Body, Plain(u"式中：")));
    b.push_back(TableBlock(SymbolTable()));
    b.push_back(Make(Block::Kind::Heading2, Plain(u"1.3 岩石坚硬程度")));
    b.push_back(Make(Block::Kind::Body, Markup(u"按 f_{rk} 划分，区间含上限：")));
    b.push_back(TableBlock(RockClassTable(numbers)));
    b.push_back(Make(Block::Kind::Heading2, Markup(u"1.4 嵌岩段侧阻和端阻综合系数 ζ_{r}")));
    b.push_back(TableBlock(ZetaTable(numbers)));
    b.push_back(Make(
        Block::Kind::Note,
        Markup(u"h_{r}/d 在两行之间时线性插值。15 MPa < f_{rk} ≤ 30 MPa 时先在两列分别插值，再按 "
               u"f_{rk} 在 15 MPa 与 30 MPa 之间线性插值。f_{rk} ≤ 15 MPa 时 h_{r}/d 大于 8 按 8 "
               u"取值，f_{rk} > 15 MPa 时大于 4 按 4 取值。表中系数乘以成桩工艺的 η 得 ζ_{r}。")));
    b.push_back(Make(Block::Kind::Heading2, Plain(u"1.5 混凝土强度与成桩工艺")));
    b.push_back(TableBlock(GradeTable(numbers)));
    b.push_back(TableBlock(ProcessTable(numbers)));
    b.push_back(Make(Block::Kind::Heading2, Plain(u"1.6 最小嵌岩深度")));
    const MinimumSocket& minimum = options.minimumSocket;
    b.push_back(Make(
        Block::Kind::Body,
        Markup(u"嵌岩深度不小于 h_{min} = max(" + numbers.Exact(minimum.timesD).text + u"d, " +
               numbers.Exact(minimum.millimetres).text + u" mm)，小于者在汇总与单桩计算中注明。")));
    b.push_back(Make(Block::Kind::Heading2, Plain(u"1.7 数值与舍入")));
    b.push_back(Make(Block::Kind::Body, Markup(RoundingText(options))));
    return unit;
}

}  // namespace rokal::book
