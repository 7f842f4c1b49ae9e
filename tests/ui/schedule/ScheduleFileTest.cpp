// Saving, exporting, and the question before unsaved changes would be lost: on
// closing, on opening another file, and on closing the main window.
#include <QDir>
#include <QStatusBar>
#include <QWindow>

#include "schedule/ResultsCsv.h"
#include "schedule/ScheduleCsv.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"

namespace {

using rokal::ScheduleColumn;
using rokal::UnsavedAnswer;

class ScheduleFileTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        path = InFolder("桩表 一.csv");
        ASSERT_TRUE(QFile::copy(Fixture("schedule30.csv"), path));
        Open(path);
    }

    void Edit() { TypeInCell(0, rokal::TableColumnOf(ScheduleColumn::Nk), "6000"); }
    QByteArray Saved() {
        return QByteArray::fromStdString(rokal::ScheduleToCsv(model().GetSchedule()));
    }

    QString path;
};

TEST_F(ScheduleFileTest, SaveWritesTheScheduleInPlaceAndClearsTheMark) {
    Edit();
    EXPECT_TRUE(s().isWindowModified());
    QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(s().isWindowModified());
    EXPECT_EQ(s().windowTitle(), "桩表 一.csv[*] - 桩表计算");
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes, Saved());
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF桩号,桩径,嵌岩深度"));
    EXPECT_TRUE(bytes.contains("ZH1,1400,2000,40,C40,泥浆护壁,6000,,1轴/A\r\n"));
    EXPECT_TRUE(messages.empty());

    // Undo after saving is a change again.
    Trigger(s().act_undo);
    EXPECT_TRUE(s().isWindowModified());
}

TEST_F(ScheduleFileTest, SaveAsWritesWhereTheUserChose) {
    savePath = InFolder("other.csv");
    Trigger(s().act_saveAs);
    EXPECT_EQ(suggestedSave, QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(ReadAll(savePath), Saved());
    EXPECT_EQ(s().FilePath(), QFileInfo(savePath).absoluteFilePath());
    EXPECT_EQ(s().windowTitle(), "other.csv[*] - 桩表计算");

    savePath.clear();  // cancelled
    Edit();
    Trigger(s().act_saveAs);
    EXPECT_TRUE(s().isWindowModified());
}

// A save that cannot be written says why and leaves the earlier file, the file
// name and the unsaved mark as they were.
TEST_F(ScheduleFileTest, AFailedSaveLeavesTheEarlierFileAndSaysWhy) {
    const QByteArray earlier = ReadAll(path);
    Edit();
    const QString targets[] = {folder.path(), InFolder("no such folder/x.csv"), path + "/x.csv"};
    for (const QString& target : targets) {
        messages.clear();
        savePath = target;
        Trigger(s().act_saveAs);
        ASSERT_EQ(messages.size(), 1u) << target.toStdString();
        EXPECT_EQ(messages.front().kind, rokal::MessageKind::Error);
        EXPECT_TRUE(messages.front().text.startsWith("桩表未能保存：")) << target.toStdString();
        EXPECT_TRUE(s().isWindowModified());
        EXPECT_EQ(s().FilePath(), QFileInfo(path).absoluteFilePath());
    }
    EXPECT_EQ(ReadAll(path), earlier);
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"桩表 一.csv"});
}

TEST_F(ScheduleFileTest, ExportWritesTheResultsBesideTheSchedule) {
    exportPath = InFolder("results.csv");
    Trigger(s().act_export);
    EXPECT_EQ(suggestedExport, folder.filePath("桩表 一_结果.csv"));
    const std::string expected =
        rokal::ResultsToCsv(model().GetSchedule(), model().Results(), model().Designs(),
                            model().Precision(), model().DecimalSeparator());
    EXPECT_EQ(ReadAll(exportPath), QByteArray::fromStdString(expected));
    EXPECT_FALSE(s().isWindowModified());
}

// A formula-like mark reaches a spreadsheet as text through the results; the saved
// schedule, an input file, keeps it exactly as typed.
TEST_F(ScheduleFileTest, ExportShowsFormulaLikeTextsAsTextAndSaveKeepsThem) {
    TypeInCell(0, rokal::TableColumnOf(ScheduleColumn::Mark), "=1+1");
    exportPath = InFolder("results.csv");
    Trigger(s().act_export);
    EXPECT_TRUE(ReadAll(exportPath).contains("\r\n'=1+1,1400,"));
    Trigger(s().act_save);
    EXPECT_TRUE(ReadAll(path).contains("\r\n=1+1,1400,"));
}

// However the schedule's own file is named, the results never replace it.
TEST_F(ScheduleFileTest, ExportRefusesTheOpenSchedulesOwnFile) {
    const QByteArray schedule = ReadAll(path);
    QStringList targets = {path, folder.path() + "/./桩表 一.csv",
                           folder.path() + "/sub/../桩表 一.csv"};
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
#ifndef _WIN32
    ASSERT_TRUE(QFile::link(path, InFolder("link.csv")));
    ASSERT_TRUE(QFile::link(folder.path(), InFolder("sub/here")));
    targets << InFolder("link.csv") << InFolder("sub/here/桩表 一.csv");
#endif
    const QStringList entries = QDir(folder.path()).entryList();
    for (const QString& target : targets) {
        messages.clear();
        exportPath = target;
        Trigger(s().act_export);
        ASSERT_EQ(messages.size(), 1u) << target.toStdString();
        EXPECT_EQ(messages.front().kind, rokal::MessageKind::Error);
        EXPECT_TRUE(messages.front().text.startsWith("计算结果不能导出到打开的桩表文件"))
            << messages.front().text.toStdString();
        EXPECT_EQ(ReadAll(path), schedule) << target.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(), entries) << target.toStdString();
    }
}

TEST_F(ScheduleFileTest, ClosingOverUnsavedChangesAsks) {
    Edit();
    answers = {UnsavedAnswer::Cancel};
    EXPECT_FALSE(s().close());
    EXPECT_EQ(asked, QStringList{"桩表 一.csv"});
    EXPECT_TRUE(s().isVisible());
    EXPECT_TRUE(s().isWindowModified());

    answers = {UnsavedAnswer::Discard};
    EXPECT_TRUE(s().close());
    EXPECT_FALSE(s().isVisible());
    // The next opening starts with an empty schedule; the file kept its bytes.
    w().OpenScheduleWindow();
    EXPECT_EQ(model().RowCount(), 0);
    EXPECT_EQ(s().windowTitle(), "桩表计算[*]");
    EXPECT_EQ(ReadAll(path), ReadAll(Fixture("schedule30.csv")));
}

TEST_F(ScheduleFileTest, ClosingWithSaveWritesTheFileFirst) {
    Edit();
    answers = {UnsavedAnswer::Save};
    EXPECT_TRUE(s().close());
    EXPECT_TRUE(ReadAll(path).contains(",6000,"));

    // No question without changes.
    w().OpenScheduleWindow();
    EXPECT_TRUE(s().close());
    EXPECT_EQ(asked.size(), 1);
}

TEST_F(ScheduleFileTest, OpeningOverUnsavedChangesAsks) {
    Edit();
    answers = {UnsavedAnswer::Cancel, UnsavedAnswer::Discard};
    WriteAll(InFolder("two.csv"), "桩径,嵌岩深度,岩石强度,混凝土,工艺\n1000,1d,25,C30,水下\n");
    EXPECT_FALSE(s().OpenFile(InFolder("two.csv")));
    EXPECT_EQ(model().RowCount(), 30);
    openPath = InFolder("two.csv");
    Trigger(s().act_open);
    EXPECT_EQ(model().RowCount(), 1);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_FALSE(s().isWindowModified());
}

TEST_F(ScheduleFileTest, ClosingTheMainWindowAsksForAnUnsavedSchedule) {
    Edit();
    answers = {UnsavedAnswer::Cancel};
    EXPECT_FALSE(w().close());
    EXPECT_TRUE(w().isVisible());
    EXPECT_EQ(asked.size(), 1);

    answers = {UnsavedAnswer::Discard};
    EXPECT_TRUE(w().close());
    EXPECT_EQ(asked.size(), 2);
}

}  // namespace

namespace {

// Names that look like the title's or the messages' own marks stay as they are.
// Windows file names hold no * and no control character.
TEST_F(ScheduleFileTest, FileNamesShowAsTheyAre) {
#ifdef _WIN32
    const QString names[] = {"a[]b.csv", "%2 %1.csv", "桩表 [二].csv"};
#else
    const QString names[] = {"a[*]b.csv", "%2 %1.csv", "桩表\t二.csv"};
#endif
    for (const QString& name : names) {
        ASSERT_TRUE(QFile::copy(path, InFolder(name)));
        Open(InFolder(name));
        s().setWindowModified(true);
        EXPECT_EQ(s().windowHandle()->title(), name + "* - 桩表计算");
        EXPECT_EQ(s().statusBar()->currentMessage(), "已打开 " + name + "，共 30 行");
        s().setWindowModified(false);
    }
}

}  // namespace
