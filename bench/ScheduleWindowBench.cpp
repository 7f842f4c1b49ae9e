// The schedule window on the offscreen platform with a 500-row schedule: what an
// edit of one cell costs, from the model through the undo stack to the repainted
// table (and the capacity chart when the edited row is the selected one).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include "ui/schedule/CapacityChart.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"

namespace {

constexpr int kRows = 500;

rokal::Schedule FiveHundredRows() {
    const char16_t* depths[] = {u"1.0d", u"1.5d", u"2000", u"2.5d", u"3d"};
    const char16_t* grades[] = {u"C25", u"C30", u"C35", u"C40"};
    const char16_t* processes[] = {u"干作业", u"泥浆护壁", u"后注浆", u"水下"};
    rokal::Schedule schedule;
    for (int i = 0; i < kRows; ++i) {
        rokal::ScheduleRow row;
        row.Cell(rokal::ScheduleColumn::D) = QString::number(800 + 200 * (i % 5)).toStdU16String();
        row.Cell(rokal::ScheduleColumn::Hr) = depths[i % 5];
        row.Cell(rokal::ScheduleColumn::Frk) = QString::number(5 + i % 40).toStdU16String();
        row.Cell(rokal::ScheduleColumn::Grade) = grades[i % 4];
        row.Cell(rokal::ScheduleColumn::Process) = processes[i % 4];
        row.Cell(rokal::ScheduleColumn::Nk) = QString::number(3000 + 97 * i).toStdU16String();
        row.Cell(rokal::ScheduleColumn::N) = QString::number(4000 + 89 * i).toStdU16String();
        schedule.rows.push_back(std::move(row));
    }
    return schedule;
}

// One window for every benchmark, shown, with 500 rows and the proposals shown.
rokal::ScheduleWindow& Window() {
    static rokal::ScheduleWindow* window = [] {
        auto* w = new rokal::ScheduleWindow({}, rokal::PrecisionMode::Units);
        w->Model().SetSchedule(FiveHundredRows());
        w->act_showProposals->setChecked(true);
        w->show();
        QApplication::processEvents();
        return w;
    }();
    return *window;
}

// Types d of a row, alternately 1000 and 1200, as the view's editor hands it over.
void EditDiameter(rokal::ScheduleWindow& window, int row, int step) {
    const QModelIndex cell = window.table->model()->index(row, 1);
    window.table->model()->setData(cell,
                                   step % 2 == 0 ? QStringLiteral("1000") : QStringLiteral("1200"));
}

// The edit alone: through the undo stack to the recomputed row and its signals.
void BM_EditCell(benchmark::State& state) {
    rokal::ScheduleWindow& window = Window();
    int step = 0;
    for (auto _ : state) {
        EditDiameter(window, 5, step++);
    }
}
BENCHMARK(BM_EditCell)->Unit(benchmark::kMicrosecond);

// The edit and the event loop's turn after it, which repaints what changed: the
// row, the status bar and, when the row is the selected one, the chart.
void EditAndRepaint(benchmark::State& state, int selectedRow) {
    rokal::ScheduleWindow& window = Window();
    window.table->setCurrentIndex(window.table->model()->index(selectedRow, 0));
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        EditDiameter(window, 5, step++);
        QApplication::processEvents();
    }
}
void BM_EditCellAndRepaint(benchmark::State& state) {
    EditAndRepaint(state, 0);
}
BENCHMARK(BM_EditCellAndRepaint)->Unit(benchmark::kMillisecond);
void BM_EditSelectedRowAndRepaintWithChart(benchmark::State& state) {
    EditAndRepaint(state, 5);
}
BENCHMARK(BM_EditSelectedRowAndRepaintWithChart)->Unit(benchmark::kMillisecond);

// The whole visible table painted anew, as after a change of the rounding.
void BM_RepaintWholeTable(benchmark::State& state) {
    rokal::ScheduleWindow& window = Window();
    for (auto _ : state) {
        window.table->viewport()->repaint();
    }
}
BENCHMARK(BM_RepaintWholeTable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
