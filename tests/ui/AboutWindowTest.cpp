// The About window's look, its hover links and what its links open.
#include <cstdlib>

#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/HostProgram.h"
#include "tests/ui/AboutFixture.h"

namespace {

const QString kOrganisationFullWidth = QStringLiteral("（示例岩土工程设计室）");
const QString kOrganisationAscii = QStringLiteral("(示例岩土工程设计室)");
const QString kOrganisationAddress = QStringLiteral("https://example.org/");

struct HoverCase {
    const char* label;
    QString hoverText;  // empty: the text stays as it is
    QString textAfterLeave;
    QColor colourAfterLeave;
};

const HoverCase kHoverCases[] = {
    {"lb_danwei", kOrganisationAddress, kOrganisationAscii, kBlack},
    {"lb_wangzhi", {}, QStringLiteral("example.org/rokal"), kBlue},
    {"lb_lianxiUr", {}, QStringLiteral("rokal@example.org"), kBlue},
};

bool HasHoverStyle(const QWidget* control) {
    return control->font().bold() && control->font().underline();
}

bool HasNoHoverStyle(const QWidget* control) {
    return !control->font().bold() && !control->font().underline();
}

}  // namespace

TEST_F(AboutTest, OpensWithTheOrganisationInFullWidthParenthesesAndLinksAtRest) {
    EXPECT_EQ(Label("lb_danwei")->text(), kOrganisationFullWidth);
    EXPECT_EQ(TextColour(Label("lb_danwei")), kBlack);
    for (const char* link : {"lb_wangzhi", "lb_lianxiUr"}) {
        EXPECT_EQ(TextColour(Label(link)), kBlue) << link;
    }
    for (const HoverCase& c : kHoverCases) {
        EXPECT_TRUE(HasNoHoverStyle(Label(c.label))) << c.label;
    }
}

// Bold and underline come and go with the pointer; an italic or struck-out font
// keeps those attributes throughout, and further moves change nothing more.
TEST_F(AboutTest, HoverAddsAndLeaveRemovesOnlyBoldAndUnderline) {
    for (const HoverCase& c : kHoverCases) {
        SCOPED_TRACE(c.label);
        QLabel* label = Label(c.label);
        QFont styled = label->font();
        styled.setItalic(true);
        styled.setStrikeOut(true);
        label->setFont(styled);
        const QString restText = label->text();

        pointer::MoveOnto(label);
        pointer::MoveTo(about.get(),
                        pointer::InWindow(label, label->rect().center() + QPoint(3, 1)));
        EXPECT_TRUE(HasHoverStyle(label));
        EXPECT_TRUE(label->font().italic());
        EXPECT_TRUE(label->font().strikeOut());
        EXPECT_EQ(TextColour(label), kRed);
        EXPECT_EQ(label->text(), c.hoverText.isEmpty() ? restText : c.hoverText);

        pointer::MoveTo(about.get(), Background());
        EXPECT_TRUE(HasNoHoverStyle(label));
        EXPECT_TRUE(label->font().italic());
        EXPECT_TRUE(label->font().strikeOut());
        EXPECT_EQ(TextColour(label), c.colourAfterLeave);
        EXPECT_EQ(label->text(), c.textAfterLeave);
    }
}

TEST_F(AboutTest, PointerGoingStraightFromOneLinkToTheNextLeavesTheFirst) {
    QLabel* web = Label("lb_wangzhi");
    QLabel* mail = Label("lb_lianxiUr");
    pointer::MoveOnto(web);
    pointer::MoveOnto(mail);
    EXPECT_TRUE(HasNoHoverStyle(web));
    EXPECT_EQ(TextColour(web), kBlue);
    EXPECT_TRUE(HasHoverStyle(mail));
}

struct LinkCase {
    const char* control;
    QString address;
};

const LinkCase kLinkCases[] = {
    {"lb_danwei", kOrganisationAddress},
    {"lb_wangzhi", QStringLiteral("https://example.org/rokal")},
    {"lb_lianxiUr", QStringLiteral("mailto:rokal@example.org")},
    {"cbt_update", QStringLiteral("https://example.org/rokal/download/rokal-update.zip")},
};

TEST_F(AboutTest, EachLinkOpensItsAddressOnceAndLeavesTheWindowOpen) {
    for (const LinkCase& c : kLinkCases) {
        SCOPED_TRACE(c.control);
        shell.opened.clear();
        auto* control = about->findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr);
        pointer::MoveOnto(control);
        pointer::Click(control);
        EXPECT_EQ(shell.opened, QStringList{c.address});
        EXPECT_TRUE(about->isVisible());
    }
}

// The web and mail links open what they show; the organisation line opens the
// address it shows while the pointer rests on it.
TEST_F(AboutTest, LinksOpenTheAddressesTheyShow) {
    const struct {
        const char* label;
        QString scheme;
    } cases[] = {{"lb_danwei", {}},
                 {"lb_wangzhi", QStringLiteral("https://")},
                 {"lb_lianxiUr", QStringLiteral("mailto:")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        shell.opened.clear();
        QLabel* link = Label(c.label);
        pointer::MoveOnto(link);
        pointer::Click(link);
        EXPECT_EQ(shell.opened, QStringList{c.scheme + link->text()});
    }
}

TEST_F(AboutTest, PressOnALinkReleasedElsewhereOpensNothing) {
    QLabel* web = Label("lb_wangzhi");
    const QPoint on = pointer::InWindow(web, web->rect().center());
    QTest::mousePress(about->windowHandle(), Qt::LeftButton, {}, on);
    QTest::mouseRelease(about->windowHandle(), Qt::LeftButton, {}, Background());
    EXPECT_TRUE(shell.opened.isEmpty());
}

// Every text is whole within its control, the links also in their bold hover look.
TEST_F(AboutTest, TextsFitTheirControls) {
    for (QLabel* label : about->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    }
    for (const HoverCase& c : kHoverCases) {
        SCOPED_TRACE(c.label);
        QLabel* label = Label(c.label);
        pointer::MoveOnto(label);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    }
}

TEST_F(AboutTest, UpdateButtonShowsItsTextOnTwoLines) {
    auto* update = about->findChild<QPushButton*>(QStringLiteral("cbt_update"));
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->text().remove(QLatin1Char('\n')), QStringLiteral("更新"));
    const QRect text =
        update->fontMetrics().boundingRect(update->rect(), Qt::AlignCenter, update->text());
    EXPECT_LE(text.width(), update->width());
    EXPECT_LE(text.height(), update->height());
}

// The background runs from salmon at the top to pale pink, reached at 0.5186 of
// the height and kept to the bottom.
TEST_F(AboutTest, BackgroundIsTheVerticalGradient) {
    const QImage picture = about->grab().toImage();
    const int x = 8;
    const int paleFrom = static_cast<int>(330 * 0.5186335444450378) + 1;
    auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
               std::abs(a.blue() - b.blue()) <= 3;
    };
    EXPECT_TRUE(near(picture.pixelColor(x, 0), QColor(0xF4, 0x8D, 0x72)));
    EXPECT_TRUE(near(picture.pixelColor(x, paleFrom), QColor(0xFE, 0xE9, 0xE9)));
    EXPECT_TRUE(near(picture.pixelColor(x, 329), QColor(0xFE, 0xE9, 0xE9)));
    const QColor halfway = picture.pixelColor(x, paleFrom / 2);
    EXPECT_GT(halfway.green(), 0x8D + 20);
    EXPECT_LT(halfway.green(), 0xE9 - 20);
    EXPECT_TRUE(near(picture.pixelColor(x, 0), picture.pixelColor(250, 0)));
}

// The contact picture, as the window shows it, is a QR code a phone can read
// and it leads to the program's web address.
TEST_F(AboutTest, ContactCodeReadsAsTheWebAddress) {
    const QString reader = QStringLiteral(ZBARIMG_EXECUTABLE);
    if (reader.isEmpty()) {
        GTEST_SKIP() << "zbarimg (package zbar-tools) is not installed";
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("code.png"));
    ASSERT_TRUE(Label("img_Contact")->grab().toImage().save(file));
    const rokal::test::HostRun read = rokal::test::RunHostProgram(
        reader, {QStringLiteral("--raw"), QStringLiteral("-q"), rokal::test::HostFileName(file)});
    ASSERT_TRUE(read.finished);
    EXPECT_EQ(QString::fromUtf8(read.standardOutput).trimmed(),
              QStringLiteral("https://example.org/rokal"));
}
