#include "ui/schedule/ScheduleDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace rokal {
namespace {

const QString kCsvFilter = QStringLiteral("CSV 文件 (*.csv)");
const QString kXlsxFilter = QStringLiteral("Excel 工作簿 (*.xlsx)");

QString OpenFilter() {
    return QStringLiteral("桩表 (*.csv *.xlsx *.txt *.tsv);;") + kCsvFilter + QStringLiteral(";;") +
           kXlsxFilter + QStringLiteral(";;文本文件 (*.txt *.tsv);;所有文件 (*)");
}

bool IsXlsxName(const QString& path) {
    return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

UnsavedAnswer AskUnsaved(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("桩表计算"),
                    QStringLiteral("桩表“%1”已修改。是否保存修改？").arg(name),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return UnsavedAnswer::Save;
    }
    return box.clickedButton() == discard ? UnsavedAnswer::Discard : UnsavedAnswer::Cancel;
}

bool ConfirmDeleteRows(QWidget* parent, int rows) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("桩表计算"),
                    QStringLiteral("删除选中的 %1 行？删除后可以撤销。").arg(rows),
                    QMessageBox::NoButton, parent);
    QPushButton* remove = box.addButton(QStringLiteral("删除"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == remove;
}

bool Confirm(QWidget* parent, const QString& question, const QString& proceed) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("桩表计算"), question,
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(proceed, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == yes;
}

// A file to write as CSV or as a workbook, the chosen type's extension added to a
// name typed without one (before the dialog asks whether to replace an existing
// file). The suggested name's type is chosen first.
QString SavePath(QWidget* parent, const QString& caption, const QString& suggested) {
    QFileDialog dialog(parent, caption, suggested, kCsvFilter + QStringLiteral(";;") + kXlsxFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto follow = [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == kXlsxFilter ? QStringLiteral("xlsx")
                                                      : QStringLiteral("csv"));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    const QString filter = IsXlsxName(suggested) ? kXlsxFilter : kCsvFilter;
    dialog.selectNameFilter(filter);
    follow(filter);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

bool AskDropSurplus(QWidget* parent, const QString& fields) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("桩表计算"),
                    QStringLiteral("删去下面这些比表头多出的字段？它们不属于任何一列，删去后"
                                   "不再保存。要留的数值请先改到该在的列里（如 Nk、N）。"),
                    QMessageBox::NoButton, parent);
    // A long list is cut in the box and given whole behind its details button.
    constexpr int kShownRows = 5;
    const int rows = static_cast<int>(fields.count(QLatin1Char('\n'))) + 1;
    QString shown = fields.section(QLatin1Char('\n'), 0, kShownRows - 1);
    if (rows > kShownRows) {
        shown += QStringLiteral("\n……共 %1 行").arg(rows);
        box.setDetailedText(fields);
    }
    box.setInformativeText(shown);
    QPushButton* drop = box.addButton(QStringLiteral("删去"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == drop;
}

}  // namespace

ScheduleDialogs StandardScheduleDialogs() {
    ScheduleDialogs dialogs;
    dialogs.askUnsaved = &AskUnsaved;
    dialogs.confirm = &Confirm;
    dialogs.askDropSurplus = &AskDropSurplus;
    dialogs.openFile = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileUrl(parent, QStringLiteral("打开桩表"),
                                           QUrl::fromLocalFile(folder), OpenFilter());
    };
    dialogs.savePath = [](QWidget* parent, const QString& suggested) {
        return SavePath(parent, QStringLiteral("保存桩表"), suggested);
    };
    dialogs.exportPath = [](QWidget* parent, const QString& suggested) {
        return SavePath(parent, QStringLiteral("导出计算结果"), suggested);
    };
    dialogs.confirmDeleteRows = &ConfirmDeleteRows;
    dialogs.chooseSheet = [](QWidget* parent, const QString& file, const QStringList& sheets) {
        bool chosen = false;
        const QString sheet =
            QInputDialog::getItem(parent, QStringLiteral("选择工作表"),
                                  QStringLiteral("“%1”中有 %2 个工作表含桩表，打开哪一个？")
                                      .arg(file, QString::number(sheets.size())),
                                  sheets, 0, false, &chosen);
        return chosen ? sheet : QString();
    };
    return dialogs;
}

}  // namespace rokal
