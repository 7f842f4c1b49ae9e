#include "report/ReportLog.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "report/DisplayWidth.h"
#include "report/TextReport.h"

namespace rokal {

namespace {

constexpr int kBothUnsaved = TextUnsaved | TableUnsaved;
constexpr std::size_t kFooterLineCount = 4;
// The newest row stands above the footer, the fifth line from the end.
constexpr std::size_t kNewestRowFromEnd = kFooterLineCount + 1;

// Every text block ends with this rule; no other line of a block equals it.
const std::u16string kClosingRule(50, u'=');

// The most of a user's text that the printed book has room for: d and hr fit the
// table's narrowest column for them, the time a line of the text form (50 columns,
// "计算时间：" taking 10 of them).
constexpr int kPrintedInputWidth = 6;
constexpr int kPrintedTimeWidth = 40;

int FlagOf(ReportDocument doc) {
    return doc == ReportDocument::Text ? TextUnsaved : TableUnsaved;
}

bool FitsPrinted(const BookPile& pile) {
    return DisplayWidth(pile.input.dText) <= kPrintedInputWidth &&
           DisplayWidth(pile.input.hrText) <= kPrintedInputWidth &&
           (!pile.scheduleMark || DisplayWidth(pile.mark) <= kWidestMarkColumn);
}

// The pile as the printed book shows it: d and hr cut to their columns, a
// schedule's mark to the widest mark column.
BookPile PrintedPile(BookPile pile) {
    pile.input.dText = CutToWidth(pile.input.dText, kPrintedInputWidth);
    pile.input.hrText = CutToWidth(pile.input.hrText, kPrintedInputWidth);
    if (pile.scheduleMark) {
        pile.mark = CutToWidth(pile.mark, kWidestMarkColumn);
    }
    return pile;
}

std::u16string PrintedTime(const std::u16string& timeText) {
    return CutToWidth(timeText, kPrintedTimeWidth);
}

}  // namespace

void ReportLog::ResetCounters() {
    pileCount_ = 0;
    piles_.clear();
    markWidths_.clear();
    checkPiles_ = 0;
    unsavedFlags_ = 0;
    NotifyState();
}

void ReportLog::AppendPile(const PileInput& input, const PileResult& result, PrecisionMode mode,
                           const std::u16string& timeText, char16_t decimalSeparator) {
    AppendPiles({CalculatorPile(pileCount_ + 1, input, result, mode, decimalSeparator)}, timeText);
}

void ReportLog::AppendPiles(std::vector<BookPile> piles, const std::u16string& timeText) {
    if (piles.empty()) {
        return;
    }
    const bool starting = pileCount_ == 0;
    std::size_t firstRow = piles_.size();
    Lines textLines;
    // Where each new pile's block starts among textLines.
    std::vector<std::size_t> blockStarts;
    for (BookPile& pile : piles) {
        Count(pile, 1);
        Lines block = TextBlockLines(pile, timeText);
        block.pop_back();  // one time line ends the document, after the last block
        blockStarts.push_back(textLines.size());
        textLines.insert(textLines.end(), std::make_move_iterator(block.begin()),
                         std::make_move_iterator(block.end()));
        piles_.push_back(std::move(pile));
    }
    textLines.push_back(TimeLine(timeText));
    pileCount_ += static_cast<int>(piles.size());
    timeText_ = timeText;

    const TableLayout layout = LayoutOfPiles();
    Lines tableLines;
    if (starting) {
        tableStart_ = table_.size();
        tableLines = TableHeaderLines(layout);
    } else if (layout != layout_) {
        // A wider table: every row is laid out again.
        RemoveTableFrom(tableStart_);
        tableLines = TableHeaderLines(layout);
        firstRow = 0;
    } else {
        // The previous footer and the previous time line give way to the new piles.
        for (std::size_t i = 0; i < kFooterLineCount && table_.size() > tableStart_; ++i) {
            RemoveAt(ReportDocument::Table, table_.size() - 1);
        }
    }
    layout_ = layout;
    if (!starting) {
        CaretToStart(ReportDocument::Table);
        if (!text_.empty()) {
            RemoveAt(ReportDocument::Text, text_.size() - 1);
        }
        CaretToStart(ReportDocument::Text);
    }
    AppendTableRows(std::move(tableLines), firstRow);
    const std::size_t firstTextLine = text_.size();
    Append(ReportDocument::Text, std::move(textLines));
    NotePrintedBlocks(firstTextLine, blockStarts, piles_.size() - blockStarts.size());
    unsavedFlags_ = kBothUnsaved;
    NotifyState();
}

// Appends lines (the header or nothing), the rows of piles from firstPile on and the
// footer to the table, and notes how the printed book shows those that are too long.
void ReportLog::AppendTableRows(Lines lines, std::size_t firstPile) {
    const std::size_t firstRowLine = table_.size() + lines.size();
    const std::size_t rows = piles_.size() > firstPile ? piles_.size() - firstPile : 0;
    lines.reserve(lines.size() + rows + kFooterLineCount);
    for (std::size_t i = firstPile; i < piles_.size(); ++i) {
        lines.push_back(TableRowLine(piles_[i], layout_));
    }
    for (std::u16string& line : TableFooterLines(timeText_, layout_)) {
        lines.push_back(std::move(line));
    }
    Append(ReportDocument::Table, std::move(lines));
    for (std::size_t i = firstPile; i < piles_.size() && firstRowLine + i - firstPile < table_.size();
         ++i) {
        if (!FitsPrinted(piles_[i])) {
            NotePrinted(ReportDocument::Table, firstRowLine + i - firstPile,
                        {TableRowLine(PrintedPile(piles_[i]), layout_)});
        }
    }
    if (table_.size() >= kFooterLineCount) {
        NotePrinted(ReportDocument::Table, table_.size() - kFooterLineCount,
                    TableFooterLines(PrintedTime(timeText_), layout_));
    }
}

// Notes how the printed book shows the blocks just appended from text line first
// on (each starting at its offset in starts, for the piles from firstPile on) and
// the time line after them.
void ReportLog::NotePrintedBlocks(std::size_t first, const std::vector<std::size_t>& starts,
                                  std::size_t firstPile) {
    for (std::size_t k = 0; k < starts.size() && firstPile + k < piles_.size(); ++k) {
        const BookPile& pile = piles_[firstPile + k];
        if (!FitsPrinted(pile)) {
            Lines printed = TextBlockLines(PrintedPile(pile), timeText_);
            printed.pop_back();
            NotePrinted(ReportDocument::Text, first + starts[k], printed);
        }
    }
    if (!text_.empty()) {
        NotePrinted(ReportDocument::Text, text_.size() - 1, {TimeLine(PrintedTime(timeText_))});
    }
}

void ReportLog::DeleteLastPile() {
    if (pileCount_ <= 1) {
        pileCount_ = 0;
        piles_.clear();
        markWidths_.clear();
        checkPiles_ = 0;
        CaretToStart(ReportDocument::Table);
        Clear(ReportDocument::Table);
        CaretToStart(ReportDocument::Text);
        Clear(ReportDocument::Text);
        unsavedFlags_ = 0;
        NotifyState();
        return;
    }
    --pileCount_;
    if (!piles_.empty()) {
        Count(piles_.back(), -1);
        piles_.pop_back();
    }
    const TableLayout layout = LayoutOfPiles();
    if (layout != layout_) {
        // The widest mark or the last pile with checks went: the table narrows again.
        layout_ = layout;
        RemoveTableFrom(tableStart_);
        AppendTableRows(TableHeaderLines(layout_), 0);
    } else if (table_.size() >= kNewestRowFromEnd) {
        RemoveAt(ReportDocument::Table, table_.size() - kNewestRowFromEnd);
    }
    CaretToStart(ReportDocument::Table);
    RemoveNewestBlock();
    // Both documents changed since they were last written.
    unsavedFlags_ = kBothUnsaved;
    NotifyState();
}

void ReportLog::Count(const BookPile& pile, int change) {
    if (pile.scheduleMark) {
        int& count = markWidths_[DisplayWidth(pile.mark)];
        count += change;
        if (count <= 0) {
            markWidths_.erase(DisplayWidth(pile.mark));
        }
    }
    if (pile.ShowsChecks()) {
        checkPiles_ += change;
    }
}

TableLayout ReportLog::LayoutOfPiles() const {
    TableLayout layout;
    if (!markWidths_.empty()) {
        layout.markWidth =
            std::max(layout.markWidth, std::min(markWidths_.rbegin()->first, kWidestMarkColumn));
    }
    layout.checks = checkPiles_ > 0;
    return layout;
}

// Removes the table's lines from first on: all at once when that is the whole
// table, else one by one from the end.
void ReportLog::RemoveTableFrom(std::size_t first) {
    if (first == 0) {
        Clear(ReportDocument::Table);
        return;
    }
    while (table_.size() > first) {
        RemoveAt(ReportDocument::Table, table_.size() - 1);
    }
}

// Removes the lines above the time line up to the closing rule of the previous block;
// the time line stays last.
void ReportLog::RemoveNewestBlock() {
    if (text_.size() >= 2) {
        RemoveAt(ReportDocument::Text, text_.size() - 2);
    }
    bool removed = false;
    while (text_.size() >= 2 && text_[text_.size() - 2] != kClosingRule) {
        RemoveAt(ReportDocument::Text, text_.size() - 2);
        removed = true;
    }
    if (removed) {
        CaretToStart(ReportDocument::Text);
    }
}

void ReportLog::ShowOtherReport() {
    shown_ = shown_ == ReportDocument::Text ? ReportDocument::Table : ReportDocument::Text;
    NotifyState();
}

void ReportLog::MarkShownSaved() {
    unsavedFlags_ &= ~FlagOf(shown_);
    NotifyState();
}

std::u16string ReportLog::PageCaption() const {
    return shown_ == ReportDocument::Text ? u"1" : u"2";
}

bool ReportLog::SaveEnabled() const {
    return (unsavedFlags_ & FlagOf(shown_)) != 0;
}

const Lines& ReportLog::Document(ReportDocument doc) const {
    return doc == ReportDocument::Text ? text_ : table_;
}

const std::map<std::size_t, std::u16string>& ReportLog::PrintedLines(ReportDocument doc) const {
    return doc == ReportDocument::Text ? printedText_ : printedTable_;
}

// printed: the lines of doc from first on as printed; those that differ are noted.
void ReportLog::NotePrinted(ReportDocument doc, std::size_t first, const Lines& printed) {
    const Lines& lines = Document(doc);
    auto& noted = Printed(doc);
    for (std::size_t k = 0; k < printed.size() && first + k < lines.size(); ++k) {
        if (printed[k] != lines[first + k]) {
            noted[first + k] = printed[k];
        }
    }
}

Lines& ReportLog::Doc(ReportDocument doc) {
    return doc == ReportDocument::Text ? text_ : table_;
}

std::map<std::size_t, std::u16string>& ReportLog::Printed(ReportDocument doc) {
    return doc == ReportDocument::Text ? printedText_ : printedTable_;
}

void ReportLog::Append(ReportDocument doc, Lines lines) {
    Lines& target = Doc(doc);
    const std::size_t first = target.size();
    target.insert(target.end(), std::make_move_iterator(lines.begin()),
                  std::make_move_iterator(lines.end()));
    if (listener_ != nullptr && !lines.empty()) {
        listener_->LinesAppended(doc, first, lines.size());
    }
}

void ReportLog::RemoveAt(ReportDocument doc, std::size_t index) {
    Lines& target = Doc(doc);
    if (index >= target.size()) {
        return;
    }
    target.erase(target.begin() + static_cast<std::ptrdiff_t>(index));
    // The printed forms of the lines after it move up with them.
    auto& printed = Printed(doc);
    printed.erase(index);
    for (auto it = printed.upper_bound(index); it != printed.end();) {
        auto node = printed.extract(it++);
        --node.key();
        printed.insert(std::move(node));
    }
    if (listener_ != nullptr) {
        listener_->LineRemoved(doc, index);
    }
}

void ReportLog::Clear(ReportDocument doc) {
    Doc(doc).clear();
    Printed(doc).clear();
    if (listener_ != nullptr) {
        listener_->Cleared(doc);
    }
}

void ReportLog::CaretToStart(ReportDocument doc) {
    if (listener_ != nullptr) {
        listener_->CaretToStart(doc);
    }
}

void ReportLog::NotifyState() {
    if (listener_ != nullptr) {
        listener_->StateChanged();
    }
}

}  // namespace rokal
