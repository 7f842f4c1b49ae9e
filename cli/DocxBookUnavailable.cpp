// The Word document in a build without minizip and pugixml: the option is refused.
#include "cli/CalcBookOutput.h"
#include "report/ReportFile.h"

namespace rokal {

bool DocxAvailable() {
    return false;
}

void WriteDocxFile(const book::Document&, const std::filesystem::path& path) {
    throw ReportSaveError("此版本的 rokal-cli 不能写 Word 文档，" + path.u8string() + " 未写入");
}

}  // namespace rokal
