// The result layer of the main window: the report views' state, the text size,
// the page toggle, delete-last and saving.
#include <QLabel>
#include <QSlider>
#include <filesystem>

#include "report/ReportFile.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/widgets/MessageBoxes.h"
#include "report/CodePage.h"
#include "report/DiskSync.h"
#include "ui/platform/DocumentsFolder.h"
#include "ui/widgets/ReportView.h"
#include "ui/widgets/RoundedButton.h"

using rokal::RunGuarded;

void TMPK_FRM_KELD1::ApplyLogState() {
    cbt_Save->setEnabled(log_.SaveEnabled());
    cbt_sanchu->setEnabled(log_.DeleteEnabled());
    cbt_PageBook->setText(QString::fromStdU16String(log_.PageCaption()));
    const bool textShown = log_.Shown() == rokal::ReportDocument::Text;
    meo_jisuanjieguo_Doc->setVisible(textShown);
    meo_jisuanjieguo_Xls->setVisible(!textShown);
    UpdatePrintActions();
}

void TMPK_FRM_KELD1::tcb_meoFontSizeChange() {
    RunGuarded([this] {
        SetReportTextSize(static_cast<double>(tcb_meoFontSize->value()) / kFontSizeSteps);
    });
}

void TMPK_FRM_KELD1::SetReportTextSize(double pixels) {
    meo_jisuanjieguo_Xls->SetTextSize(pixels);
    meo_jisuanjieguo_Doc->SetTextSize(pixels);
}

void TMPK_FRM_KELD1::cbt_PageBookClick() {
    RunGuarded([this] { log_.ShowOtherReport(); });
}

void TMPK_FRM_KELD1::cbt_sanchuClick() {
    RunGuarded([this] {
        log_.DeleteLastPile();
        KeepBookPiles();
    });
}

void TMPK_FRM_KELD1::cbt_SaveClick() {
    RunGuarded([this] { SaveShownReport(); });
}

void TMPK_FRM_KELD1::SaveShownReport() {
    rokal::PermissionService::Instance().RequestPermissions(
        {FPermissionWriteExternalStorage},
        [this](const QStringList& permissions,
               const std::vector<rokal::PermissionStatus>& statuses) {
            SaveReportPermissionResult(permissions, statuses);
        },
        [this](const QStringList& permissions, const std::function<void()>& next) {
            DisplayRationale(permissions, next);
        });
}

void TMPK_FRM_KELD1::SaveReportPermissionResult(
    const QStringList& /*permissions*/, const std::vector<rokal::PermissionStatus>& statuses) {
    RunGuarded([&] {
        if (statuses.size() != 1 || statuses.front() != rokal::PermissionStatus::Granted) {
            rokal::ShowMessage(rokal::MessageKind::Information, QStringLiteral("无权存盘"), this);
            return;
        }
        SaveShownDocument();
    });
}

void TMPK_FRM_KELD1::SaveShownDocument() {
    const QString folder = rokal::DocumentsFolder();
    if (folder.isEmpty()) {
        // Never fall back to the root folder of the disk.
        throw rokal::ReportSaveError("找不到文档文件夹，计算书未能存盘");
    }
    rokal::WriteShownReport(log_, std::filesystem::path(folder.toStdU16String()),
                            &rokal::EncodeToSystemCodePage, &rokal::SyncToDisk);
}

void TMPK_FRM_KELD1::DisplayRationale(const QStringList& permissions,
                                      const std::function<void()>& next) {
    RunGuarded([&] {
        QString message;
        for (const QString& permission : permissions) {
            if (permission == FPermissionWriteExternalStorage) {
                message += QStringLiteral("需要存贮权限，否则计算结果不能存盘");
            }
        }
        rokal::ShowMessage(rokal::MessageKind::Information, message, this);
        next();
    });
}
