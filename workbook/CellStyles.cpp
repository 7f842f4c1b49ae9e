#include "workbook/CellStyles.h"

#include <charconv>
#include <map>

#include "workbook/DateFormats.h"
#include "workbook/XlsxPackage.h"
#include "workbook/XmlParts.h"

namespace rokal {

namespace {

int ReadId(const char* text) {
    int id = -1;
    if (text != nullptr) {
        std::from_chars(text, text + std::char_traits<char>::length(text), id);
    }
    return id;
}

// "<numFmt numFmtId formatCode>" and the "<xf numFmtId>" of "<cellXfs>", in order.
class StylesHandler : public XmlHandler {
  public:
    void Start(std::string_view name, const XmlAttributes& attributes) override {
        if (name == "numFmt") {
            const char* code = attributes.Find("formatCode");
            codes[ReadId(attributes.Find("numFmtId"))] = code != nullptr ? code : "";
        } else if (name == "cellXfs") {
            inCellFormats_ = true;
        } else if (name == "xf" && inCellFormats_) {
            formatIds.push_back(ReadId(attributes.Find("numFmtId")));
        }
    }
    void End(std::string_view name) override {
        if (name == "cellXfs") {
            inCellFormats_ = false;
        }
    }
    void Text(std::string_view) override {}

    std::map<int, std::string> codes;
    std::vector<int> formatIds;

  private:
    bool inCellFormats_ = false;
};

}  // namespace

CellStyles::CellStyles(const PackageParts& parts, const std::string& part) {
    if (part.empty()) {
        return;
    }
    StylesHandler styles;
    ParseXmlPart(parts, part, kMaxSmallPartBytes, styles);
    dates_.reserve(styles.formatIds.size());
    for (int id : styles.formatIds) {
        const auto code = styles.codes.find(id);
        dates_.push_back(IsDateFormat(id, code != styles.codes.end() ? code->second : ""));
    }
}

}  // namespace rokal
