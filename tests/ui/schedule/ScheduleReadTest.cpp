// What the window reads: rows with fields beyond the header, units in the header,
// files that are no regular files, and file names that are not UTF-8.
#include <QDir>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "schedule/ScheduleCsv.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"
#include "ui/platform/LocalPaths.h"

namespace {

using rokal::ResultColumn;
using rokal::ScheduleColumn;
using ScheduleReadTest = ScheduleWindowTest;

const QColor kBadCell(0xFF, 0xD6, 0xD6);
const QString kSurplus = QString::fromUtf8(
    "第3行有11个字段，表头只有9个：多出的字段不知属于哪一列"
    "（数中不用千位分隔符，含分隔符的文字要加引号）");

// A row whose loads were written with unquoted thousands separators: shown bad in
// every cell, saved with every field, computed only once the user drops the fields
// that have no column.
TEST_F(ScheduleReadTest, ARowWithFieldsBeyondTheHeaderIsBadAndLosesNothing) {
    const QString path = InFolder("slipped.csv");
    WriteAll(path,
             "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N,备注\n"
             "ZH1,1000,1.5d,25,C30,泥浆护壁,5000,6000,1轴/A\n"
             "ZH2,1000,1.5d,25,C30,泥浆护壁,9,500,7,800,1轴/B\n");
    Open(path);
    EXPECT_EQ(s().lb_summary->text(), "共 2 行 · 有错 1 行 · 不满足 0 行");
    for (int column = 0; column < rokal::kScheduleColumnCount; ++column) {
        const QModelIndex cell = model().index(1, column);
        EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QBrush>().color(), kBadCell) << column;
        EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), kSurplus) << column;
    }
    EXPECT_TRUE(Shown(1, ResultColumn::Ra).isEmpty());
    Select(1, rokal::TableColumnOf(ScheduleColumn::Nk));
    EXPECT_EQ(s().statusBar()->currentMessage(), "ZH2 有错：" + kSurplus);

    // Mending the loads leaves the row bad while the fields without a column stay.
    TypeInCell(1, rokal::TableColumnOf(ScheduleColumn::Nk), "9500");
    TypeInCell(1, rokal::TableColumnOf(ScheduleColumn::N), "7800");
    EXPECT_TRUE(Shown(1, ResultColumn::Ra).isEmpty());

    // Saved, the row keeps every field and reads back the same.
    QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier);
    // The fields go to their columns by place: 备注 takes "7", and "800" and the
    // remark are the surplus.
    EXPECT_TRUE(ReadAll(path).contains("ZH2,1000,1.5d,25,C30,泥浆护壁,9500,7800,7,800,1轴/B\r\n"));
    Open(path);
    EXPECT_EQ(model().Row(1).surplus, (std::vector<std::u16string>{u"800", u"1轴/B"}));

    // Asked first, with each field named; cancelled, nothing changes.
    Select(1, 0);
    dropSurplus = false;
    Trigger(s().act_dropSurplus);
    EXPECT_EQ(askedDrop, QStringList{"ZH2：“800”、“1轴/B”"});
    EXPECT_TRUE(Shown(1, ResultColumn::Ra).isEmpty());
    dropSurplus = true;
    Trigger(s().act_dropSurplus);
    EXPECT_EQ(s().statusBar()->currentMessage(), "已删去 1 行多出的字段");
    EXPECT_EQ(Shown(1, ResultColumn::Ra), "9081");
    EXPECT_FALSE(model().index(1, 0).data(Qt::BackgroundRole).isValid());
    Trigger(s().act_undo);
    EXPECT_TRUE(Shown(1, ResultColumn::Ra).isEmpty());
    Select(0, 0);
    Trigger(s().act_dropSurplus);
    EXPECT_EQ(s().statusBar()->currentMessage(), "选中的行没有多出的字段");
}

// Cells of a column whose header gives another unit are shown, computed and saved
// in the program's units, and the window says so.
TEST_F(ScheduleReadTest, ConvertsUnitsInTheHeaderAndSaysSo) {
    const QString path = InFolder("metres.csv");
    WriteAll(path,
             "桩号,桩径(m),嵌岩深度(m),岩石强度,混凝土,工艺,Nk(MN)\n"
             "ZH1,1.0,1.5,25,C30,泥浆护壁,9.5\n");
    Open(path);
    EXPECT_EQ(s().statusBar()->currentMessage(),
              "已打开 metres.csv，共 1 行；桩径、嵌岩深度 已由 m 换算为 mm；Nk 已由 MN 换算为 kN");
    EXPECT_EQ(Shown(0, ScheduleColumn::D), "1000");
    EXPECT_EQ(Shown(0, ScheduleColumn::Hr), "1500");
    EXPECT_EQ(Shown(0, ResultColumn::Ra), "9081");
    EXPECT_EQ(Shown(0, ResultColumn::RaCheck), "不满足");
    QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(
        ReadAll(path).contains("桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N\r\n"
                               "ZH1,1000,1500,25,C30,泥浆护壁,9500,\r\n"));
}

#ifndef _WIN32
// A pipe or a device is refused at once, as the window must not wait on it.
TEST_F(ScheduleReadTest, RefusesWhatIsNoRegularFileWithoutWaiting) {
    Open(Fixture("schedule30.csv"));
    const QString fifo = InFolder("pipe.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, QString("/dev/zero")}) {
        messages.clear();
        EXPECT_FALSE(s().OpenFile(path));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages.front().text.endsWith("这不是普通文件（而是管道、设备或套接字）"))
            << messages.front().text.toStdString();
    }
    EXPECT_EQ(model().RowCount(), 30);
}

// A name holding GBK bytes, as an archive made on Windows unpacks: the window opens
// it from the command line, a drop and the open dialog, and saves over that file.
TEST_F(ScheduleReadTest, OpensAndSavesAFileWhoseNameIsNotUtf8) {
    const std::string folderBytes = QFile::encodeName(folder.path()).toStdString();
    const std::filesystem::path raw(folderBytes + "/\xD7\xAE\xB1\xED.csv");  // "桩表" in GBK
    std::ofstream(raw, std::ios::binary) << "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺\n"
                                            "ZH1,1000,1.5d,25,C30,泥浆护壁\n";
    const QUrl url = QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(raw.native()).toPercentEncoding("/"));
    ASSERT_TRUE(url.isLocalFile());

    w().OpenScheduleWindow(rokal::PathFromArgument(raw.native()));
    EXPECT_EQ(model().RowCount(), 1);
    Open(Fixture("schedule30.csv"));

    QMimeData mime;
    mime.setUrls({url});
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QApplication::sendEvent(&s(), &drop);
    EXPECT_EQ(model().RowCount(), 1);
    Open(Fixture("schedule30.csv"));

    s().SetDialogs([&] {
        rokal::ScheduleDialogs dialogs = ScriptedDialogs();
        dialogs.openFile = [&](QWidget*, const QString&) { return url; };
        return dialogs;
    }());
    Trigger(s().act_open);
    ASSERT_EQ(model().RowCount(), 1);
    EXPECT_TRUE(messages.empty());

    TypeInCell(0, rokal::TableColumnOf(ScheduleColumn::Nk), "6000");
    QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier);
    // Saved over the file itself, not beside it under a name of U+FFFD.
    const std::filesystem::directory_iterator files(folderBytes);
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);
    std::ifstream saved(raw, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_NE(bytes.find("ZH1,1000,1.5d,25,C30,泥浆护壁,6000,\r\n"), std::string::npos);
    std::filesystem::remove(raw);  // which QTemporaryDir cannot, as Qt does not list it
}
#endif

}  // namespace
