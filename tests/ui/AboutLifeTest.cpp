// The About window's life: created by the first "©" click, then only shown and
// hidden; hidden by a press in another window of the program.
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>

#include "tests/ui/AboutFixture.h"
#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/about/MouseLabel.h"
#include "ui/widgets/RoundedButton.h"

namespace {

// Another window of the program with a button in it.
class OtherWindowTest : public AboutTest {
  protected:
    void SetUp() override {
        AboutTest::SetUp();
        button = new QPushButton(QStringLiteral("OK"), &other);
        other.setLayout(new QVBoxLayout);
        other.layout()->addWidget(button);
        other.resize(200, 100);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        about->show();
    }

    QWidget other;
    QPushButton* button = nullptr;
};

}  // namespace

// The press hides the About window and still reaches the other window: its
// button is clicked as if the About window had not been there.
TEST_F(OtherWindowTest, PressInAnotherWindowHidesAboutAndStillReachesIt) {
    QPointer<TMPK_BRV_FRM_CopyRight> kept(about.get());
    QSignalSpy clicked(button, &QPushButton::clicked);
    pointer::Click(button);
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(kept.isNull());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(OtherWindowTest, PressesInsideTheWindowLeaveItOpen) {
    pointer::ClickAt(about.get(), Background());
    QTest::mouseDClick(about->windowHandle(), Qt::LeftButton, {}, Background());
    pointer::Click(Label("lb_mokuaiming"));
    pointer::Click(Label("img_Contact"));
    EXPECT_TRUE(about->isVisible());
}

TEST_F(OtherWindowTest, ShownAgainWithTheLabelsAsTheyWere) {
    QLabel* organisation = Label("lb_danwei");
    pointer::MoveOnto(organisation);
    pointer::MoveTo(about.get(), Background());
    const QString left = organisation->text();
    pointer::Click(button);
    ASSERT_FALSE(about->isVisible());

    about->show();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(organisation->text(), left);
    EXPECT_EQ(left, QStringLiteral("(示例岩土工程设计室)"));
}

// Closing the last other window ends the program even while the About window is
// open: the About window has no close button of its own. Qt reports the last
// window closed only from within the event loop.
TEST_F(OtherWindowTest, ClosingTheOtherWindowIsClosingTheLastWindow) {
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, &other, [this] {
        other.close();
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    EXPECT_EQ(lastClosed.count(), 1);
}

// The "©" button of the real main window.
class CopyRightButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main = std::make_unique<TMPK_FRM_KELD1>();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }

    void ClickCopyRight() { pointer::Click(main->cbt_CopyRight); }

    static int AboutWindowCount() {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            count += qobject_cast<TMPK_BRV_FRM_CopyRight*>(window) != nullptr ? 1 : 0;
        }
        return count;
    }

    ShellOpenRecorder shell;
    std::unique_ptr<TMPK_FRM_KELD1> main;
};

TEST_F(CopyRightButtonTest, FirstClickCreatesAndShowsTheWindow) {
    EXPECT_EQ(main->CopyRightWindow(), nullptr);
    EXPECT_EQ(AboutWindowCount(), 0);
    ClickCopyRight();
    ASSERT_NE(main->CopyRightWindow(), nullptr);
    EXPECT_TRUE(main->CopyRightWindow()->isVisible());
}

TEST_F(CopyRightButtonTest, SecondClickWhileShownLeavesOneWindowShown) {
    ClickCopyRight();
    TMPK_BRV_FRM_CopyRight* first = main->CopyRightWindow();
    ClickCopyRight();
    EXPECT_EQ(main->CopyRightWindow(), first);
    EXPECT_EQ(AboutWindowCount(), 1);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(CopyRightButtonTest, PressInTheMainWindowHidesItAndTheNextClickShowsTheSameWindow) {
    ClickCopyRight();
    TMPK_BRV_FRM_CopyRight* about = main->CopyRightWindow();
    pointer::MoveOnto(about->lb_danwei);
    pointer::MoveTo(about, {8, 320});
    const QString organisation = about->lb_danwei->text();

    pointer::Click(main->lb_shuoming);
    EXPECT_FALSE(about->isVisible());

    ClickCopyRight();
    EXPECT_EQ(main->CopyRightWindow(), about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->lb_danwei->text(), organisation);
    EXPECT_EQ(AboutWindowCount(), 1);
}

// The press that hides the About window also works in the main window.
TEST_F(CopyRightButtonTest, PressThatHidesTheWindowStillWorksInTheMainWindow) {
    ClickCopyRight();
    QSignalSpy clicked(main->cbt_compute, &QPushButton::clicked);
    pointer::Click(main->cbt_compute);
    EXPECT_FALSE(main->CopyRightWindow()->isVisible());
    EXPECT_EQ(clicked.count(), 1);
}
