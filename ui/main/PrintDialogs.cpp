#include "ui/main/PrintDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <utility>

namespace rokal {

namespace {

PrintDialogs& Installed() {
    static PrintDialogs dialogs;
    return dialogs;
}

QString AskPdfPath(QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent, QStringLiteral("导出PDF"), proposed,
                       QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

bool AskPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    return dialog.exec() == QDialog::Accepted;
}

void ShowPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

}  // namespace

PrintDialogs CurrentPrintDialogs() {
    PrintDialogs dialogs = Installed();
    if (!dialogs.pdfPath) {
        dialogs.pdfPath = &AskPdfPath;
    }
    if (!dialogs.print) {
        dialogs.print = &AskPrinter;
    }
    if (!dialogs.preview) {
        dialogs.preview = &ShowPreview;
    }
    return dialogs;
}

PrintDialogs SetPrintDialogs(PrintDialogs dialogs) {
    return std::exchange(Installed(), std::move(dialogs));
}

}  // namespace rokal
