// The Word document in a build without minizip and pugixml: the option is refused.
#include "cli/CalcBookOutput.h"
#include "report/ReportFile.h"

namespace rokal {

bool DocxAvailable() {
    return false;
}

std::string DocxBookBytes(const book::Document&) {
    throw ReportSaveError("此版本的 rokal-cli 不能写 Word 文档");
}

}  // namespace rokal
