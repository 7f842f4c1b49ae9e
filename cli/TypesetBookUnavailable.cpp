// The typeset book's PDF in a build without Qt: the option is refused when read.
#include "cli/CalcBookOutput.h"
#include "report/ReportFile.h"

namespace rokal {

bool TypesetPdfAvailable() {
    return false;
}

std::string TypesetPdfBytes(const book::Document&) {
    throw ReportSaveError("此版本的 rokal-cli 不能写排版的PDF");
}

}  // namespace rokal
