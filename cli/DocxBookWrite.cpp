// The Word document in a build with minizip and pugixml.
#include "cli/CalcBookOutput.h"
#include "docx/DocxBook.h"
#include "report/DiskSync.h"

namespace rokal {

bool DocxAvailable() {
    return true;
}

void WriteDocxFile(const book::Document& document, const std::filesystem::path& path) {
    docx::WriteDocx(document, path, &SyncToDisk);
}

}  // namespace rokal
