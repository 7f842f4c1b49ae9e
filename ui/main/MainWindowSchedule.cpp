// The main window's way to the schedule window: the context menu of the input
// layer, Ctrl+T, and appending a schedule's piles to the book.
#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "schedule/ScheduleBooks.h"
#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/platform/Locale.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/RoundedButton.h"

using rokal::RunGuarded;

void TMPK_FRM_KELD1::BuildScheduleAccess() {
    auto* open = new QAction(QStringLiteral("桩表计算…"), this);
    open->setObjectName(QStringLiteral("act_zhuangbiao"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    open->setShortcutContext(Qt::WindowShortcut);
    connect(open, &QAction::triggered, this,
            [this] { RunGuarded([this] { OpenScheduleWindow(); }); });
    addAction(open);

    // Right-click on the input layer's background (or on a label or group box,
    // which leave the click to it); the inputs keep their own edit menus.
    MainFormLayer->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MainFormLayer, &QWidget::customContextMenuRequested, this,
            [this, open](const QPoint& at) {
                // Without a parent: a popup would take the window's gradient.
                auto* menu = new QMenu();
                menu->setObjectName(QStringLiteral("pop_zhuangbiao"));
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->addAction(open);
                menu->popup(MainFormLayer->mapToGlobal(at));
            });
}

void TMPK_FRM_KELD1::OpenScheduleWindow(const QString& path) {
    if (!schedule_) {
        const auto mode = static_cast<rokal::PrecisionMode>(popbox_jingdu->currentIndex());
        schedule_.reset(new rokal::ScheduleWindow(
            [this](const std::vector<rokal::RowResult>& rows, rokal::PrecisionMode rounding) {
                return AppendSchedule(rows, rounding);
            },
            mode));
        schedule_->GuardClosingOf(this);
        schedule_->PlaceBeside(*this);
    }
    if (!path.isEmpty()) {
        schedule_->OpenFile(path);
    }
    schedule_->show();
    schedule_->raise();
    schedule_->activateWindow();
}

int TMPK_FRM_KELD1::AppendSchedule(const std::vector<rokal::RowResult>& rows,
                                   rokal::PrecisionMode mode) {
    const int before = log_.PileCount();
    const int appended = rokal::AppendScheduleToLog(log_, rows, mode, rokal::CalcTimeText(),
                                                    rokal::DecimalSeparator());
    int n = before;
    for (const rokal::RowResult& row : rows) {
        if (row.Computed()) {
            bookPiles_.push_back({rokal::PileNumberText(++n), row, {}, 0});
        }
    }
    KeepBookPiles();
    if (appended > 0) {
        // As after "计算": the book can be looked at from here.
        cbt_View->show();
        cbt_compute->hide();
        popbox_jingdu->hide();
    }
    return appended;
}
