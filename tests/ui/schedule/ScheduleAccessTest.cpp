// The ways to the schedule window from the main window, and its life beside it.
#include <QContextMenuEvent>
#include <QMenu>

#include "tests/ui/MainWindowFixture.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"

namespace {

using ScheduleAccessTest = MainWindowTest;

TEST_F(ScheduleAccessTest, CtrlTOpensOneScheduleWindow) {
    EXPECT_EQ(w().ScheduleWindowIfAny(), nullptr);
    QTest::keyClick(&w(), Qt::Key_T, Qt::ControlModifier);
    rokal::ScheduleWindow* first = w().ScheduleWindowIfAny();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "桩表计算[*]");
    EXPECT_EQ(first->Model().RowCount(), 0);
    // Keys go to the table, not to the first box of the tool bar.
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    EXPECT_EQ(QApplication::focusWidget(), first->table);

    QTest::keyClick(&w(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(w().ScheduleWindowIfAny(), first);
}

// A right-click on a label goes on to the layer behind it, whose menu offers the
// schedule window.
TEST_F(ScheduleAccessTest, ContextMenuOfTheInputLayerOpensTheScheduleWindow) {
    for (QWidget* target : {w().MainFormLayer, static_cast<QWidget*>(w().lb_dd)}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << target->objectName().toStdString();
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions().front()->text(), "桩表计算…");
        menu->actions().front()->trigger();
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ASSERT_NE(w().ScheduleWindowIfAny(), nullptr);
    EXPECT_TRUE(w().ScheduleWindowIfAny()->isVisible());
}

TEST_F(ScheduleAccessTest, ClosingTheScheduleWindowLeavesTheMainWindowAsItWas) {
    Compute();
    w().OpenScheduleWindow();
    rokal::ScheduleWindow* schedule = w().ScheduleWindowIfAny();
    ASSERT_TRUE(schedule->close());
    EXPECT_FALSE(schedule->isVisible());
    EXPECT_TRUE(w().isVisible());
    EXPECT_EQ(w().Log().PileCount(), 1);
    EXPECT_TRUE(w().cbt_View->isVisible());
    EXPECT_EQ(w().edt_ra->text(), "8410");
    EXPECT_TRUE(messages.empty());
}

}  // namespace
