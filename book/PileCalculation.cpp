#include "book/PileCalculation.h"

#include <cmath>
#include <cstddef>

#include "engine/RockClass.h"
#include "schedule/RowReading.h"

namespace rokal::book {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Decimals tried for the inputs of a line before giving up (absurd piles only).
constexpr int kMostDecimals = 14;
constexpr int kApDecimals = 4;
constexpr int kZetaDecimals = 4;
constexpr int kHrOverDDecimals = 2;

Block Line(Block::Kind kind, Inline text) {
    Block block;
    block.kind = kind;
    block.text = std::move(text);
    return block;
}

// Where hr/d stands in the ζr table: the row at or below it, and whether it falls
// on that row. A capped socket reads the table's last row.
struct TableSpot {
    std::size_t row = 0;
    bool onRow = false;
};

TableSpot SpotOf(double hrOverDUsed) {
    const double x = hrOverDUsed / kZetaRowStep;
    TableSpot spot;
    spot.row = static_cast<std::size_t>(x);
    spot.onRow = static_cast<double>(spot.row) == x;
    return spot;
}

enum class Column { Soft, Hard };

double ColumnValue(const ZetaTableRow& row, Column column) {
    return column == Column::Soft ? row.soft : row.hard;
}

// One column of the table read at hr/d: a table value, or the interpolation
// between two rows at the shown hr/d.
struct ColumnReading {
    bool interpolated = false;
    double lo = 0;
    double hi = 0;
    double xLo = 0;
    double value = 0;  // the table value, or the interpolation at the shown hr/d
};

class PileWork {
  public:
    PileWork(const BookPile& pile, const BookTexts& texts)
        : pile_(pile),
          r_(*pile.result.pile),
          texts_(texts),
          numbers_(texts.Numbers()),
          spot_(SpotOf(r_.hrOverDUsed)),
          eta_(ZetaProcessFactor(pile.result.input.process)) {
        dMm_ = numbers_.Exact(r_.d);
        dM_ = numbers_.Fixed(r_.d / 1000, std::max(3, dMm_.decimals + 3));
        frk_ = numbers_.Exact(r_.frk);
        qrk_ = texts.Worked(r_.qrk);
        rc_ = texts.Worked(r_.rc);
        ChooseApAndZeta();
        ChooseZetaParts();
    }

    std::vector<Block> Blocks(const std::vector<std::u16string>& sameAs) const;

  private:
    // ζr and Ap digits: enough for Qrk and Rc to be recomputed from them.
    void ChooseApAndZeta();
    // hr/d and the column readings: enough for ζr to be recomputed from them.
    void ChooseZetaParts();
    bool Medium() const { return r_.frk > kZetaSoftLimitFrk && r_.frk <= kZetaHardLimitFrk; }
    std::vector<Column> Columns() const;
    ColumnReading Read(Column column, double hrOverD) const;
    double Blend(double soft, double hard) const;
    double ZetaFrom(const std::vector<double>& columnValues) const;

    std::u16string Num(double v) const { return numbers_.Exact(v).text; }
    // A value of the ζr table as the table prints it: "0.90", "1.065".
    std::u16string TableNum(double v) const { return numbers_.Exact(v, 2).text; }
    std::u16string Interpolation(const ColumnReading& reading) const;
    std::u16string ZetaExpression(const std::vector<std::u16string>& columns) const;

    void AddKnown(std::vector<Block>& out) const;
    void AddGeometry(std::vector<Block>& out) const;
    void AddZeta(std::vector<Block>& out) const;
    void AddBearing(std::vector<Block>& out) const;
    void AddShaft(std::vector<Block>& out) const;
    void AddProposals(std::vector<Block>& out) const;
    void AddCheck(std::vector<Block>& out, const std::optional<LoadCheck>& check,
                  const char16_t* capacity, const char16_t* load, const Shown& shown) const;

    const BookPile& pile_;
    const PileResult& r_;
    const BookTexts& texts_;
    const NumberWriter& numbers_;
    TableSpot spot_;
    double eta_;
    Shown dMm_, dM_, frk_, qrk_, rc_;
    Shown ap_, zeta_, hrOverD_;
    std::vector<Shown> parts_;  // medium rock: each column's interpolation, when interpolated
};

std::vector<Column> PileWork::Columns() const {
    if (Medium()) {
        return {Column::Soft, Column::Hard};
    }
    return {r_.frk <= kZetaSoftLimitFrk ? Column::Soft : Column::Hard};
}

ColumnReading PileWork::Read(Column column, double hrOverD) const {
    const std::vector<ZetaTableRow>& table = ZetaTableRows();
    ColumnReading reading;
    reading.lo = ColumnValue(table.at(spot_.row), column);
    reading.xLo = table.at(spot_.row).hrOverD;
    if (spot_.onRow) {
        reading.value = reading.lo;
        return reading;
    }
    reading.interpolated = true;
    reading.hi = ColumnValue(table.at(spot_.row + 1), column);
    reading.value = reading.lo + (reading.hi - reading.lo) * (hrOverD - reading.xLo) / kZetaRowStep;
    return reading;
}

double PileWork::Blend(double soft, double hard) const {
    return soft + (hard - soft) * (frk_.value - kZetaSoftLimitFrk) /
                      (kZetaHardLimitFrk - kZetaSoftLimitFrk);
}

double PileWork::ZetaFrom(const std::vector<double>& columnValues) const {
    const double zeta =
        columnValues.size() == 2 ? Blend(columnValues[0], columnValues[1]) : columnValues[0];
    return eta_ * zeta;
}

void PileWork::ChooseApAndZeta() {
    const double psiFc = r_.psiC * r_.fc;
    for (int z = kZetaDecimals; z <= kMostDecimals; ++z) {
        zeta_ = numbers_.Fixed(r_.zetaR, z);
        for (int a = kApDecimals; a <= kMostDecimals; ++a) {
            ap_ = numbers_.Fixed(r_.ap, a);
            if (WithinLastDigit(zeta_.value * frk_.value * ap_.value * 1000, qrk_) &&
                WithinLastDigit(psiFc * ap_.value * 1000, rc_)) {
                return;
            }
        }
    }
}

void PileWork::ChooseZetaParts() {
    const bool hrOverDNeeded = !spot_.onRow;
    const auto shownHrOverD = [&](int j) { return numbers_.Fixed(r_.hrOverD, j); };
    hrOverD_ = numbers_.Exact(r_.hrOverD, kHrOverDDecimals, kHrOverDDecimals + 1);
    if (!hrOverDNeeded) {
        return;
    }
    const std::vector<Column> columns = Columns();
    if (columns.size() == 1) {
        for (int j = kHrOverDDecimals; j <= kMostDecimals; ++j) {
            hrOverD_ = shownHrOverD(j);
            if (WithinLastDigit(ZetaFrom({Read(columns[0], hrOverD_.value).value}), zeta_) ||
                hrOverD_.value == r_.hrOverD) {
                return;
            }
        }
        return;
    }
    // Medium rock: each column's interpolation on a line of its own, then the blend.
    for (int k = std::max(kZetaDecimals, zeta_.decimals); k <= kMostDecimals; ++k) {
        parts_.clear();
        std::vector<double> values;
        for (Column column : columns) {
            parts_.push_back(numbers_.Fixed(Read(column, r_.hrOverD).value, k));
            values.push_back(parts_.back().value);
        }
        if (WithinLastDigit(ZetaFrom(values), zeta_)) {
            break;
        }
    }
    for (int j = kHrOverDDecimals; j <= kMostDecimals; ++j) {
        hrOverD_ = shownHrOverD(j);
        bool all = true;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            all = all && WithinLastDigit(Read(columns[c], hrOverD_.value).value, parts_[c]);
        }
        if (all || hrOverD_.value == r_.hrOverD) {
            return;
        }
    }
}

std::u16string PileWork::Interpolation(const ColumnReading& reading) const {
    return TableNum(reading.lo) + u" + (" + TableNum(reading.hi) + u" − " + TableNum(reading.lo) +
           u") × (" + hrOverD_.text + u" − " + numbers_.Exact(reading.xLo, 1).text + u") / " +
           Num(kZetaRowStep);
}

std::u16string PileWork::ZetaExpression(const std::vector<std::u16string>& columns) const {
    std::u16string zeta = columns[0];
    if (columns.size() == 2) {
        zeta = columns[0] + u" + (" + columns[1] + u" − " + columns[0] + u") × (" + frk_.text +
               u" − " + Num(kZetaSoftLimitFrk) + u") / " +
               Num(kZetaHardLimitFrk - kZetaSoftLimitFrk);
    }
    if (eta_ == 1) {
        return zeta;
    }
    const bool bracket = columns.size() == 2 || zeta.find(u' ') != std::u16string::npos;
    return numbers_.Fixed(eta_, 1).text + u" × " + (bracket ? u"[" + zeta + u"]" : zeta);
}

void PileWork::AddKnown(std::vector<Block>& out) const {
    std::u16string known = u"已知：d = " + dMm_.text + u" mm，h_{r} = " + texts_.SocketDepth(r_) +
                           (r_.hrIsMultiple ? u"" : u" mm") + u"，f_{rk} = " + frk_.text +
                           u" MPa，混凝土 " + ConcreteGradeText(pile_.result.input.grade) + u"，" +
                           ConstructionProcessText(pile_.result.input.process);
    const RowResult& result = pile_.result;
    if (result.nk) {
        known += u"；N_{k} = " + texts_.Exact(*result.nk) + u" kN";
    }
    if (result.n) {
        known += (result.nk ? u"，" : u"；") + std::u16string(u"N = ") + texts_.Exact(*result.n) +
                 u" kN";
    }
    out.push_back(Line(Block::Kind::Body, Markup(known + u"。")));
}

void PileWork::AddGeometry(std::vector<Block>& out) const {
    out.push_back(Line(Block::Kind::Formula, Markup(u"A_{p} = π·d²/4 = π × " + dM_.text +
                                                    u"² / 4 = " + ap_.text + u" m²")));
    std::u16string rock =
        u"f_{rk} = " + frk_.text + u" MPa，岩石坚硬程度为" + RockClassName(r_.rockClass) + u"。";
    out.push_back(Line(Block::Kind::Body, Markup(rock)));
    if (r_.hrIsMultiple) {
        const Shown factor = texts_.SocketFactor(r_);
        out.push_back(
            Line(Block::Kind::Formula, Markup(u"h_{r} = " + factor.text + u"d = " + factor.text +
                                              u" × " + dMm_.text + u" = " + Num(r_.hr) + u" mm")));
    }
    const MinimumSocket& minimum = texts_.Options().minimumSocket;
    const bool below = BelowMinimumSocket(r_, minimum);
    out.push_back(Line(Block::Kind::Formula,
                       Markup(u"h_{min} = max(" + Num(minimum.timesD) + u" × " + dMm_.text + u", " +
                              Num(minimum.millimetres) + u") = " + Num(minimum.For(r_.d)) + u" mm" +
                              (below ? u" > h_{r} = " : u" ≤ h_{r} = ") + Num(r_.hr) + u" mm，" +
                              (below ? u"不满足最小嵌岩深度要求" : u"满足最小嵌岩深度要求"))));
    out.push_back(Line(Block::Kind::Formula, Markup(u"h_{r}/d = " + Num(r_.hr) + u" / " +
                                                    dMm_.text + u" = " + hrOverD_.text)));
}

void PileWork::AddZeta(std::vector<Block>& out) const {
    const std::vector<ZetaTableRow>& table = ZetaTableRows();
    std::u16string how = u"ζ_{r} 查表：";
    if (Medium()) {
        how += u"15 MPa < f_{rk} ≤ 30 MPa，两列之间按 f_{rk} 线性插值；";
    } else {
        how += r_.frk <= kZetaSoftLimitFrk ? u"f_{rk} ≤ 15 MPa 列；" : u"f_{rk} > 30 MPa 列；";
    }
    if (r_.capped) {
        how += u"h_{r}/d = " + hrOverD_.text + u" > " + Num(ZetaTableEnd(r_.frk)) +
               u"，按表末 h_{r}/d = " + Num(ZetaTableEnd(r_.frk)) + u" 取值；";
    } else if (spot_.onRow) {
        how +=
            u"h_{r}/d = " + numbers_.Exact(table.at(spot_.row).hrOverD, 1).text + u" 为表中一行；";
    } else {
        how += u"h_{r}/d 在表中 " + numbers_.Exact(table.at(spot_.row).hrOverD, 1).text + u" 与 " +
               numbers_.Exact(table.at(spot_.row + 1).hrOverD, 1).text + u" 两行之间线性插值；";
    }
    how += ConstructionProcessText(pile_.result.input.process) + u"，η = " +
           numbers_.Fixed(eta_, 1).text + u"。";
    out.push_back(Line(Block::Kind::Body, Markup(how)));

    const std::vector<Column> columns = Columns();
    std::vector<std::u16string> columnTexts;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnReading reading = Read(columns[c], hrOverD_.value);
        if (!reading.interpolated) {
            columnTexts.push_back(TableNum(reading.value));
        } else if (columns.size() == 1) {
            columnTexts.push_back(Interpolation(reading));
        } else {
            const std::u16string symbol = c == 0 ? u"ζ'" : u"ζ''";
            out.push_back(Line(
                Block::Kind::Formula,
                Markup(symbol + u" = " + Interpolation(reading) + u" = " + parts_.at(c).text)));
            columnTexts.push_back(parts_.at(c).text);
        }
    }
    const std::u16string expression = ZetaExpression(columnTexts);
    out.push_back(
        Line(Block::Kind::Formula,
             Markup(expression == zeta_.text || expression.find(u' ') == std::u16string::npos
                        ? u"ζ_{r} = " + zeta_.text
                        : u"ζ_{r} = " + expression + u" = " + zeta_.text)));
}

void PileWork::AddCheck(std::vector<Block>& out, const std::optional<LoadCheck>& check,
                        const char16_t* capacity, const char16_t* load, const Shown& shown) const {
    if (!check) {
        out.push_back(
            Line(Block::Kind::Body, Markup(std::u16string(u"未给出 ") + load + u"，不作 " +
                                           capacity + u" ≥ " + load + u" 验算。")));
        return;
    }
    out.push_back(Line(Block::Kind::Formula, Markup(std::u16string(capacity) + u" = " + shown.text +
                                                    u" kN" + (check->holds ? u" ≥ " : u" < ") +
                                                    load + u" = " + texts_.Exact(check->load) +
                                                    u" kN，" + texts_.VerdictPhrase(*check))));
}

void PileWork::AddBearing(std::vector<Block>& out) const {
    out.push_back(Line(Block::Kind::Formula,
                       Markup(u"Q_{rk} = ζ_{r}·f_{rk}·A_{p} = " + zeta_.text + u" × " + frk_.text +
                              u" × " + ap_.text + u" × 10³ = " + qrk_.text + u" kN")));
    out.push_back(Line(Block::Kind::Formula, Markup(u"Q_{uk} = Q_{sk} + Q_{rk} = 0 + " + qrk_.text +
                                                    u" = " + qrk_.text + u" kN（Q_{sk} 不计）")));
    const Shown ra = texts_.Worked(r_.ra);
    out.push_back(
        Line(Block::Kind::Formula, Markup(u"R_{a} = Q_{uk} / K = " + qrk_.text + u" / " +
                                          numbers_.Exact(r_.k).text + u" = " + ra.text + u" kN")));
    if (texts_.Adopted(r_.ra) != ra.text) {
        out.push_back(
            Line(Block::Kind::Formula, Markup(u"取 R_{a} = " + texts_.Adopted(r_.ra) + u" kN（" +
                                              PrecisionModeText(texts_.Options().mode) + u"）")));
    }
    AddCheck(out, pile_.result.raCheck, u"R_{a}", u"N_{k}", ra);
}

void PileWork::AddShaft(std::vector<Block>& out) const {
    out.push_back(
        Line(Block::Kind::Body,
             Markup(u"混凝土 " + ConcreteGradeText(pile_.result.input.grade) + u"，f_{c} = " +
                    Num(r_.fc) + u" MPa；" + ConstructionProcessText(pile_.result.input.process) +
                    u"，ψ_{c} = " + numbers_.Fixed(r_.psiC, 1).text + u"。")));
    out.push_back(
        Line(Block::Kind::Formula,
             Markup(u"R_{c} = ψ_{c}·f_{c}·A_{p} = " + numbers_.Fixed(r_.psiC, 1).text + u" × " +
                    Num(r_.fc) + u" × " + ap_.text + u" × 10³ = " + rc_.text + u" kN")));
    if (texts_.Adopted(r_.rc) != rc_.text) {
        out.push_back(
            Line(Block::Kind::Formula, Markup(u"取 R_{c} = " + texts_.Adopted(r_.rc) + u" kN（" +
                                              PrecisionModeText(texts_.Options().mode) + u"）")));
    }
    AddCheck(out, pile_.result.rcCheck, u"R_{c}", u"N", rc_);
}

void PileWork::AddProposals(std::vector<Block>& out) const {
    const RowResult& result = pile_.result;
    const RowDesign& design = pile_.design;
    if (result.raCheck && !result.raCheck->holds && design.depth) {
        const DepthProposal& depth = *design.depth;
        const std::u16string ra = texts_.Adopted(depth.ra);
        out.push_back(Line(
            Block::Kind::Body,
            Markup(depth.kind == DepthProposal::Kind::Depth
                       ? u"建议：嵌岩深度加大到 h_{r} = " + DepthProposalText(depth) +
                             (IsMultipleOfD(depth) ? u"" : u" mm") + u"，R_{a} = " + ra + u" kN。"
                       : u"建议：加大嵌岩深度也不能满足（h_{r}/d = " + Num(depth.hrOverD) +
                             u" 时 R_{a} = " + ra + u" kN），需改变桩径或持力层。")));
    }
    if (result.rcCheck && !result.rcCheck->holds && design.grade) {
        const GradeProposal& grade = *design.grade;
        out.push_back(Line(Block::Kind::Body,
                           Markup(grade.kind == GradeProposal::Kind::Grade
                                      ? u"建议：混凝土提高到 " + ConcreteGradeText(grade.grade) +
                                            u"，R_{c} = " + texts_.Adopted(grade.rc) + u" kN。"
                                      : u"建议：提高混凝土强度等级也不能满足（C60 时 R_{c} = " +
                                            texts_.Adopted(grade.rc) + u" kN），需加大桩径。")));
    }
}

std::vector<Block> PileWork::Blocks(const std::vector<std::u16string>& sameAs) const {
    std::vector<Block> out;
    out.push_back(Line(Block::Kind::Heading3, Plain(pile_.mark)));
    if (!sameAs.empty()) {
        std::u16string names;
        for (const std::u16string& mark : sameAs) {
            names += (names.empty() ? u"" : u"、") + mark;
        }
        Inline text = Plain(u"输入相同、计算相同的桩：");
        Append(text, Plain(names));
        Append(text, Plain(u"（其验算见计算结果汇总）。"));
        out.push_back(Line(Block::Kind::Body, std::move(text)));
    }
    AddKnown(out);
    AddGeometry(out);
    AddZeta(out);
    AddBearing(out);
    AddShaft(out);
    AddProposals(out);
    return out;
}

}  // namespace

std::vector<Block> PileCalculationBlocks(const BookPile& pile, const BookTexts& texts,
                                         const std::vector<std::u16string>& sameAs) {
    return PileWork(pile, texts).Blocks(sameAs);
}

}  // namespace rokal::book
