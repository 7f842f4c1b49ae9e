// The package's parts around the document: content types, relationships,
// properties, settings and styles.
#include "docx/WordParts.h"
#include "docx/WordXml.h"

namespace rokal::docx {

namespace {

constexpr const char* kRelationshipTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

struct ContentType {
    const char* part;
    const char* type;
};

const ContentType kOverrides[] = {
    {"/word/document.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
    {"/word/styles.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"},
    {"/word/settings.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"},
    {"/word/header1.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml"},
    {"/word/footer1.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml"},
    {"/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"},
    {"/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml"},
};

struct Relationship {
    const char* id;
    const char* type;  // after the relationship namespace, or a full URI
    const char* target;
};

pugi::xml_node Declared(pugi::xml_document& document, const char* name, const char* ns) {
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node root = document.append_child(name);
    root.append_attribute("xmlns") = ns;
    return root;
}

std::string Relationships(std::initializer_list<Relationship> relationships) {
    pugi::xml_document document;
    pugi::xml_node root = Declared(document, "Relationships",
                                   "http://schemas.openxmlformats.org/package/2006/relationships");
    for (const Relationship& item : relationships) {
        pugi::xml_node node = root.append_child("Relationship");
        node.append_attribute("Id") = item.id;
        const std::string type = item.type;
        node.append_attribute("Type") =
            (type.rfind("http", 0) == 0 ? type : kRelationshipTypes + type).c_str();
        node.append_attribute("Target") = item.target;
    }
    return Serialise(document);
}

// One style: its kind, id, name, and its paragraph and run properties in schema
// order. Sizes in half points, spacing in twentieths of a point.
struct StyleDefinition {
    const char* id;
    const char* name;
    bool heading;
    int outline;  // outline level of a heading
    int size;
    const char* eastAsiaFont;  // nullptr: the default 宋体
    const char* justification;
    int before;
    int after;
    int line;    // line spacing in 240ths of a line, 0 for the default
    int indent;  // left indent
};

const StyleDefinition kStyles[] = {
    {"Normal", "Normal", false, 0, 21, nullptr, "left", 0, 0, 0, 0},
    {"Title", "Title", false, 0, 52, "黑体", "center", 2400, 480, 0, 0},
    {"Subtitle", "Subtitle", false, 0, 24, nullptr, "center", 0, 900, 0, 0},
    {"Heading1", "heading 1", true, 0, 28, "黑体", "left", 240, 120, 0, 0},
    {"Heading2", "heading 2", true, 1, 24, "黑体", "left", 160, 60, 0, 0},
    {"Heading3", "heading 3", true, 2, 22, "黑体", "left", 200, 40, 0, 0},
    {"Formula", "Formula", false, 0, 21, nullptr, "left", 0, 0, 0, 420},
    {"Note", "Note", false, 0, 18, nullptr, "both", 60, 60, 0, 0},
    {"TableText", "Table Text", false, 0, 18, nullptr, "left", 20, 20, 240, 0},
    {"TableSmall", "Table Small", false, 0, 15, nullptr, "left", 10, 10, 240, 0},
    {"TitleField", "Title Field", false, 0, 24, nullptr, "left", 60, 60, 240, 0},
    {"Header", "header", false, 0, 18, nullptr, "left", 0, 0, 240, 0},
    {"Footer", "footer", false, 0, 18, nullptr, "center", 0, 0, 240, 0},
};

void AddStyle(pugi::xml_node styles, const StyleDefinition& definition) {
    pugi::xml_node style = styles.append_child("w:style");
    style.append_attribute("w:type") = "paragraph";
    if (std::string(definition.id) == "Normal") {
        style.append_attribute("w:default") = "1";
    }
    style.append_attribute("w:styleId") = definition.id;
    AddValue(style, "w:name", definition.name);
    if (std::string(definition.id) != "Normal") {
        AddValue(style, "w:basedOn", "Normal");
        AddValue(style, "w:next", "Normal");
    }
    style.append_child("w:qFormat");
    pugi::xml_node pPr = style.append_child("w:pPr");
    if (definition.heading) {
        pPr.append_child("w:keepNext");
        pPr.append_child("w:keepLines");
    }
    if (std::string(definition.id) == "Header") {
        pugi::xml_node border = pPr.append_child("w:pBdr").append_child("w:bottom");
        border.append_attribute("w:val") = "single";
        border.append_attribute("w:sz") = "4";
        border.append_attribute("w:space") = "1";
        border.append_attribute("w:color") = "000000";
        pugi::xml_node tab = pPr.append_child("w:tabs").append_child("w:tab");
        tab.append_attribute("w:val") = "right";
        tab.append_attribute("w:pos") = std::to_string(kTextWidth).c_str();
    }
    pugi::xml_node spacing = pPr.append_child("w:spacing");
    spacing.append_attribute("w:before") = std::to_string(definition.before).c_str();
    spacing.append_attribute("w:after") = std::to_string(definition.after).c_str();
    if (definition.line > 0) {
        spacing.append_attribute("w:line") = std::to_string(definition.line).c_str();
        spacing.append_attribute("w:lineRule") = "auto";
    }
    if (definition.indent > 0) {
        pPr.append_child("w:ind").append_attribute("w:left") =
            std::to_string(definition.indent).c_str();
    }
    AddValue(pPr, "w:jc", definition.justification);
    if (definition.heading) {
        AddValue(pPr, "w:outlineLvl", std::to_string(definition.outline));
    }
    pugi::xml_node rPr = style.append_child("w:rPr");
    if (definition.eastAsiaFont != nullptr) {
        pugi::xml_node fonts = rPr.append_child("w:rFonts");
        fonts.append_attribute("w:eastAsia") = definition.eastAsiaFont;
    }
    AddValue(rPr, "w:sz", std::to_string(definition.size));
    AddValue(rPr, "w:szCs", std::to_string(definition.size));
}

}  // namespace

std::string ContentTypesXml() {
    pugi::xml_document document;
    pugi::xml_node root =
        Declared(document, "Types", "http://schemas.openxmlformats.org/package/2006/content-types");
    const std::pair<const char*, const char*> defaults[] = {
        {"rels", "application/vnd.openxmlformats-package.relationships+xml"},
        {"xml", "application/xml"}};
    for (const auto& [extension, type] : defaults) {
        pugi::xml_node node = root.append_child("Default");
        node.append_attribute("Extension") = extension;
        node.append_attribute("ContentType") = type;
    }
    for (const ContentType& item : kOverrides) {
        pugi::xml_node node = root.append_child("Override");
        node.append_attribute("PartName") = item.part;
        node.append_attribute("ContentType") = item.type;
    }
    return Serialise(document);
}

std::string PackageRelationshipsXml() {
    return Relationships({
        {"rId1", "officeDocument", "word/document.xml"},
        {"rId2",
         "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
         "docProps/core.xml"},
        {"rId3", "extended-properties", "docProps/app.xml"},
    });
}

std::string DocumentRelationshipsXml() {
    return Relationships({
        {"rId1", "styles", "styles.xml"},
        {"rId2", "settings", "settings.xml"},
        {"rId3", "header", "header1.xml"},
        {"rId4", "footer", "footer1.xml"},
    });
}

std::string CorePropertiesXml(const book::Document& book) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node root = document.append_child("cp:coreProperties");
    root.append_attribute("xmlns:cp") =
        "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
    root.append_attribute("xmlns:dc") = "http://purl.org/dc/elements/1.1/";
    root.append_attribute("xmlns:dcterms") = "http://purl.org/dc/terms/";
    root.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    const std::u16string title =
        book.headerLeft.empty() ? book.headerRight : book.headerLeft + u" " + book.headerRight;
    root.append_child("dc:title").text() = XmlText(title).c_str();
    root.append_child("dc:creator").text() = "Rokal";
    return Serialise(document);
}

std::string AppPropertiesXml() {
    pugi::xml_document document;
    pugi::xml_node root =
        Declared(document, "Properties",
                 "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties");
    root.append_child("Application").text() = "Rokal";
    return Serialise(document);
}

std::string SettingsXml() {
    pugi::xml_document document;
    pugi::xml_node root = WordRoot(document, "w:settings");
    root.append_child("w:zoom").append_attribute("w:percent") = "100";
    AddValue(root, "w:defaultTabStop", "420");
    AddValue(root, "w:characterSpacingControl", "compressPunctuation");
    pugi::xml_node setting = root.append_child("w:compat").append_child("w:compatSetting");
    setting.append_attribute("w:name") = "compatibilityMode";
    setting.append_attribute("w:uri") = "http://schemas.microsoft.com/office/word";
    setting.append_attribute("w:val") = "15";
    return Serialise(document);
}

std::string StylesXml() {
    pugi::xml_document document;
    pugi::xml_node root = WordRoot(document, "w:styles");
    pugi::xml_node defaults = root.append_child("w:docDefaults");
    pugi::xml_node rPr = defaults.append_child("w:rPrDefault").append_child("w:rPr");
    pugi::xml_node fonts = rPr.append_child("w:rFonts");
    fonts.append_attribute("w:ascii") = "Times New Roman";
    fonts.append_attribute("w:eastAsia") = "宋体";
    fonts.append_attribute("w:hAnsi") = "Times New Roman";
    fonts.append_attribute("w:cs") = "Times New Roman";
    AddValue(rPr, "w:kern", "2");
    AddValue(rPr, "w:sz", "21");
    AddValue(rPr, "w:szCs", "21");
    pugi::xml_node lang = rPr.append_child("w:lang");
    lang.append_attribute("w:val") = "en-US";
    lang.append_attribute("w:eastAsia") = "zh-CN";
    lang.append_attribute("w:bidi") = "ar-SA";
    pugi::xml_node spacing =
        defaults.append_child("w:pPrDefault").append_child("w:pPr").append_child("w:spacing");
    spacing.append_attribute("w:after") = "0";
    spacing.append_attribute("w:line") = "312";
    spacing.append_attribute("w:lineRule") = "auto";
    for (const StyleDefinition& definition : kStyles) {
        AddStyle(root, definition);
    }
    return Serialise(document);
}

}  // namespace rokal::docx
