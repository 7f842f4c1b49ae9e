#include "workbook/SharedStrings.h"

#include "workbook/XlsxPackage.h"
#include "workbook/XlsxText.h"
#include "workbook/XmlParts.h"

namespace rokal {

namespace {

// "<si>" holds "<t>" or runs "<r><t>"; "<rPh><t>" is a phonetic guide.
class SharedStringsHandler : public XmlHandler {
  public:
    void Start(std::string_view name, const XmlAttributes&) override {
        if (name == "si") {
            current_.clear();
            phoneticDepth_ = 0;
        } else if (name == "rPh") {
            ++phoneticDepth_;
        } else if (name == "t") {
            inText_ = phoneticDepth_ == 0;
        }
    }
    void End(std::string_view name) override {
        if (name == "si") {
            texts.push_back(UnescapeCellText(current_));
        } else if (name == "rPh") {
            --phoneticDepth_;
        } else if (name == "t") {
            inText_ = false;
        }
    }
    void Text(std::string_view text) override {
        if (inText_) {
            current_ += text;
        }
    }

    std::vector<std::string> texts;

  private:
    std::string current_;
    int phoneticDepth_ = 0;
    bool inText_ = false;
};

}  // namespace

std::vector<std::string> ReadSharedStrings(const PackageParts& parts, const std::string& part) {
    if (part.empty()) {
        return {};
    }
    SharedStringsHandler handler;
    ParseXmlPart(parts, part, kMaxSheetPartBytes, handler);
    return std::move(handler.texts);
}

}  // namespace rokal
