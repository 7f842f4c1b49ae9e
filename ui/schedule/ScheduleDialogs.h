#pragma once

#include <QString>
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
    // A schedule file to open, or empty when the user cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> openPath;
    // Where to save the schedule, starting from a suggested path; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> savePath;
    // Where to write the results, starting from a suggested path; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> exportPath;
    // "Delete these rows?" before more than one row goes; true: delete them.
    std::function<bool(QWidget* parent, int rows)> confirmDeleteRows;
    // Which of a workbook's sheets holding a schedule to open; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& file, const QStringList& sheets)>
        chooseSheet;
};

// The program's own dialogs: a message box with "保存", "不保存" and "取消", one
// with "删除" and "取消", file dialogs for CSV files and .xlsx workbooks, and a
// list of a workbook's sheets.
ScheduleDialogs StandardScheduleDialogs();

}  // namespace rokal
