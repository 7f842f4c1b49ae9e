// The printed book of the result layer: "导出PDF…", "打印预览…" and "打印…" in the
// report views' context menu, on Ctrl+Shift+P (preview) and Ctrl+P (print), each
// acting on the form shown, as "保存" does.
#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <filesystem>

#include "print/BookPainter.h"
#include "print/BookPdf.h"
#include "print/PageFrame.h"
#include "report/DiskSync.h"
#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/main/PrintDialogs.h"
#include "ui/platform/DocumentsFolder.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/ReportView.h"

using rokal::RunGuarded;

namespace {

struct PrintActionItem {
    const char* name;
    const char16_t* text;
    QKeySequence keys;
    void (TMPK_FRM_KELD1::*handler)();
};

// The wait cursor while a long book is laid out.
class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A printer set up for the form's pages; the user may still change them.
void SetUpPrinter(QPrinter& printer, rokal::ReportDocument form) {
    printer.setPageLayout(rokal::BookPageLayout(form));
    printer.setDocName(QString::fromStdU16String(rokal::BookTitle(form)));
    printer.setCreator(QStringLiteral("Rokal"));
}

}  // namespace

void TMPK_FRM_KELD1::BuildPrintActions() {
    const PrintActionItem entries[] = {
        {"act_ExportPdf", u"导出PDF…", QKeySequence(), &TMPK_FRM_KELD1::ExportPdfClick},
        {"act_PrintPreview", u"打印预览…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
         &TMPK_FRM_KELD1::PrintPreviewClick},
        {"act_Print", u"打印…", QKeySequence(Qt::CTRL | Qt::Key_P), &TMPK_FRM_KELD1::PrintClick},
    };
    for (const PrintActionItem& item : entries) {
        auto* action = new QAction(QString::fromUtf16(item.text), JieGuo_DocLayer);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.keys);
        // While the result layer is shown, wherever the focus is in the window.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, item.handler);
        JieGuo_DocLayer->addAction(action);
        printActions_.append(action);
    }
    BuildBookActions();
    meo_jisuanjieguo_Doc->SetMenuActions(printActions_);
    meo_jisuanjieguo_Xls->SetMenuActions(printActions_);
    UpdatePrintActions();
}

void TMPK_FRM_KELD1::UpdatePrintActions() {
    for (QAction* action : printActions_) {
        action->setEnabled(log_.PileCount() >= 1);
    }
}

rokal::PrintBook TMPK_FRM_KELD1::ShownPrintBook() const {
    return rokal::MakePrintBook(log_, log_.Shown());
}

void TMPK_FRM_KELD1::ExportPdfClick() {
    RunGuarded([this] { ExportShownPdf(); });
}

void TMPK_FRM_KELD1::PrintPreviewClick() {
    RunGuarded([this] { PreviewShownBook(); });
}

void TMPK_FRM_KELD1::PrintClick() {
    RunGuarded([this] { PrintShownBook(); });
}

// The proposal: the text file's folder and name, with ".pdf".
void TMPK_FRM_KELD1::ExportShownPdf() {
    const rokal::PrintBook book = ShownPrintBook();
    const QString name = QString::fromStdU16String(rokal::BookPdfFileName(book.form));
    const QString folder = rokal::DocumentsFolder();
    const QString proposed = folder.isEmpty() ? name : QDir(folder).filePath(name);
    const QString path = rokal::CurrentPrintDialogs().pdfPath(this, proposed);
    if (path.isEmpty()) {
        return;
    }
    BusyCursor busy;
    rokal::WriteBookPdf(book, std::filesystem::path(path.toStdU16String()), &rokal::SyncToDisk);
}

void TMPK_FRM_KELD1::PrintShownBook() {
    const rokal::PrintBook book = ShownPrintBook();
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, book.form);
    if (!rokal::CurrentPrintDialogs().print(this, printer)) {
        return;
    }
    BusyCursor busy;
    rokal::PaintBook(printer, book);
    if (printer.printerState() == QPrinter::Error) {
        throw rokal::PrintError("打印失败：打印机报告了错误");
    }
}

void TMPK_FRM_KELD1::PreviewShownBook() {
    const rokal::PrintBook book = ShownPrintBook();
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, book.form);
    rokal::CurrentPrintDialogs().preview(this, printer, [&book](QPrinter& target) {
        RunGuarded([&] { rokal::PaintBook(target, book); });
    });
}
