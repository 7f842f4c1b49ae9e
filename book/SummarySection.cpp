#include "book/SummarySection.h"

#include "engine/RockClass.h"
#include "schedule/RowReading.h"

namespace rokal::book {

namespace {

const std::u16string kNone = u"—";

std::u16string Count(std::size_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

std::vector<TableColumn> SummaryColumns() {
    return {
        {Plain(u"桩号"), Align::Left, 1.2},
        {Markup(u"d\n(mm)"), Align::Right, 0.9},
        {Markup(u"h_{r}\n(mm)"), Align::Right, 0.9},
        {Markup(u"f_{rk}\n(MPa)"), Align::Right, 1.0},
        {Plain(u"岩石\n类别"), Align::Left, 0.9},
        {Plain(u"混凝土"), Align::Left, 0.95},
        {Plain(u"工艺"), Align::Left, 1.0},
        {Markup(u"ζ_{r}"), Align::Right, 1.15},
        {Markup(u"R_{a}\n(kN)"), Align::Right, 1.0},
        {Markup(u"N_{k}\n(kN)"), Align::Right, 1.0},
        {Markup(u"R_{a}≥N_{k}"), Align::Left, 1.3},
        {Markup(u"R_{c}\n(kN)"), Align::Right, 1.0},
        {Markup(u"N\n(kN)"), Align::Right, 1.0},
        {Markup(u"R_{c}≥N"), Align::Left, 1.3},
        {Plain(u"建议"), Align::Left, 1.1},
    };
}

std::u16string LoadCell(const std::optional<double>& load, const BookTexts& texts) {
    return load ? texts.Exact(*load) : kNone;
}

std::u16string CheckCell(const std::optional<LoadCheck>& check, const BookTexts& texts) {
    return check ? texts.VerdictCell(*check) : kNone;
}

TableRow ComputedRow(const BookPile& pile, const BookTexts& texts) {
    const RowResult& result = pile.result;
    const PileResult& r = *result.pile;
    std::u16string hr = texts.SocketDepth(r);
    if (BelowMinimumSocket(r, texts.Options().minimumSocket)) {
        hr += u"*";
    }
    const std::u16string proposals = texts.Proposals(pile);
    return {{
        Plain(pile.mark),
        Plain(texts.Exact(r.d)),
        Plain(hr),
        Plain(texts.Exact(r.frk)),
        Plain(RockClassName(r.rockClass)),
        Plain(ConcreteGradeText(result.input.grade)),
        Plain(ConstructionProcessShortText(result.input.process)),
        Plain(texts.ZetaR(r.zetaR)),
        Plain(texts.Adopted(r.ra)),
        Plain(LoadCell(result.nk, texts)),
        Plain(CheckCell(result.raCheck, texts)),
        Plain(texts.Adopted(r.rc)),
        Plain(LoadCell(result.n, texts)),
        Plain(CheckCell(result.rcCheck, texts)),
        proposals.empty() ? Plain(kNone) : Markup(proposals),
    }};
}

TableRow ErrorRow(const BookPile& pile) {
    TableRow row;
    row.cells = {Plain(pile.mark), Plain(u"未能计算：" + BookTexts::Errors(pile.result))};
    row.spanRest = true;
    return row;
}

// Joins names with "、" as they are added.
class NameList {
  public:
    void Add(const Inline& name) {
        if (!text_.empty()) {
            Append(text_, Plain(u"、"));
        }
        Append(text_, name);
        ++count_;
    }
    const Inline& Text() const { return text_; }
    std::size_t Count() const { return count_; }

  private:
    Inline text_;
    std::size_t count_ = 0;
};

// "ZH3（R_a < N_k 不足 4.4%）".
Inline Failure(const BookPile& pile, const BookTexts& texts) {
    std::u16string why;
    const RowResult& result = pile.result;
    const auto add = [&](const std::optional<LoadCheck>& check, const char16_t* text) {
        if (check && !check->holds) {
            why += (why.empty() ? u"" : u"，") + std::u16string(text);
            if (check->marginPercent) {
                why += u" 不足 " + texts.SignedMargin(*check).substr(1);
            }
        }
    };
    add(result.raCheck, u"R_{a} < N_{k}");
    add(result.rcCheck, u"R_{c} < N");
    Inline text = Plain(pile.mark);
    Append(text, Markup(u"（" + why + u"）"));
    return text;
}

void AddPart(Inline& text, const std::u16string& lead, const NameList& names) {
    if (names.Count() == 0) {
        return;
    }
    Append(text, Markup(u"；" + Count(names.Count()) + lead));
    Append(text, names.Text());
}

}  // namespace

Inline ConclusionText(const std::vector<BookPile>& piles, const BookTexts& texts) {
    std::size_t passing = 0;
    std::size_t unchecked = 0;
    NameList failing;
    NameList bad;
    NameList shallow;
    for (const BookPile& pile : piles) {
        const RowResult& result = pile.result;
        if (!result.Computed()) {
            bad.Add(Plain(BookTexts::PileName(pile)));
            continue;
        }
        if (BelowMinimumSocket(*result.pile, texts.Options().minimumSocket)) {
            shallow.Add(Plain(pile.mark));
        }
        if (!result.Passes()) {
            failing.Add(Failure(pile, texts));
        } else if (result.raCheck || result.rcCheck) {
            ++passing;
        } else {
            ++unchecked;
        }
    }
    Inline text = Plain(u"结论：共 " + Count(piles.size()) + u" 根桩");
    if (failing.Count() == 0 && unchecked == 0 && bad.Count() == 0) {
        Append(text, Plain(u"，全部满足承载力验算要求"));
    } else {
        Append(text, Plain(u"，" + Count(passing) + u" 根满足承载力验算要求"));
        AddPart(text, u" 根不满足：", failing);
        if (unchecked > 0) {
            Append(text, Plain(u"；" + Count(unchecked) + u" 根未给出荷载，未作验算"));
        }
        AddPart(text, u" 根数据有误，未能计算：", bad);
    }
    AddPart(text, u" 根嵌岩深度小于最小嵌岩深度：", shallow);
    Append(text, Plain(u"。"));
    return text;
}

Unit SummarySection(const std::vector<BookPile>& piles, const BookTexts& texts) {
    Unit unit;
    unit.newPage = true;
    Block heading;
    heading.kind = Block::Kind::Heading1;
    heading.text = Plain(u"2 计算结果汇总");
    unit.blocks.push_back(std::move(heading));

    Block table;
    table.kind = Block::Kind::Table;
    table.table.size = Table::Size::Small;
    table.table.columns = SummaryColumns();
    table.table.rows.reserve(piles.size());
    for (const BookPile& pile : piles) {
        table.table.rows.push_back(pile.result.Computed() ? ComputedRow(pile, texts)
                                                          : ErrorRow(pile));
    }
    unit.blocks.push_back(std::move(table));

    Block note;
    note.kind = Block::Kind::Note;
    note.text = Markup(u"注：R_{a}、R_{c} 按" + PrecisionModeText(texts.Options().mode) +
                       u"；富余率 = 承载力 / 荷载 − 1；h_{r} 后的 * 表示小于最小嵌岩深度；"
                       u"建议只对不满足的验算给出。");
    unit.blocks.push_back(std::move(note));

    Block conclusion;
    conclusion.kind = Block::Kind::Body;
    conclusion.text = ConclusionText(piles, texts);
    unit.blocks.push_back(std::move(conclusion));
    return unit;
}

}  // namespace rokal::book
