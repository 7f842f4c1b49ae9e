// The main window's way to the schedule window: the context menu of the input
// layer, Ctrl+T, and appending a schedule's piles to the book.
#include <QAction>
#include <QComboBox>
#include <QMenu>

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

void TMPK_FRM_KELD1::OpenScheduleWindow(const std::filesystem::path& path) {
    if (!schedule_) {
        const auto mode = static_cast<rokal::PrecisionMode>(popbox_jingdu->currentIndex());
        rokal::ScheduleWindow::BookLink book;
        book.book = [this] { return &log_; };
        book.append = [this](std::vector<rokal::BookPile> piles) {
            AppendSchedule(std::move(piles));
        };
        schedule_.reset(new rokal::ScheduleWindow(std::move(book), mode));
        schedule_->GuardClosingOf(this);
        schedule_->PlaceBeside(*this);
    }
    if (!path.empty()) {
        schedule_->OpenFile(path);
    }
    schedule_->show();
    schedule_->raise();
    schedule_->activateWindow();
}

namespace {

// The pile as the typeset book takes it: its mark, inputs, results and checks.
rokal::book::BookPile TypesetPile(const rokal::BookPile& pile) {
    rokal::RowResult row;
    row.input = pile.input;
    row.pile = pile.result;
    row.raCheck = pile.raCheck;
    row.rcCheck = pile.rcCheck;
    row.socketCheck = pile.socketCheck;
    if (pile.raCheck) {
        row.nk = pile.raCheck->load;
    }
    if (pile.rcCheck) {
        row.n = pile.rcCheck->load;
    }
    return {pile.mark, std::move(row), {}, 0};
}

}  // namespace

void TMPK_FRM_KELD1::AppendSchedule(std::vector<rokal::BookPile> piles) {
    if (piles.empty()) {
        return;
    }
    KeepBookPiles();
    for (const rokal::BookPile& pile : piles) {
        bookPiles_.push_back(TypesetPile(pile));
    }
    log_.AppendPiles(std::move(piles), rokal::CalcTimeText());
    // As after "计算": the book can be looked at from here.
    cbt_View->show();
    cbt_compute->hide();
    popbox_jingdu->hide();
}
