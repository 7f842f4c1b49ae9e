// PDF books in a build with Qt: the pages are drawn by the printed-book library on
// Qt's offscreen platform, so that no display is needed.
#include <QGuiApplication>
#include <QtGlobal>
#include <memory>

#include "cli/PdfBookOutput.h"
#include "cli/ScheduleRun.h"
#include "print/BookPdf.h"
#include "report/DiskSync.h"

namespace rokal {

namespace {

// A QGuiApplication on the offscreen platform for as long as it lives, unless the
// process has one already. Qt's own notices stay off the terminal meanwhile.
class OffscreenGui {
  public:
    OffscreenGui() {
        previousHandler_ = qInstallMessageHandler(&DropMessage);
        if (QGuiApplication::instance() == nullptr) {
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    ~OffscreenGui() {
        app_.reset();
        qInstallMessageHandler(previousHandler_);
    }
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    static void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

    char name_[10] = "rokal-cli";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    int argc_ = 3;
    char* argv_[4] = {name_, option_, platform_, nullptr};
    QtMessageHandler previousHandler_ = nullptr;
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace

bool PdfBooksAvailable() {
    return true;
}

void WritePdfBook(const ScheduleRun& run, ReportDocument form, const std::filesystem::path& path) {
    const OffscreenGui gui;
    WriteBookPdf(MakePrintBook(run.log, form), path, &SyncToDisk);
}

std::string PdfBookBytes(const ScheduleRun& run, ReportDocument form) {
    const OffscreenGui gui;
    const QByteArray bytes = BookPdf(MakePrintBook(run.log, form));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace rokal
