#pragma once

#include <QString>
#include <QUrl>
#include <QStringList>
#include <functional>

class QWidget;

namespace rokal {

enum class UnsavedAnswer { Save, Discard, Cancel };

// The questions the schedule window asks the user, replaceable so that a test can
// answer them without a modal dialog.
struct ScheduleDialogs {
    // "Save the changes to name?" before they would be lost.
    std::function<UnsavedAnswer(QWidget* parent, const QString& name)> askUnsaved;
    // A schedule file to open, as a file:// URL, which carries a name that is not
    // UTF-8 byte for byte (ui/platform/LocalPaths.h); empty when the user cancelled.
    std::function<QUrl(QWidget* parent, const QString& folder)> openFile;
    // "Drop these fields that have no column?", listing them; true to drop them.
    std::function<bool(QWidget* parent, const QString& fields)> askDropSurplus;
    // Where to save the schedule, starting from a suggested path; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> savePath;
    // Where to write the results, starting from a suggested path; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> exportPath;
    // "Delete these rows?" before more than one row goes; true: delete them.
    std::function<bool(QWidget* parent, int rows)> confirmDeleteRows;
    // A question before a step that changes much: true when the user chose to go on
    // (the button named `proceed`), false for "取消".
    std::function<bool(QWidget* parent, const QString& question, const QString& proceed)> confirm;
    // Which of a workbook's sheets holding a schedule to open; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& file, const QStringList& sheets)>
        chooseSheet;
};

// The program's own dialogs: message boxes with "保存", "不保存" and "取消", with
// "删除" and "取消", or with a step's name and "取消", file dialogs for CSV files and .xlsx workbooks, and a
// list of a workbook's sheets.
ScheduleDialogs StandardScheduleDialogs();

}  // namespace rokal
