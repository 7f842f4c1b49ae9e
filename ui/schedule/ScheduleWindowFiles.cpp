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
#include "ui/platform/LocalPaths.h"
#include "ui/platform/UserSettings.h"
#include "ui/schedule/ControlCharacterWords.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/MessageBoxes.h"
#include "workbook/WorkbookError.h"

namespace rokal {
namespace {

// Where the folder of the last schedule file opened or saved is kept.
constexpr QLatin1StringView kLastFolderKey("schedule/lastFolder");

// The one local file a drag carries, byte for byte, or empty.
std::filesystem::path DraggedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) {
        return {};
    }
    return LocalPathOfUrl(mime->urls().front());
}

// "桩径、嵌岩深度已由 m 换算为 mm；Nk 已由 MN 换算为 kN", or empty.
QString ConversionsText(const std::vector<ConvertedColumn>& columns) {
    QStringList groups;
    std::vector<bool> told(columns.size(), false);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (told[i]) {
            continue;
        }
        QStringList names;
        for (std::size_t j = i; j < columns.size(); ++j) {
            if (columns[j].fileUnit == columns[i].fileUnit &&
                columns[j].programUnit == columns[i].programUnit) {
                names << QString::fromStdU16String(ScheduleColumnName(columns[j].column));
                told[j] = true;
            }
        }
        groups << QStringLiteral("%1 已由 %2 换算为 %3")
                      .arg(names.join(QStringLiteral("、")),
                           QString::fromStdU16String(columns[i].fileUnit),
                           QString::fromStdU16String(columns[i].programUnit));
    }
    return groups.join(QStringLiteral("；"));
}

bool IsXlsxPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("xlsx"), Qt::CaseInsensitive) == 0;
}

bool IsXlsxPath(const std::filesystem::path& path) {
    return IsXlsxPath(PathText(path.filename()));
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
void WriteMadeFile(const std::filesystem::path& path, Make make) {
    std::string bytes;
    try {
        bytes = make();
    } catch (const WorkbookError& error) {
        throw ReportSaveError("无法保存文件 " + ShownPath(path) + ": " + error.what());
    }
    WriteFileReplacing(path, bytes, &SyncToDisk);
}

}  // namespace

void ScheduleWindow::StartEmpty() {
    model_->SetSchedule({});
    undo_->clear();
    undo_->setClean();
    SetFile({});
    pathIsForeignWorkbook_ = false;
    setWindowModified(false);
    UpdateTitle();
}

void ScheduleWindow::SetFile(const std::filesystem::path& path) {
    std::error_code ignored;
    file_ = path.empty() ? path : std::filesystem::absolute(path, ignored).lexically_normal();
    path_ = file_.empty() ? QString() : PathText(file_);
}

QString ScheduleWindow::DisplayName() const {
    return file_.empty() ? QStringLiteral("未命名") : PathText(file_.filename());
}

// The folder of the last schedule file opened or saved, as long as it is there;
// else the Documents folder.
QString ScheduleWindow::LastFolder() const {
    const QString folder = UserSettings().value(kLastFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : DocumentsFolder();
}

void ScheduleWindow::RememberFolderOf(const QString& path) const {
    UserSettings().setValue(kLastFolderKey, QFileInfo(path).absolutePath());
}

// A path in the schedule's folder (or the last folder used) named after the
// schedule, with the suffix in place of its extension.
QString ScheduleWindow::SuggestedPath(const QString& suffix) const {
    if (path_.isEmpty()) {
        return QDir(LastFolder()).filePath(QStringLiteral("桩表") + suffix);
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
        const QUrl url = dialogs_.openFile(this, LastFolder());
        if (!url.isEmpty()) {
            ReadFile(LocalPathOfUrl(url));
        }
    });
}

bool ScheduleWindow::OpenFile(const std::filesystem::path& path) {
    bool opened = false;
    RunGuarded([&] { opened = MayDiscard() && ReadFile(path); });
    return opened;
}

bool ScheduleWindow::OpenFile(const QString& path) {
    return OpenFile(LocalPath(path));
}

// Reads the file as it is opened, a regular file of at most kMaxFileBytes, so that
// a pipe or a device is refused before the window waits on it.
bool ScheduleWindow::ReadFile(const std::filesystem::path& path) {
    const QString name = PathText(path.filename());
    Schedule schedule;
    bool workbook = false;
    try {
        ScheduleReading reading;
        reading.decimalSeparator = model_->DecimalSeparator();
        reading.maxFileBytes = kMaxFileBytes;
        std::string bytes = ReadScheduleBytes(path, reading);
        workbook = IsWorkbookBytes(bytes);
        if (workbook && !ChooseSheet(name, bytes, reading)) {
            return false;
        }
        schedule = ParseScheduleBytes(std::move(bytes), reading);
    } catch (const ScheduleFileError& error) {
        const bool tooLarge = error.WhyRefused() == ScheduleFileError::Reason::TooLarge;
        const std::string what = error.what();
        const std::string named = ShownPath(path);
        ShowMessage(
            MessageKind::Error,
            tooLarge
                ? QStringLiteral("“%1”超过 %2 MB，桩表计算窗口不能打开。更大的桩表请用 "
                                 "rokal-cli 计算。")
                      .arg(name, QString::number(kMaxFileBytes / (1024 * 1024)))
                : QString::fromStdString(what.rfind(named, 0) == 0 ? what : named + "：" + what),
            this);
        return false;
    }
    if (const auto place = FindControlCharacter(schedule)) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("“%1”：%2").arg(name, ControlCharacterInFile(*place)), this);
        return false;
    }
    if (schedule.rows.size() > static_cast<std::size_t>(kMaxRows)) {
        ShowMessage(
            MessageKind::Error,
            QStringLiteral("“%1”有 %2 行，桩表计算窗口最多 %3 行。更大的桩表请用 "
                           "rokal-cli 计算。")
                .arg(name, QString::number(schedule.rows.size()), QString::number(kMaxRows)),
            this);
        return false;
    }
    const QString conversions = ConversionsText(schedule.convertedColumns);
    model_->SetSchedule(std::move(schedule));
    undo_->clear();
    undo_->setClean();
    SetFile(path);
    pathIsForeignWorkbook_ = workbook;
    RememberFolderOf(path_);
    setWindowModified(false);
    UpdateTitle();
    if (model_->RowCount() > 0) {
        table->MoveTo(table->model()->index(0, 0));
    }
    QString opened = QStringLiteral("已打开 %1，共 %2 行")
                         .arg(DisplayName(), QString::number(model_->RowCount()));
    if (!conversions.isEmpty()) {
        opened += QStringLiteral("；") + conversions;
    }
    Report(opened);
    return true;
}

// The sheet to read when more than one sheet of the workbook holds a schedule;
// false when the user cancelled.
bool ScheduleWindow::ChooseSheet(const QString& fileName, const std::string& bytes,
                                 ScheduleReading& options) {
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
    return file_.empty() || pathIsForeignWorkbook_ ? SaveAs() : WriteSchedule(file_);
}

bool ScheduleWindow::SaveAs() {
    const QString suggested = path_.isEmpty() ? SuggestedPath(QStringLiteral(".csv")) : path_;
    const QString path = dialogs_.savePath(this, suggested);
    return !path.isEmpty() && WriteSchedule(LocalPath(path));
}

bool ScheduleWindow::WriteSchedule(const std::filesystem::path& path) {
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
    SetFile(path);
    pathIsForeignWorkbook_ = false;
    RememberFolderOf(path_);
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
    const std::filesystem::path target = LocalPath(path);
    if (!file_.empty() && IsSameFile(target, file_)) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("计算结果不能导出到打开的桩表文件“%1”本身，未做任何写入。"
                                   "请另选一个文件名。")
                        .arg(QDir::toNativeSeparators(path_)),
                    this);
        return false;
    }
    try {
        WriteMadeFile(target, [&] {
            const ScheduleModel& m = *model_;
            return IsXlsxPath(target) ? ResultsToXlsx(m.GetSchedule(), m.Results(), m.Designs(),
                                                      m.Precision(), m.DecimalSeparator(), m.Step(),
                                                      CurrentCalcTimeText(), m.MinimumSocket())
                                      : ResultsToCsv(m.GetSchedule(), m.Results(), m.Designs(),
                                                     m.Precision(), m.DecimalSeparator());
        });
    } catch (const ReportSaveError& error) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("计算结果未能导出：%1").arg(QString::fromUtf8(error.what())),
                    this);
        return false;
    }
    RememberFolderOf(path);
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
    if (!DraggedFile(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void ScheduleWindow::dropEvent(QDropEvent* event) {
    const std::filesystem::path path = DraggedFile(event->mimeData());
    if (path.empty()) {
        return;
    }
    event->acceptProposedAction();
    OpenFile(path);
}

}  // namespace rokal
