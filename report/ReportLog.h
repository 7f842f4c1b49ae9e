#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "report/BookPile.h"
#include "report/TableReport.h"

namespace rokal {

enum class ReportDocument { Text, Table };

enum UnsavedFlag : int { TextUnsaved = 1, TableUnsaved = 2 };

// Told of every change to the documents, line by line, so that a view can follow
// without being refilled whole.
class ReportLogListener {
  public:
    virtual ~ReportLogListener() = default;
    // lines [first, first + count) of doc were appended at its end.
    virtual void LinesAppended(ReportDocument doc, std::size_t first, std::size_t count) = 0;
    // the line at index was removed.
    virtual void LineRemoved(ReportDocument doc, std::size_t index) = 0;
    virtual void Cleared(ReportDocument doc) = 0;
    virtual void CaretToStart(ReportDocument doc) = 0;
    // PileCount, UnsavedFlags or the shown page changed.
    virtual void StateChanged() = 0;
};

// The running calculation book of one run: the table and text documents, the
// pile count, the unsaved flags and which document is shown.
class ReportLog {
  public:
    void SetListener(ReportLogListener* listener) { listener_ = listener; }

    // Window creation: counters to 0 (the documents are left as they are).
    void ResetCounters();

    // Appends the main window's pile as the next "ZH n".
    void AppendPile(const PileInput& input, const PileResult& result, PrecisionMode mode,
                    const std::u16string& timeText, char16_t decimalSeparator);
    // Appends the piles in order, each under its own mark, with one time. When a
    // pile needs a wider table (a wider mark, or the check columns) the whole table
    // is laid out again once, so that every row of the book stays aligned.
    void AppendPiles(std::vector<BookPile> piles, const std::u16string& timeText);
    // Removes the newest pile from both documents and marks both unsaved; with one
    // pile or none it empties the log and clears the flags.
    void DeleteLastPile();
    void ShowOtherReport();
    // After the shown document was written to its file: clears its flag.
    void MarkShownSaved();

    int PileCount() const { return pileCount_; }
    int UnsavedFlags() const { return unsavedFlags_; }
    ReportDocument Shown() const { return shown_; }
    // Caption of the page toggle: "1" text, "2" table.
    std::u16string PageCaption() const;
    bool SaveEnabled() const;
    bool DeleteEnabled() const { return pileCount_ >= 1; }

    const Lines& Document(ReportDocument doc) const;
    // The lines of doc that may be printed otherwise than saved, by index: those of
    // a pile whose d or hr is too long for its column, or whose time is too long for
    // a line of the text form, with that text cut to fit ("…"). Which form goes on
    // paper is the printed book's choice.
    const std::map<std::size_t, std::u16string>& PrintedLines(ReportDocument doc) const;
    // The piles of the book, oldest first.
    const std::vector<BookPile>& Piles() const { return piles_; }

  private:
    Lines& Doc(ReportDocument doc);
    std::map<std::size_t, std::u16string>& Printed(ReportDocument doc);
    void Append(ReportDocument doc, Lines lines);
    void RemoveAt(ReportDocument doc, std::size_t index);
    void RemoveNewestBlock();
    void NotePrinted(ReportDocument doc, std::size_t first, const Lines& printed);
    void AppendTableRows(Lines lines, std::size_t firstPile);
    void NotePrintedBlocks(std::size_t first, const std::vector<std::size_t>& starts,
                           std::size_t firstPile);
    void Count(const BookPile& pile, int change);
    TableLayout LayoutOfPiles() const;
    void RemoveTableFrom(std::size_t first);
    void Clear(ReportDocument doc);
    void CaretToStart(ReportDocument doc);
    void NotifyState();

    std::vector<BookPile> piles_;
    // How many schedule marks of each display width the book holds, and how many
    // piles show checks: the table's layout follows from them.
    std::map<int, int> markWidths_;
    int checkPiles_ = 0;
    TableLayout layout_;
    // Where the table's header stands, and the time of the newest append.
    std::size_t tableStart_ = 0;
    std::u16string timeText_;
    Lines table_;
    Lines text_;
    std::map<std::size_t, std::u16string> printedTable_;
    std::map<std::size_t, std::u16string> printedText_;
    int pileCount_ = 0;
    int unsavedFlags_ = 0;
    ReportDocument shown_ = ReportDocument::Text;
    ReportLogListener* listener_ = nullptr;
};

}  // namespace rokal
