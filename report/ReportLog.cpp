#include "report/ReportLog.h"

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

bool FitsPrinted(const PileInput& input, const std::u16string& timeText) {
    return DisplayWidth(input.dText) <= kPrintedInputWidth &&
           DisplayWidth(input.hrText) <= kPrintedInputWidth &&
           DisplayWidth(timeText) <= kPrintedTimeWidth;
}

}  // namespace

void ReportLog::ResetCounters() {
    pileCount_ = 0;
    unsavedFlags_ = 0;
    NotifyState();
}

void ReportLog::AppendPile(const PileInput& input, const PileResult& result, PrecisionMode mode,
                           const std::u16string& timeText, char16_t decimalSeparator) {
    const int n = ++pileCount_;
    Lines tableLines;
    if (n == 1) {
        tableLines = TableHeaderLines();
    } else {
        // The previous footer and the previous time line give way to the new pile.
        for (std::size_t i = 0; i < kFooterLineCount && !table_.empty(); ++i) {
            RemoveAt(ReportDocument::Table, table_.size() - 1);
        }
        CaretToStart(ReportDocument::Table);
        if (!text_.empty()) {
            RemoveAt(ReportDocument::Text, text_.size() - 1);
        }
        CaretToStart(ReportDocument::Text);
    }
    tableLines.push_back(TableRowLine(n, input, result, mode, decimalSeparator));
    for (std::u16string& line : TableFooterLines(timeText)) {
        tableLines.push_back(std::move(line));
    }
    Append(ReportDocument::Table, std::move(tableLines));
    Append(ReportDocument::Text,
           TextBlockLines(n, input, result, mode, timeText, decimalSeparator));
    if (!FitsPrinted(input, timeText)) {
        PileInput printed = input;
        printed.dText = CutToWidth(input.dText, kPrintedInputWidth);
        printed.hrText = CutToWidth(input.hrText, kPrintedInputWidth);
        const std::u16string printedTime = CutToWidth(timeText, kPrintedTimeWidth);
        Lines printedTable = TableFooterLines(printedTime);
        printedTable.insert(printedTable.begin(),
                            TableRowLine(n, printed, result, mode, decimalSeparator));
        NotePrinted(ReportDocument::Table, printedTable);
        NotePrinted(ReportDocument::Text,
                    TextBlockLines(n, printed, result, mode, printedTime, decimalSeparator));
    }
    unsavedFlags_ = kBothUnsaved;
    NotifyState();
}

void ReportLog::DeleteLastPile() {
    if (pileCount_ <= 1) {
        pileCount_ = 0;
        CaretToStart(ReportDocument::Table);
        Clear(ReportDocument::Table);
        CaretToStart(ReportDocument::Text);
        Clear(ReportDocument::Text);
        unsavedFlags_ = 0;
        NotifyState();
        return;
    }
    --pileCount_;
    if (table_.size() >= kNewestRowFromEnd) {
        RemoveAt(ReportDocument::Table, table_.size() - kNewestRowFromEnd);
    }
    CaretToStart(ReportDocument::Table);
    RemoveNewestBlock();
    // Both documents changed since they were last written.
    unsavedFlags_ = kBothUnsaved;
    NotifyState();
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

// printed: the last lines of doc as printed; those that differ are noted.
void ReportLog::NotePrinted(ReportDocument doc, const Lines& printed) {
    const Lines& lines = Document(doc);
    auto& noted = Printed(doc);
    const std::size_t first = lines.size() - printed.size();
    for (std::size_t k = 0; k < printed.size(); ++k) {
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
