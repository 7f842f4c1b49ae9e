// The typeset book's PDF in a build without Qt: the option is refused when read.
#include "cli/CalcBookOutput.h"
#include "report/ReportFile.h"

namespace rokal {

bool TypesetPdfAvailable() {
    return false;
}

void WriteTypesetPdfFile(const book::Document&, const std::filesystem::path& path) {
    throw ReportSaveError("此版本的 rokal-cli 不能写排版的PDF，" + path.u8string() + " 未写入");
}

}  // namespace rokal
