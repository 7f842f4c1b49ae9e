#include "ui/schedule/ScheduleDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace rokal {
namespace {

QString CsvFilter() {
    return QStringLiteral("CSV 文件 (*.csv);;文本文件 (*.txt *.tsv);;所有文件 (*)");
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

}  // namespace

ScheduleDialogs StandardScheduleDialogs() {
    ScheduleDialogs dialogs;
    dialogs.askUnsaved = &AskUnsaved;
    dialogs.openPath = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("打开桩表"), folder,
                                            CsvFilter());
    };
    dialogs.savePath = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("保存桩表"), suggested,
                                            CsvFilter());
    };
    dialogs.exportPath = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("导出计算结果"), suggested,
                                            CsvFilter());
    };
    return dialogs;
}

}  // namespace rokal
