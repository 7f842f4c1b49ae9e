// The Word document in a build with minizip and pugixml.
#include "cli/CalcBookOutput.h"
#include "docx/DocxBook.h"

namespace rokal {

bool DocxAvailable() {
    return true;
}

std::string DocxBookBytes(const book::Document& document) {
    return docx::DocxBytes(document);
}

}  // namespace rokal
