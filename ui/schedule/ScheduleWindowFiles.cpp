// The schedule window's files: open, save, export, drag and drop, and the
// question before unsaved changes would be lost.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QStatusBar>
#include <QUndoStack>
#include <filesystem>

#include "report/DiskSync.h"
#include "report/ReportFile.h"
#include "report/SameFile.h"
#include "schedule/CalcTime.h"
#include "schedule/CellText.h"
#include "schedule/ResultsCsv.h"
#include "schedule/ResultsXlsx.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleWorkbook.h"
#include "schedule/ScheduleXlsx.h"
#include "ui/platform/DocumentsFolder.h"
#include "ui/schedule/ControlCharacterWords.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/MessageBoxes.h"
#include "workbook/WorkbookError.h"

namespace rokal {
namespace {

std::filesystem::path PathOf(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// The one local file a drag carries, or empty.
QString DraggedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) {
        return {};
    }
    const QUrl url = mime->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

bool IsXlsxPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("xlsx"), Qt::CaseInsensitive) == 0;
}

QStringList QtStrings(const std::vector<std::u16string>& texts) {
    QStringList list;
    for (const std::u16string& text : texts) {
        list << QString::fromStdU16String(text);
    }
    return list;
}

// Writes bytes made by make to path, whole or not at all; throws ReportSaveError
// naming the path, also when a workbook cannot be made.
template <typename Make>
void WriteMadeFile(const QString& path, Make make) {
    std::string bytes;
    try {
        bytes = make();
    } catch (const WorkbookError& error) {
        throw ReportSaveError("无法保存文件 " + PathOf(path).u8string() + ": " + error.what());
    }
    WriteFileReplacing(PathOf(path), bytes, &SyncToDisk);
}

}  // namespace

void ScheduleWindow::StartEmpty() {
    model_->SetSchedule({});
    undo_->clear();
    undo_->setClean();
    path_.clear();
    pathIsForeignWorkbook_ = false;
    setWindowModified(false);
    UpdateTitle();
}

QString ScheduleWindow::DisplayName() const {
    return path_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(path_).fileName();
}

// A path in the schedule's folder (or the Documents folder) named after the
// schedule, with the suffix in place of its extension.
QString ScheduleWindow::SuggestedPath(const QString& suffix) const {
    if (path_.isEmpty()) {
        return QDir(DocumentsFolder()).filePath(QStringLiteral("桩表") + suffix);
    }
    const QFileInfo info(path_);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

bool ScheduleWindow::IsModified() const {
    return !undo_->isClean();
}

bool ScheduleWindow::MayDiscard() {
    if (!IsModified()) {
        return true;
    }
    switch (dialogs_.askUnsaved(this, DisplayName())) {
        case UnsavedAnswer::Save:
            return Save();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

// --- Open --------------------------------------------------------------------

void ScheduleWindow::OpenClick() {
    RunGuarded([this] {
        if (!MayDiscard()) {
            return;
        }
        const QString folder =
            path_.isEmpty() ? DocumentsFolder() : QFileInfo(path_).absolutePath();
        const QString path = dialogs_.openPath(this, folder);
        if (!path.isEmpty()) {
            ReadFile(path);
        }
    });
}

bool ScheduleWindow::OpenFile(const QString& path) {
    bool opened = false;
    RunGuarded([&] { opened = MayDiscard() && ReadFile(path); });
    return opened;
}

bool ScheduleWindow::ReadFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxFileBytes) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("“%1”超过 %2 MB，桩表计算窗口不能打开。更大的桩表请用 "
                                   "rokal-cli 计算。")
                        .arg(info.fileName(), QString::number(kMaxFileBytes / (1024 * 1024))),
                    this);
        return false;
    }
    Schedule schedule;
    bool workbook = false;
    try {
        std::string bytes = ReadScheduleBytes(PathOf(path));
        workbook = IsWorkbookBytes(bytes);
        ScheduleReadOptions options;
        options.decimalSeparator = model_->DecimalSeparator();
        if (workbook && !ChooseSheet(info.fileName(), bytes, options)) {
            return false;
        }
        schedule = ParseScheduleBytes(std::move(bytes), options);
    } catch (const ScheduleFileError& error) {
        const std::string what = error.what();
        const std::string name = PathOf(path).u8string();
        ShowMessage(MessageKind::Error,
                    QString::fromStdString(what.rfind(name, 0) == 0 ? what : name + "：" + what),
                    this);
        return false;
    }
    if (const auto place = FindControlCharacter(schedule)) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("“%1”：%2").arg(info.fileName(), ControlCharacterInFile(*place)),
                    this);
        return false;
    }
    if (schedule.rows.size() > static_cast<std::size_t>(kMaxRows)) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("“%1”有 %2 行，桩表计算窗口最多 %3 行。更大的桩表请用 "
                                   "rokal-cli 计算。")
                        .arg(info.fileName(), QString::number(schedule.rows.size()),
                             QString::number(kMaxRows)),
                    this);
        return false;
    }
    model_->SetSchedule(std::move(schedule));
    undo_->clear();
    undo_->setClean();
    path_ = QFileInfo(path).absoluteFilePath();
    pathIsForeignWorkbook_ = workbook;
    setWindowModified(false);
    UpdateTitle();
    if (model_->RowCount() > 0) {
        table->MoveTo(table->model()->index(0, 0));
    }
    Report(QStringLiteral("已打开 %1，共 %2 行")
               .arg(DisplayName(), QString::number(model_->RowCount())));
    return true;
}

// The sheet to read when more than one sheet of the workbook holds a schedule;
// false when the user cancelled.
bool ScheduleWindow::ChooseSheet(const QString& fileName, const std::string& bytes,
                                 ScheduleReadOptions& options) {
    const QStringList sheets = QtStrings(ScheduleSheetNames(bytes));
    if (sheets.size() < 2 || !dialogs_.chooseSheet) {
        return true;
    }
    const QString sheet = dialogs_.chooseSheet(this, fileName, sheets);
    options.sheet = sheet.toStdU16String();
    return !sheet.isEmpty();
}

// --- Save and export ---------------------------------------------------------

void ScheduleWindow::SaveClick() {
    RunGuarded([this] { Save(); });
}

void ScheduleWindow::SaveAsClick() {
    RunGuarded([this] { SaveAs(); });
}

void ScheduleWindow::ExportClick() {
    RunGuarded([this] { ExportResults(); });
}

// A workbook the window opened may hold more than the schedule (other sheets,
// formats, formulas) and is replaced only through 另存为….
bool ScheduleWindow::Save() {
    return path_.isEmpty() || pathIsForeignWorkbook_ ? SaveAs() : WriteSchedule(path_);
}

bool ScheduleWindow::SaveAs() {
    const QString suggested = path_.isEmpty() ? SuggestedPath(QStringLiteral(".csv")) : path_;
    const QString path = dialogs_.savePath(this, suggested);
    return !path.isEmpty() && WriteSchedule(path);
}

bool ScheduleWindow::WriteSchedule(const QString& path) {
    try {
        WriteMadeFile(path, [&] {
            return IsXlsxPath(path)
                       ? ScheduleToXlsx(model_->GetSchedule(), model_->DecimalSeparator())
                       : ScheduleToCsv(model_->GetSchedule());
        });
    } catch (const ReportSaveError& error) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("桩表未能保存：%1").arg(QString::fromUtf8(error.what())), this);
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    pathIsForeignWorkbook_ = false;
    undo_->setClean();
    UpdateTitle();
    Report(QStringLiteral("已保存 %1").arg(path_));
    return true;
}

bool ScheduleWindow::ExportResults() {
    const QString suffix =
        IsXlsxPath(path_) ? QStringLiteral("_结果.xlsx") : QStringLiteral("_结果.csv");
    const QString path = dialogs_.exportPath(this, SuggestedPath(suffix));
    if (path.isEmpty()) {
        return false;
    }
    // The results would replace the schedule they came from.
    if (!path_.isEmpty() && IsSameFile(PathOf(path), PathOf(path_))) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("计算结果不能导出到打开的桩表文件“%1”本身，未做任何写入。"
                                   "请另选一个文件名。")
                        .arg(QDir::toNativeSeparators(path_)),
                    this);
        return false;
    }
    try {
        WriteMadeFile(path, [&] {
            const ScheduleModel& m = *model_;
            return IsXlsxPath(path)
                       ? ResultsToXlsx(m.GetSchedule(), m.Results(), m.Designs(), m.Precision(),
                                       m.DecimalSeparator(), m.Step(), CurrentCalcTimeText())
                       : ResultsToCsv(m.GetSchedule(), m.Results(), m.Designs(), m.Precision(),
                                      m.DecimalSeparator());
        });
    } catch (const ReportSaveError& error) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("计算结果未能导出：%1").arg(QString::fromUtf8(error.what())),
                    this);
        return false;
    }
    Report(QStringLiteral("已导出计算结果到 %1").arg(path));
    return true;
}

// --- Closing, dragging -------------------------------------------------------

void ScheduleWindow::closeEvent(QCloseEvent* event) {
    bool discard = false;
    RunGuarded([&] { discard = MayDiscard(); });
    if (!discard) {
        event->ignore();
        return;
    }
    // A closed window forgets its schedule; the next opening starts afresh.
    StartEmpty();
    event->accept();
}

void ScheduleWindow::GuardClosingOf(QWidget* window) {
    window->installEventFilter(this);
}

bool ScheduleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched != this && isVisible()) {
        bool discard = true;
        RunGuarded([&] { discard = MayDiscard(); });
        if (!discard) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void ScheduleWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void ScheduleWindow::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    OpenFile(path);
}

}  // namespace rokal
