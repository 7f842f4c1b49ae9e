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
#include "schedule/CellText.h"
#include "schedule/ResultsCsv.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/ScheduleFile.h"
#include "ui/platform/DocumentsFolder.h"
#include "ui/platform/UserSettings.h"
#include "ui/schedule/ControlCharacterWords.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/MessageBoxes.h"

namespace rokal {
namespace {

std::filesystem::path PathOf(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// Where the folder of the last schedule file opened or saved is kept.
constexpr QLatin1StringView kLastFolderKey("schedule/lastFolder");

// The one local file a drag carries, or empty.
QString DraggedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) {
        return {};
    }
    const QUrl url = mime->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void ScheduleWindow::StartEmpty() {
    model_->SetSchedule({});
    undo_->clear();
    undo_->setClean();
    path_.clear();
    setWindowModified(false);
    UpdateTitle();
}

QString ScheduleWindow::DisplayName() const {
    return path_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(path_).fileName();
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
        const QString path = dialogs_.openPath(this, LastFolder());
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
    try {
        schedule = ReadScheduleFile(PathOf(path));
    } catch (const ScheduleFileError& error) {
        ShowMessage(MessageKind::Error, QString::fromUtf8(error.what()), this);
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
    RememberFolderOf(path_);
    setWindowModified(false);
    UpdateTitle();
    if (model_->RowCount() > 0) {
        table->MoveTo(table->model()->index(0, 0));
    }
    Report(QStringLiteral("已打开 %1，共 %2 行")
               .arg(DisplayName(), QString::number(model_->RowCount())));
    return true;
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

bool ScheduleWindow::Save() {
    return path_.isEmpty() ? SaveAs() : WriteSchedule(path_);
}

bool ScheduleWindow::SaveAs() {
    const QString suggested = path_.isEmpty() ? SuggestedPath(QStringLiteral(".csv")) : path_;
    const QString path = dialogs_.savePath(this, suggested);
    return !path.isEmpty() && WriteSchedule(path);
}

bool ScheduleWindow::WriteSchedule(const QString& path) {
    try {
        WriteFileReplacing(PathOf(path), ScheduleToCsv(model_->GetSchedule()), &SyncToDisk);
    } catch (const ReportSaveError& error) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral("桩表未能保存：%1").arg(QString::fromUtf8(error.what())), this);
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    RememberFolderOf(path_);
    undo_->setClean();
    UpdateTitle();
    Report(QStringLiteral("已保存 %1").arg(path_));
    return true;
}

bool ScheduleWindow::ExportResults() {
    const QString path = dialogs_.exportPath(this, SuggestedPath(QStringLiteral("_结果.csv")));
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
    const std::string bytes =
        ResultsToCsv(model_->GetSchedule(), model_->Results(), model_->Designs(),
                     model_->Precision(), model_->DecimalSeparator());
    try {
        WriteFileReplacing(PathOf(path), bytes, &SyncToDisk);
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
