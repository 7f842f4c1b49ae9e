#include "workbook/XlsxPackage.h"

#include <map>

#include "workbook/WorkbookError.h"
#include "workbook/XmlParts.h"

namespace rokal {

namespace {

const char kNotWorkbook[] =
    "不是 .xlsx 工作簿（.xls、.xlsb、.ods 等文件请在电子表格中另存为 .xlsx）";

[[noreturn]] void Fail(const std::string& message) {
    throw WorkbookError(message);
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

struct Relationship {
    std::string type;
    std::string target;  // resolved part name
};

// The relationships of a part, by id: "<Relationship Id Type Target>" in its
// "_rels/<name>.rels" part. External targets are left out.
class RelationshipsHandler : public XmlHandler {
  public:
    explicit RelationshipsHandler(std::string source) : source_(std::move(source)) {}

    void Start(std::string_view name, const XmlAttributes& attributes) override {
        if (name != "Relationship") {
            return;
        }
        const char* id = attributes.Find("Id");
        const char* type = attributes.Find("Type");
        const char* target = attributes.Find("Target");
        const char* mode = attributes.Find("TargetMode");
        if (id == nullptr || type == nullptr || target == nullptr ||
            (mode != nullptr && std::string_view(mode) == "External")) {
            return;
        }
        const std::string part = ResolvePartName(source_, target);
        if (!part.empty()) {
            relationships[id] = {type, part};
        }
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}

    std::map<std::string, Relationship> relationships;

  private:
    std::string source_;
};

std::string RelationshipsPartOf(const std::string& part) {
    const std::size_t slash = part.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

std::map<std::string, Relationship> ReadRelationships(const PackageParts& parts,
                                                      const std::string& source) {
    RelationshipsHandler handler(source);
    const std::string relsPart = RelationshipsPartOf(source);
    if (parts.Has(relsPart)) {
        ParseXmlPart(parts, relsPart, kMaxSmallPartBytes, handler);
    }
    return std::move(handler.relationships);
}

// "<sheet name r:id state>" in "<sheets>", and "<workbookPr date1904>".
class WorkbookHandler : public XmlHandler {
  public:
    struct Sheet {
        std::string name;
        std::string relationship;
        bool hidden;
    };

    void Start(std::string_view name, const XmlAttributes& attributes) override {
        if (name == "sheet") {
            const char* sheetName = attributes.Find("name");
            const char* id = attributes.Find("id");
            const char* state = attributes.Find("state");
            if (sheetName != nullptr && id != nullptr) {
                sheets.push_back(
                    {sheetName, id, state != nullptr && std::string_view(state) != "visible"});
            }
        } else if (name == "workbookPr") {
            const char* date1904 = attributes.Find("date1904");
            isDate1904 = date1904 != nullptr && (std::string_view(date1904) == "1" ||
                                                 std::string_view(date1904) == "true");
        }
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}

    std::vector<Sheet> sheets;
    bool isDate1904 = false;
};

std::string FindWorkbookPart(const PackageParts& parts) {
    if (!parts.Has("_rels/.rels")) {
        Fail(kNotWorkbook);
    }
    for (const auto& [id, relationship] : ReadRelationships(parts, "")) {
        if (EndsWith(relationship.type, "/officeDocument") && parts.Has(relationship.target)) {
            return relationship.target;
        }
    }
    Fail(kNotWorkbook);
}

}  // namespace

std::string ResolvePartName(const std::string& source, const std::string& target) {
    std::vector<std::string> segments;
    std::string path = target;
    if (!target.empty() && target.front() == '/') {
        path = target.substr(1);
    } else {
        const std::size_t slash = source.rfind('/');
        path = (slash == std::string::npos ? "" : source.substr(0, slash + 1)) + target;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        end = end == std::string::npos ? path.size() : end;
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (segments.empty()) {
                return {};
            }
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string name;
    for (const std::string& segment : segments) {
        name += (name.empty() ? "" : "/") + segment;
    }
    return name;
}

WorkbookStructure ReadWorkbookStructure(const PackageParts& parts) {
    const std::string workbookPart = FindWorkbookPart(parts);
    WorkbookHandler workbook;
    ParseXmlPart(parts, workbookPart, kMaxSmallPartBytes, workbook);
    const auto relationships = ReadRelationships(parts, workbookPart);

    WorkbookStructure structure;
    structure.date1904 = workbook.isDate1904;
    for (const auto& [id, relationship] : relationships) {
        if (EndsWith(relationship.type, "/sharedStrings")) {
            structure.sharedStringsPart = relationship.target;
        } else if (EndsWith(relationship.type, "/styles")) {
            structure.stylesPart = relationship.target;
        }
    }
    for (const WorkbookHandler::Sheet& sheet : workbook.sheets) {
        const auto found = relationships.find(sheet.relationship);
        if (found != relationships.end() && EndsWith(found->second.type, "/worksheet")) {
            structure.sheets.push_back({sheet.name, found->second.target, sheet.hidden});
        }
    }
    if (structure.sheets.empty()) {
        Fail("工作簿中没有工作表");
    }
    return structure;
}

}  // namespace rokal
