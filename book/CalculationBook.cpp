#include "book/CalculationBook.h"

#include <map>
#include <tuple>

#include "book/BasisSection.h"
#include "book/PileCalculation.h"
#include "book/SummarySection.h"
#include "schedule/CalcTime.h"

namespace rokal::book {

namespace {

std::u16string Digits(int n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// Piles with the same inputs have the same worked calculation.
using InputKey = std::tuple<double, double, bool, double, int, int>;

InputKey KeyOf(const BookPile& pile) {
    const PileResult& r = *pile.result.pile;
    return {r.d,
            r.hr,
            r.hrIsMultiple,
            r.frk,
            static_cast<int>(pile.result.input.grade),
            static_cast<int>(pile.result.input.process)};
}

// The computed piles to work: every one, or the first of each combination of
// inputs with the marks of the others.
struct WorkedPile {
    const BookPile* pile;
    std::vector<std::u16string> sameAs;
};

std::vector<WorkedPile> WorkedPiles(const std::vector<BookPile>& piles, Detail detail) {
    std::vector<WorkedPile> worked;
    std::map<InputKey, std::size_t> first;
    for (const BookPile& pile : piles) {
        if (!pile.result.Computed()) {
            continue;
        }
        if (detail == Detail::Typical) {
            const auto [at, added] = first.emplace(KeyOf(pile), worked.size());
            if (!added) {
                worked[at->second].sameAs.push_back(pile.mark);
                continue;
            }
        }
        worked.push_back({&pile, {}});
    }
    return worked;
}

std::vector<Unit> WorkedSection(const std::vector<BookPile>& piles, const BookTexts& texts) {
    std::vector<Unit> units;
    Unit heading;
    heading.newPage = true;
    Block title;
    title.kind = Block::Kind::Heading1;
    title.text = Plain(u"3 单桩计算");
    heading.blocks.push_back(std::move(title));
    Block lead;
    lead.kind = Block::Kind::Body;
    lead.text = Plain(texts.Options().detail == Detail::Typical
                          ? u"输入（桩径、嵌岩深度、岩石强度、混凝土、工艺）相同的桩计算相同，"
                            u"每种输入给出一根典型桩的计算。"
                          : u"逐根给出每根桩的计算。");
    heading.blocks.push_back(std::move(lead));
    units.push_back(std::move(heading));

    const std::vector<WorkedPile> worked = WorkedPiles(piles, texts.Options().detail);
    if (worked.empty()) {
        Block none;
        none.kind = Block::Kind::Body;
        none.text = Plain(u"没有算出的桩。");
        units.back().blocks.push_back(std::move(none));
    }
    for (const WorkedPile& item : worked) {
        Unit unit;
        unit.keepTogether = true;
        unit.newPage = texts.Options().pilePerPage;
        unit.blocks = PileCalculationBlocks(*item.pile, texts, item.sameAs);
        units.push_back(std::move(unit));
    }
    return units;
}

}  // namespace

const std::u16string& BookTitleText() {
    static const std::u16string title = u"嵌岩桩计算书";
    return title;
}

std::u16string BookDateText(int year, int month, int day) {
    return Digits(year) + u"年" + Digits(month) + u"月" + Digits(day) + u"日";
}

std::u16string TodayDateText() {
    const std::tm now = CurrentLocalTime();
    return BookDateText(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
}

Document MakeCalculationBook(const std::vector<BookPile>& piles, const ProjectInfo& project,
                             const BookOptions& options) {
    const BookTexts texts(options);
    Document document;
    document.titlePage.title = BookTitleText();
    document.titlePage.subtitle = u"依据《贵州建筑地基基础设计规范》DBJ 52/T045-2018";
    document.titlePage.info = project;
    const std::u16string& date = project.Get(ProjectField::Date);
    document.titlePage.date = date.empty() ? options.today : date;
    document.headerLeft = project.Get(ProjectField::Name);
    document.headerRight = BookTitleText();

    document.units.push_back(BasisSection(options));
    document.units.push_back(SummarySection(piles, texts));
    for (Unit& unit : WorkedSection(piles, texts)) {
        document.units.push_back(std::move(unit));
    }
    return document;
}

}  // namespace rokal::book
