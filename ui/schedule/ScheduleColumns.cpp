#include "ui/schedule/ScheduleColumns.h"

#include <array>
#include <cstddef>

namespace rokal {
namespace {

struct ColumnItem {
    const char* header;
    const char* toolTip;
    int widthInChars;
    bool numeric;
};

// Indexed by table column: the eight input columns, then the results.
const std::array<ColumnItem, kTableColumnCount> kColumns = {{
    {"桩号", "桩的编号；留空时为 ZH 加行号", 6, false},
    {"桩径\nd(mm)", "桩身直径，mm", 6, true},
    {"嵌岩深度\nhr", "嵌岩深度：mm，或 d 的倍数如 1.5d", 6, true},
    {"岩石强度\nfrk(MPa)", "岩石饱和单轴抗压强度标准值，MPa", 7, true},
    {"混凝土", "桩身混凝土强度等级 C25～C60", 5, false},
    {"工艺", "成桩工艺：干作业、泥浆护壁、后注浆、水下", 8, false},
    {"Nk\n(kN)", "单桩竖向力标准值，与 Ra 比较；可留空", 7, true},
    {"N\n(kN)", "桩顶轴向压力设计值，与 Rc 比较；可留空", 7, true},
    {"岩石类别", "岩石坚硬程度", 8, false},
    {"ζr", "嵌岩段侧阻和端阻综合系数", 6, true},
    {"Ra\n(kN)", "单桩竖向承载力特征值", 7, true},
    {"Rc\n(kN)", "桩身受压承载力设计值", 7, true},
    {"Ra≥Nk", "Ra 是否满足 Nk", 6, false},
    {"Ra富余\n(%)", "Ra 超出 Nk 的百分数，负值为不足", 6, true},
    {"Rc≥N", "Rc 是否满足 N", 6, false},
    {"Rc富余\n(%)", "Rc 超出 N 的百分数，负值为不足", 6, true},
    {"建议\n嵌岩深度", "使 Ra 达到 Nk 的最小嵌岩深度", 12, true},
    {"建议\n混凝土", "使 Rc 达到 N 的最低混凝土强度等级", 12, false},
}};

const ColumnItem& ColumnEntry(int column) {
    return kColumns.at(static_cast<std::size_t>(column));
}

}  // namespace

std::optional<ScheduleColumn> InputColumnAt(int column) {
    if (column < 0 || column >= kScheduleColumnCount) {
        return std::nullopt;
    }
    return static_cast<ScheduleColumn>(column);
}

std::optional<ResultColumn> ResultColumnAt(int column) {
    if (column < kScheduleColumnCount || column >= kTableColumnCount) {
        return std::nullopt;
    }
    return static_cast<ResultColumn>(column - kScheduleColumnCount);
}

int TableColumnOf(ScheduleColumn column) {
    return static_cast<int>(column);
}

int TableColumnOf(ResultColumn column) {
    return kScheduleColumnCount + static_cast<int>(column);
}

std::optional<int> KeptColumnAt(int column) {
    if (column < kTableColumnCount) {
        return std::nullopt;
    }
    return column - kTableColumnCount;
}

int TableColumnOfKept(int kept) {
    return kTableColumnCount + kept;
}

bool IsEditableColumn(int column) {
    return InputColumnAt(column) || KeptColumnAt(column);
}

QString ColumnHeader(int column) {
    return QString::fromUtf8(ColumnEntry(column).header);
}

QString ColumnToolTip(int column) {
    return QString::fromUtf8(ColumnEntry(column).toolTip);
}

int ColumnWidthInChars(int column) {
    return ColumnEntry(column).widthInChars;
}

bool IsNumericColumn(int column) {
    return ColumnEntry(column).numeric;
}

bool IsProposalColumn(int column) {
    return column == TableColumnOf(ResultColumn::DepthProposal) ||
           column == TableColumnOf(ResultColumn::GradeProposal);
}

const std::u16string& ResultText(const RowResultTexts& texts, ResultColumn column) {
    switch (column) {
        case ResultColumn::RockClass:
            return texts.rockClass;
        case ResultColumn::ZetaR:
            return texts.zetaR;
        case ResultColumn::Ra:
            return texts.ra;
        case ResultColumn::Rc:
            return texts.rc;
        case ResultColumn::RaCheck:
            return texts.raCheck;
        case ResultColumn::RaMargin:
            return texts.raMargin;
        case ResultColumn::RcCheck:
            return texts.rcCheck;
        case ResultColumn::RcMargin:
            return texts.rcMargin;
        case ResultColumn::DepthProposal:
            return texts.depthProposal;
        case ResultColumn::GradeProposal:
            break;
    }
    return texts.gradeProposal;
}

}  // namespace rokal
