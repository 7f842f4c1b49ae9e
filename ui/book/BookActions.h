#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "book/BookPile.h"
#include "book/CalculationBook.h"
#include "engine/Formatting.h"

class QWidget;

namespace rokal {

// What the calculation book is made for.
enum class BookUse { Export, Preview, Print };

// The choices of the book dialog.
struct BookChoice {
    bool selectedOnly = false;  // the schedule window: only the selected rows
    book::Detail detail = book::Detail::All;
    bool pilePerPage = false;
};

// The book's dialogs, replaceable so that a test answers them without a modal
// dialog; a member left empty is the real dialog.
struct BookDialogs {
    // The book dialog: the detail, one pile a page, the rows (when selectable) and
    // a way to the project's fields; nullopt when cancelled.
    std::function<std::optional<BookChoice>(QWidget* parent, BookUse use, bool canSelect)> choose;
    // Where to write the book, a PDF or a Word file by its type; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& proposed)> path;
    // "工程信息"; true when the user kept the fields.
    std::function<bool(QWidget* parent)> editProject;
};

BookDialogs CurrentBookDialogs();
// Installs stand-ins and hands back the previous ones.
BookDialogs SetBookDialogs(BookDialogs dialogs);

// The piles of the book, all of them or only those of the selection.
using BookPileSource = std::function<std::vector<book::BookPile>(bool selectedOnly)>;

// Asks for the book's choices, makes the book from the piles with the project's
// fields, and exports it (a .docx name writes Word, any other PDF), previews it
// or prints it. Says so when there is no computed pile. Throws on a failed write.
void RunBookUse(QWidget* parent, BookUse use, const BookPileSource& piles, bool canSelect,
                PrecisionMode mode, char16_t decimalSeparator);

// Shows "工程信息".
void EditProjectInfo(QWidget* parent);

}  // namespace rokal
