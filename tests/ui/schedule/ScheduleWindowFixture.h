#pragma once

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <deque>

#include "tests/ui/MainWindowFixture.h"
#include "ui/platform/UserSettings.h"
#include "ui/schedule/ScheduleColumns.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleSortProxy.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"

// The main window and its schedule window, shown and active, with the schedule window's
// questions answered from a script and its messages recorded.
class ScheduleWindowTest : public MainWindowTest {
  public:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        rokal::UserSettings().clear();  // no last folder from an earlier test
        w().OpenScheduleWindow();
        ASSERT_NE(w().ScheduleWindowIfAny(), nullptr);
        s().SetDialogs(ScriptedDialogs());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&s()));
        s().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&s()));
        // No modifier key held from an earlier test: after its Ctrl+S clicks Qt
        // may still take Ctrl as held, and a held Ctrl makes selectRow add to the
        // selection instead of replacing it.
        QTest::keyRelease(&s(), Qt::Key_Control);
        ASSERT_EQ(QGuiApplication::keyboardModifiers(), Qt::NoModifier);
    }

    rokal::ScheduleWindow& s() { return *w().ScheduleWindowIfAny(); }
    rokal::ScheduleModel& model() { return s().Model(); }
    QTableView* table() { return s().table; }

    // The fixture files beside the tests.
    static QString Fixture(const QString& name) {
        return QStringLiteral(ROKAL_SCHEDULE_FIXTURES "/") + name;
    }
    QString InFolder(const QString& name) const { return folder.filePath(name); }

    void Open(const QString& path) { ASSERT_TRUE(s().OpenFile(path)); }

    // The text a table cell shows, by schedule row and table column.
    QString Shown(int row, int column) { return model().index(row, column).data().toString(); }
    QString Shown(int row, rokal::ScheduleColumn column) {
        return Shown(row, rokal::TableColumnOf(column));
    }
    QString Shown(int row, rokal::ResultColumn column) {
        return Shown(row, rokal::TableColumnOf(column));
    }

    // Makes a cell of the table, by shown row and column, the current one.
    void Select(int viewRow, int column) {
        const QModelIndex index = table()->model()->index(viewRow, column);
        table()->setFocus();
        table()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }

    // Clicks a cell of the table, by shown row and column, which makes it the current
    // one, the only one selected and where a Shift+move starts.
    void ClickCell(int viewRow, int column) {
        const QModelIndex index = table()->model()->index(viewRow, column);
        table()->setFocus();
        table()->scrollTo(index);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table()->visualRect(index).center());
    }

    // Types into a cell as a user would: F2 to edit, select all, type, Enter.
    void TypeInCell(int viewRow, int column, const QString& text) {
        Select(viewRow, column);
        QTest::keyClick(table(), Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, table()) << "F2 did not open an editor";
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(editor, Qt::Key_Delete);
        } else {
            QTest::keyClicks(editor, text);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over once the event loop runs.
        QCoreApplication::processEvents();
    }

    void Trigger(QAction* action) {
        ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString();
        action->trigger();
    }

    rokal::ScheduleDialogs ScriptedDialogs() {
        rokal::ScheduleDialogs dialogs;
        dialogs.askUnsaved = [this](QWidget*, const QString& name) {
            asked << name;
            EXPECT_FALSE(answers.empty()) << "an unexpected question";
            if (answers.empty()) {
                return rokal::UnsavedAnswer::Cancel;
            }
            const rokal::UnsavedAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        };
        dialogs.openFile = [this](QWidget*, const QString& folder) {
            openFolder = folder;
            return openPath.isEmpty() ? QUrl() : QUrl::fromLocalFile(openPath);
        };
        dialogs.askDropSurplus = [this](QWidget*, const QString& fields) {
            askedDrop << fields;
            return dropSurplus;
        };
        dialogs.savePath = [this](QWidget*, const QString& suggested) {
            suggestedSave = suggested;
            return savePath;
        };
        dialogs.exportPath = [this](QWidget*, const QString& suggested) {
            suggestedExport = suggested;
            return exportPath;
        };
        dialogs.confirmDeleteRows = [this](QWidget*, int rows) {
            deleteAsked.push_back(rows);
            return deleteAnswer;
        };
        dialogs.confirm = [this](QWidget*, const QString& question, const QString&) {
            questions << question;
            EXPECT_FALSE(confirmations.empty()) << "an unexpected question";
            if (confirmations.empty()) {
                return false;
            }
            const bool answer = confirmations.front();
            confirmations.pop_front();
            return answer;
        };
        dialogs.chooseSheet = [this](QWidget*, const QString&, const QStringList& sheets) {
            sheetsOffered = sheets;
            return sheetAnswer;
        };
        return dialogs;
    }

    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void WriteAll(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir folder;
    // Answers to the unsaved-changes question, used in turn, and the names asked about.
    std::deque<rokal::UnsavedAnswer> answers;
    QStringList asked;
    // The answer to dropping surplus fields, and the fields asked about.
    bool dropSurplus = true;
    QStringList askedDrop;
    // Answers to the questions before a large step, used in turn, and the questions.
    std::deque<bool> confirmations;
    QStringList questions;
    // What the file dialogs answer; empty means cancelled.
    QString openPath, savePath, exportPath;
    // The folder the open dialog started in, and the paths the others proposed.
    QString openFolder, suggestedSave, suggestedExport;
    // The row counts asked about before rows are deleted, and the answer.
    std::vector<int> deleteAsked;
    bool deleteAnswer = true;
    // The sheet chosen when a workbook holds several schedules (empty: cancelled),
    // and the sheets offered.
    QString sheetAnswer;
    QStringList sheetsOffered;
};
