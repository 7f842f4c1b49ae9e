// The schedule window's typeset calculation book: "导出计算书…", its preview and
// printing, for the whole schedule or the selected rows, and "工程信息…".
#include "book/BookPile.h"
#include "ui/book/BookActions.h"
#include "ui/platform/Locale.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/widgets/GuardedHandler.h"

namespace rokal {

void ScheduleWindow::RunBook(int use) {
    const std::vector<int> selected = SelectedSourceRows();
    const BookPileSource piles = [this, selected](bool selectedOnly) {
        std::vector<RowDesign> designs;
        designs.reserve(static_cast<std::size_t>(model_->RowCount()));
        for (int row = 0; row < model_->RowCount(); ++row) {
            designs.push_back(model_->Design(row));
        }
        std::vector<std::size_t> rows;
        if (selectedOnly) {
            rows.assign(selected.begin(), selected.end());
        }
        return book::SchedulePiles(model_->GetSchedule(), model_->Results(), designs, rows);
    };
    RunBookUse(this, static_cast<BookUse>(use), piles, !selected.empty(), model_->Precision(),
               DecimalSeparator());
}

void ScheduleWindow::ExportBookClick() {
    RunGuarded([this] { RunBook(static_cast<int>(BookUse::Export)); });
}

void ScheduleWindow::PreviewBookClick() {
    RunGuarded([this] { RunBook(static_cast<int>(BookUse::Preview)); });
}

void ScheduleWindow::PrintBookClick() {
    RunGuarded([this] { RunBook(static_cast<int>(BookUse::Print)); });
}

void ScheduleWindow::ProjectInfoClick() {
    RunGuarded([this] { EditProjectInfo(this); });
}

}  // namespace rokal
