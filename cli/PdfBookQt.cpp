// PDF books in a build with Qt: the pages are drawn by the printed-book library on
// Qt's offscreen platform, so that no display is needed.
#include "cli/OffscreenGui.h"
#include "cli/PdfBookOutput.h"
#include "cli/ScheduleRun.h"
#include "print/BookPdf.h"
#include "report/DiskSync.h"

namespace rokal {

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
