#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace rokal {

// The dialogs of PDF export and printing. They are modal, so a test puts
// stand-ins in their place; a member left empty is the real dialog.
struct PrintDialogs {
    // Asks where the PDF goes, proposing a path; the empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& proposed)> pdfPath;
    // Lets the user choose the printer and its settings; false when cancelled.
    std::function<bool(QWidget* parent, QPrinter& printer)> print;
    // Shows the pages that paint draws onto the preview's printer, until closed.
    std::function<void(QWidget* parent, QPrinter& printer,
                       const std::function<void(QPrinter&)>& paint)>
        preview;
};

// The dialogs in use, stand-ins and real ones merged.
PrintDialogs CurrentPrintDialogs();

// Installs stand-ins and hands back the previous ones; empty ones restore the real dialogs.
PrintDialogs SetPrintDialogs(PrintDialogs dialogs);

}  // namespace rokal
