#include "docx/WordXml.h"

#include <sstream>

#include "report/CodePage.h"

namespace rokal::docx {

std::string XmlText(std::u16string_view text) {
    std::u16string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            kept += c;
            kept += text[++i];
            continue;
        }
        if (high || low || (c < 0x20 && c != u'\t' && c != u'\n') || c == 0xFFFE || c == 0xFFFF) {
            continue;
        }
        kept += c;
    }
    return Utf16ToUtf8(kept);
}

std::string Serialise(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    return out.str();
}

pugi::xml_node WordRoot(pugi::xml_document& document, const char* name) {
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node root = document.append_child(name);
    root.append_attribute("xmlns:w") = kWordNamespace;
    root.append_attribute("xmlns:r") = kRelationshipNamespace;
    return root;
}

pugi::xml_node AddValue(pugi::xml_node parent, const char* name, const std::string& value) {
    pugi::xml_node node = parent.append_child(name);
    node.append_attribute("w:val") = value.c_str();
    return node;
}

}  // namespace rokal::docx
