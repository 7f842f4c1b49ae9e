// The printed book in the main window: the report views' context menu, the
// shortcuts, PDF export into a chosen file and printing, with the modal dialogs
// replaced by stand-ins.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "print/PrintBook.h"
#include "tests/print/PdfTools.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/main/PrintDialogs.h"

namespace {

using rokal::ReportDocument;

// Stand-ins for the dialogs that record what they were asked and answer as told.
class PrintWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(out.isValid());
        rokal::PrintDialogs standIns;
        standIns.pdfPath = [this](QWidget*, const QString& proposed) {
            proposals << proposed;
            return answer;
        };
        standIns.print = [this](QWidget*, QPrinter& printer) {
            ++printAsked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(PrinterFile());
            return printAccepted;
        };
        standIns.preview = [this](QWidget*, QPrinter& printer,
                                  const std::function<void(QPrinter&)>& paint) {
            ++previewShown;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(PrinterFile());
            paint(printer);
        };
        previous = rokal::SetPrintDialogs(standIns);
    }
    void TearDown() override {
        rokal::SetPrintDialogs(previous);
        MainWindowTest::TearDown();
    }

    void ShowResults() {
        Compute();
        Click(w().cbt_View);
    }
    QAction* Action(const char* name) const {
        return w_const().findChild<QAction*>(QString::fromLatin1(name));
    }
    const TMPK_FRM_KELD1& w_const() const { return *window; }
    rokal::ReportView* ShownView() const {
        return window->Log().Shown() == ReportDocument::Text ? window->meo_jisuanjieguo_Doc
                                                             : window->meo_jisuanjieguo_Xls;
    }
    QString PrinterFile() const { return out.filePath(QStringLiteral("printer.pdf")); }
    static QString Documents() {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    // The report lines of the shown form, as the PDF must read them.
    rokal::Lines ShownLines() const {
        rokal::Lines lines;
        for (const std::u16string& line : window->Log().Document(window->Log().Shown())) {
            lines.push_back(rokal::test::Normalised(line));
        }
        return lines;
    }
    static rokal::Lines BodyOf(const rokal::Lines& page) {
        return rokal::Lines(page.begin() + 1, page.end() - 1);
    }
    void PressOnWindow(QKeySequence keys) {
        QTest::keySequence(window.get(), keys);
        QApplication::processEvents();
    }

    QTemporaryDir out;
    QStringList proposals;
    QString answer;
    int printAsked = 0;
    bool printAccepted = true;
    int previewShown = 0;
    rokal::PrintDialogs previous;
};

// The view's context menu as it is about to show: its entries' texts and shortcuts.
QStringList MenuEntries(rokal::ReportView* view) {
    QStringList entries;
    QTimer::singleShot(0, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        for (QAction* action : menu->actions()) {
            QString entry = QStringLiteral("|");
            if (!action->isSeparator()) {
                entry = action->text() + QStringLiteral(" ") + action->shortcut().toString() +
                        (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
            }
            entries << entry;
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                            view->viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(view->viewport(), &event);
    return entries;
}

TEST_F(PrintWindowTest, TheViewsMenuOffersExportPreviewAndPrint) {
    ShowResults();
    for (int form = 0; form < 2; ++form) {
        EXPECT_EQ(MenuEntries(ShownView()),
                  (QStringList{QStringLiteral("复制 Ctrl+C (off)"), QStringLiteral("全选 Ctrl+A"),
                               QStringLiteral("|"), QStringLiteral("导出PDF… "),
                               QStringLiteral("打印预览… Ctrl+Shift+P"),
                               QStringLiteral("打印… Ctrl+P"), QStringLiteral("|"),
                               QStringLiteral("导出计算书… "), QStringLiteral("计算书打印预览… "),
                               QStringLiteral("打印计算书… "), QStringLiteral("工程信息… ")}));
        Click(w().cbt_PageBook);
    }
}

TEST_F(PrintWindowTest, TheEntriesNeedAPile) {
    const char* names[] = {"act_ExportPdf",  "act_PrintPreview", "act_Print",
                           "act_ExportBook", "act_PreviewBook",  "act_PrintBook"};
    for (const char* name : names) {
        ASSERT_NE(Action(name), nullptr) << name;
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    }
    ShowResults();
    for (const char* name : names) {
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    }
    Click(w().cbt_sanchu);
    for (const char* name : names) {
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    }
}

// Proposed: the text file's folder and name with ".pdf"; written: the form shown.
TEST_F(PrintWindowTest, ExportsTheShownFormWhereTheUserChose) {
    Compute();
    Type(w().cbe_hr, "10000");  // a capped pile: a block of 48 lines
    Compute();
    Click(w().cbt_View);
    const struct {
        ReportDocument form;
        const char16_t* name;
        bool landscape;
    } forms[] = {{ReportDocument::Text, u"嵌岩桩计算书(依据DBJ52T045-2018)_文本.pdf", false},
                 {ReportDocument::Table, u"嵌岩桩计算书(依据DBJ52T045-2018)_表格.pdf", true}};
    for (const auto& form : forms) {
        ASSERT_EQ(window->Log().Shown(), form.form);
        proposals.clear();
        answer = out.filePath(QString::fromStdU16String(form.name));
        Action("act_ExportPdf")->trigger();
        EXPECT_EQ(proposals,
                  QStringList{QDir(Documents()).filePath(QString::fromStdU16String(form.name))});
        EXPECT_TRUE(messages.empty());

        const std::string path = answer.toStdString();
        const std::vector<rokal::test::PdfPageSize> sizes = rokal::test::PdfPageSizes(path);
        ASSERT_FALSE(sizes.empty());
        EXPECT_EQ(sizes.front().width > sizes.front().height, form.landscape);
        rokal::Lines body;
        for (const rokal::Lines& page : rokal::test::PdfPageLines(path)) {
            const rokal::Lines lines = BodyOf(page);
            body.insert(body.end(), lines.begin(), lines.end());
        }
        EXPECT_EQ(body, ShownLines());
        Click(w().cbt_PageBook);
    }
    // Exporting is no save of the text file.
    EXPECT_TRUE(w().cbt_Save->isEnabled());
}

TEST_F(PrintWindowTest, ACancelledExportWritesNothing) {
    ShowResults();
    answer.clear();
    Action("act_ExportPdf")->trigger();
    EXPECT_EQ(proposals.size(), 1);
    EXPECT_TRUE(QDir(out.path()).isEmpty());
    EXPECT_TRUE(messages.empty());
}

// A PDF that cannot be written is reported and leaves the earlier file as it was.
TEST_F(PrintWindowTest, AFailedExportSaysWhyAndKeepsTheEarlierFile) {
    ShowResults();
    answer = out.filePath(QStringLiteral("earlier.pdf"));
    {
        QFile earlier(answer);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.setPermissions(QFileDevice::ReadOwner);
    }
    Action("act_ExportPdf")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().kind, rokal::MessageKind::Error);
    EXPECT_TRUE(messages.front().text.contains(QDir::toNativeSeparators(answer)))
        << messages.front().text.toStdString();
    QFile earlier(answer);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));

    messages.clear();
    answer = out.filePath(QStringLiteral("no such folder/book.pdf"));
    Action("act_ExportPdf")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages.front().text.contains(QDir::toNativeSeparators(answer)))
        << messages.front().text.toStdString();
}

// Ctrl+P prints and Ctrl+Shift+P previews the form shown, while the result layer is up.
TEST_F(PrintWindowTest, TheShortcutsPrintAndPreviewTheShownForm) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Compute();
    PressOnWindow(QKeySequence(Qt::CTRL | Qt::Key_P));
    PressOnWindow(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    EXPECT_EQ(printAsked + previewShown, 0) << "the input layer has no printing";

    Click(w().cbt_View);
    Click(w().cbt_PageBook);
    PressOnWindow(QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(printAsked, 1);
    std::vector<rokal::test::PdfPageSize> sizes =
        rokal::test::PdfPageSizes(PrinterFile().toStdString());
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_GT(sizes.front().width, sizes.front().height);
    EXPECT_EQ(BodyOf(rokal::test::PdfPageLines(PrinterFile().toStdString()).front()), ShownLines());

    Click(w().cbt_PageBook);
    QFile::remove(PrinterFile());
    PressOnWindow(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    EXPECT_EQ(previewShown, 1);
    sizes = rokal::test::PdfPageSizes(PrinterFile().toStdString());
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_LT(sizes.front().width, sizes.front().height);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintWindowTest, ACancelledPrintPaintsNothing) {
    ShowResults();
    printAccepted = false;
    Action("act_Print")->trigger();
    EXPECT_EQ(printAsked, 1);
    EXPECT_FALSE(QFile::exists(PrinterFile()));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
