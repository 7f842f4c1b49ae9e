#pragma once

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "engine/Formatting.h"
#include "report/ReportLog.h"
#include "schedule/RowCompute.h"
#include "schedule/ScheduleFile.h"
#include "ui/schedule/ScheduleDialogs.h"
#include "ui/schedule/SchedulePaste.h"

class QAction;
class QComboBox;
class QLabel;
class QSplitter;
class QUndoStack;

namespace rokal {

class CapacityChart;
class ScheduleEditor;
class ScheduleModel;
class ScheduleSortProxy;
class ScheduleTableView;

// The pile schedule window "桩表计算": a whole foundation in a table, with the
// results of every row beside its inputs, proposals for depth and grade, and the
// capacity curve of the selected row.
class ScheduleWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The main window's calculation book as this window reaches it.
    struct BookLink {
        // The book as it stands, to tell piles already in it; null when there is none.
        std::function<const ReportLog*()> book;
        // Appends the piles to it in one step.
        std::function<void(std::vector<BookPile>)> append;
    };

    // The window holds schedules of up to this many rows and files of up to this
    // size (100,000 rows take about 150 MB); rokal-cli takes larger ones.
    static constexpr int kMaxRows = 100000;
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
    // A paste adds columns only while the table keeps at most this many of the
    // file's other columns.
    static constexpr int kMaxKeptColumns = 1000;
    // The narrowest frame the window opens with beside the calculator: the tool
    // bar's lists, the first input columns and the chart.
    static constexpr int kMinOpeningWidth = 640;

    ScheduleWindow(BookLink book, PrecisionMode precision, QWidget* parent = nullptr);
    ~ScheduleWindow() override;

    void SetDialogs(ScheduleDialogs dialogs) { dialogs_ = std::move(dialogs); }
    // Sizes the window to the calculator's screen and puts it beside the calculator,
    // which slides toward the screen's edge where that makes room for both.
    void PlaceBeside(QWidget& calculator);
    // Asks about unsaved changes whenever `window` is about to close while this
    // window is shown, and keeps it open when the user cancels.
    void GuardClosingOf(QWidget* window);

    // Opens a schedule file after asking about unsaved changes; false when the file
    // was not opened (cancelled, or it could not be read: the user was told why).
    bool OpenFile(const std::filesystem::path& path);
    bool OpenFile(const QString& path);
    bool Save();
    bool SaveAs();
    bool ExportResults();
    // True when the schedule may be dropped: nothing unsaved, or the user saved it
    // or chose not to.
    bool MayDiscard();
    bool IsModified() const;
    // The schedule's file as the window shows it, absolute; empty before a file.
    const QString& FilePath() const { return path_; }

    ScheduleModel& Model() const { return *model_; }
    ScheduleSortProxy& Proxy() const { return *proxy_; }
    QUndoStack& UndoStack() const { return *undo_; }
    // The schedule row of a table row as shown, which sorting may change.
    int SourceRow(int viewRow) const;

    // Actions, each also carrying its name as objectName.
    QAction* act_open = nullptr;
    QAction* act_save = nullptr;
    QAction* act_saveAs = nullptr;
    QAction* act_export = nullptr;
    QAction* act_exportBook = nullptr;
    QAction* act_previewBook = nullptr;
    QAction* act_printBook = nullptr;
    QAction* act_projectInfo = nullptr;
    QAction* act_close = nullptr;
    QAction* act_undo = nullptr;
    QAction* act_redo = nullptr;
    QAction* act_cut = nullptr;
    QAction* act_copy = nullptr;
    QAction* act_paste = nullptr;
    QAction* act_clear = nullptr;
    QAction* act_fillDown = nullptr;
    QAction* act_selectRows = nullptr;
    QAction* act_selectColumns = nullptr;
    QAction* act_addRow = nullptr;
    QAction* act_deleteRows = nullptr;
    QAction* act_dropSurplus = nullptr;
    QAction* act_sortAscending = nullptr;
    QAction* act_sortDescending = nullptr;
    QAction* act_scheduleOrder = nullptr;
    QAction* act_showProposals = nullptr;
    QAction* act_takeProposals = nullptr;
    QAction* act_shortenPassing = nullptr;
    QAction* act_appendToBook = nullptr;
    // Widgets.
    ScheduleTableView* table = nullptr;
    CapacityChart* chart = nullptr;
    QComboBox* cbb_precision = nullptr;
    QComboBox* cbe_step = nullptr;
    QComboBox* cbe_minSocket = nullptr;
    QLabel* lb_summary = nullptr;
    QSplitter* splitter = nullptr;

    // Handlers of the actions.
    void OpenClick();
    void SaveClick();
    void SaveAsClick();
    void ExportClick();
    void CutClick();
    void CopyClick();
    void PasteClick();
    void ClearClick();
    void FillDownClick();
    void SelectRowsClick();
    void SelectColumnsClick();
    void AddRowClick();
    void DeleteRowsClick();
    void DropSurplusClick();
    void SortAscendingClick();
    void SortDescendingClick();
    void ScheduleOrderClick();
    void ShowProposalsToggle(bool shown);
    void TakeProposalsClick();
    void AppendToBookClick();
    // ScheduleWindowBook.cpp: the typeset calculation book.
    void ExportBookClick();
    void PreviewBookClick();
    void PrintBookClick();
    void ProjectInfoClick();
    void PrecisionChange();
    void StepChange();
    void MinSocketChange();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // ScheduleWindowLayout.cpp
    void BuildLayout();
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildTable();
    void BuildStatusBar();

    // ScheduleWindow.cpp
    void ConnectModel();
    void CurrentChanged();
    void RowsChanged(int first, int last);
    void ShowCurrentCell();
    void ShowCurve();
    void UpdateSummary();
    void UpdateTitle();
    void Report(const QString& text);
    bool RoomFor(std::size_t addedRows);
    std::vector<int> SelectedSourceRows() const;
    std::vector<int> RowsToTakeProposalsOf(QString& which) const;
    std::vector<CellChange> SelectedCells() const;
    QRect SelectedBlock() const;
    void SortByCurrentColumn(Qt::SortOrder order);

    // ScheduleWindowClipboard.cpp
    bool CopyBlock();
    std::vector<int> ShownColumnsFrom(int column) const;
    bool PlacePaste(CellBlock cells, PasteBlock& paste);

    // ScheduleWindowBook.cpp
    void RunBook(int use);

    // ScheduleWindowFiles.cpp
    QString LastFolder() const;
    void RememberFolderOf(const QString& path) const;
    bool ReadFile(const std::filesystem::path& path);
    bool ChooseSheet(const QString& fileName, const std::string& bytes, ScheduleReading& reading);
    bool WriteSchedule(const std::filesystem::path& path);
    void SetFile(const std::filesystem::path& path);
    void StartEmpty();
    QString DisplayName() const;
    QString SuggestedPath(const QString& suffix) const;

    ScheduleModel* model_ = nullptr;
    std::unique_ptr<ScheduleEditor> editor_;
    ScheduleSortProxy* proxy_ = nullptr;
    QUndoStack* undo_ = nullptr;
    BookLink book_;
    ScheduleDialogs dialogs_;
    // The file as the platform names it, byte for byte, and as the window shows it.
    std::filesystem::path file_;
    QString path_;
    // The status bar shows the current cell's error, not a word from an action.
    bool cellMessageShown_ = false;
    // The schedule was read from a workbook, which 保存 does not replace directly.
    bool pathIsForeignWorkbook_ = false;
};

}  // namespace rokal
