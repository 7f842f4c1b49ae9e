// The typeset calculation book in the windows: the book dialog's choices, export
// to PDF and Word, the preview, the piles of the calculator's book and
// "工程信息" remembered for the user, with the modal dialogs replaced.
#include <QLineEdit>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>

#include "report/CodePage.h"
#include "tests/print/PdfTools.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"
#include "ui/book/BookActions.h"
#include "ui/book/ProjectInfoDialog.h"
#include "ui/main/PrintDialogs.h"

namespace {

class TypesetBookWindowTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        ASSERT_TRUE(settings.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        rokal::BookDialogs dialogs;
        dialogs.choose = [this](QWidget*, rokal::BookUse use, bool canSelect) {
            uses.push_back(use);
            selectable.push_back(canSelect);
            return choice;
        };
        dialogs.path = [this](QWidget*, const QString& proposed) {
            proposals << proposed;
            return target;
        };
        previous = rokal::SetBookDialogs(dialogs);
        rokal::PrintDialogs print;
        print.preview = [this](QWidget*, QPrinter& printer,
                               const std::function<void(QPrinter&)>& paint) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(InFolder(QStringLiteral("preview.pdf")));
            paint(printer);
        };
        previousPrint = rokal::SetPrintDialogs(print);
    }
    void TearDown() override {
        rokal::SetBookDialogs(previous);
        rokal::SetPrintDialogs(previousPrint);
        ScheduleWindowTest::TearDown();
    }

    // The text of a PDF, its pages joined.
    static std::u16string PdfText(const QString& path) {
        std::u16string text;
        for (const rokal::Lines& page : rokal::test::PdfPageLines(path.toStdString())) {
            for (const std::u16string& line : page) {
                text += line + u"\n";
            }
        }
        return text;
    }
    static bool Has(const std::u16string& text, const std::u16string& part) {
        return text.find(part) != std::u16string::npos;
    }

    QTemporaryDir settings;
    std::optional<rokal::BookChoice> choice = rokal::BookChoice{};
    QString target;
    QStringList proposals;
    std::vector<rokal::BookUse> uses;
    std::vector<bool> selectable;
    rokal::BookDialogs previous;
    rokal::PrintDialogs previousPrint;
};

TEST_F(TypesetBookWindowTest, ScheduleExportsTheSelectedRowsAsPdfOrWord) {
    Open(Fixture(QStringLiteral("schedule30.csv")));
    table()->selectRow(1);
    choice->selectedOnly = true;
    target = InFolder(QStringLiteral("选中.pdf"));
    s().act_exportBook->trigger();
    ASSERT_EQ(uses, std::vector<rokal::BookUse>{rokal::BookUse::Export});
    EXPECT_EQ(selectable, std::vector<bool>{true});
    const std::u16string text = PdfText(target);
    EXPECT_TRUE(Has(text, u"\nZH2\n")) << rokal::Utf16ToUtf8(text);
    EXPECT_FALSE(Has(text, u"\nZH1\n"));
    EXPECT_TRUE(messages.empty());

    choice->selectedOnly = false;
    target = InFolder(QStringLiteral("全部.docx"));
    s().act_exportBook->trigger();
    QFile word(target);
    ASSERT_TRUE(word.open(QIODevice::ReadOnly));
    EXPECT_EQ(word.read(2), QByteArray("PK"));

    choice.reset();  // cancelled: nothing written
    target = InFolder(QStringLiteral("取消.pdf"));
    s().act_exportBook->trigger();
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(TypesetBookWindowTest, PreviewShowsTheTypesetBook) {
    Open(Fixture(QStringLiteral("schedule30.csv")));
    s().act_previewBook->trigger();
    const std::u16string text = PdfText(InFolder(QStringLiteral("preview.pdf")));
    EXPECT_TRUE(Has(text, u"1 设计依据"));
    EXPECT_TRUE(Has(text, u"2 计算结果汇总"));
}

// The calculator's book holds the piles the log holds: after "x" the newest is gone.
TEST_F(TypesetBookWindowTest, CalculatorBookFollowsTheLog) {
    Compute();
    Type(w().cbe_dd, QStringLiteral("1200"));
    Compute();
    Click(w().cbt_View);
    Click(w().cbt_sanchu);
    target = InFolder(QStringLiteral("calculator.pdf"));
    w().findChild<QAction*>(QStringLiteral("act_ExportBook"))->trigger();
    EXPECT_EQ(selectable, std::vector<bool>{false});
    const std::u16string text = PdfText(target);
    EXPECT_TRUE(Has(text, u"\nZH1\n"));
    EXPECT_FALSE(Has(text, u"ZH2"));
}

TEST_F(TypesetBookWindowTest, ProjectInfoIsRememberedAndCleaned) {
    {
        rokal::ProjectInfoDialog dialog;
        dialog.Edit(rokal::book::ProjectField::Name)->setText(QStringLiteral("  贵阳某住宅楼 "));
        dialog.Edit(rokal::book::ProjectField::CheckedBy)->setText(QStringLiteral("李四"));
        dialog.accept();
    }
    rokal::ProjectInfoDialog again;
    EXPECT_EQ(again.Edit(rokal::book::ProjectField::Name)->text(), QStringLiteral("贵阳某住宅楼"));
    EXPECT_EQ(again.Edit(rokal::book::ProjectField::CheckedBy)->text(), QStringLiteral("李四"));
    EXPECT_EQ(rokal::LoadProjectInfo().Get(rokal::book::ProjectField::Name), u"贵阳某住宅楼");

    Open(Fixture(QStringLiteral("schedule30.csv")));
    target = InFolder(QStringLiteral("project.pdf"));
    s().act_exportBook->trigger();
    const std::u16string text = PdfText(target);
    EXPECT_TRUE(Has(text, u"贵阳某住宅楼"));
    EXPECT_TRUE(Has(text, u"李四"));
}

}  // namespace
