#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace rokal::docx {

inline constexpr const char* kWordNamespace =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* kRelationshipNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// Text as XML may hold it, in UTF-8: characters XML 1.0 forbids (control
// characters, lone surrogates, U+FFFE, U+FFFF) are left out.
std::string XmlText(std::u16string_view text);

// The document as bytes, with its XML declaration.
std::string Serialise(const pugi::xml_document& document);

// A new document whose root element has the given name and the namespaces of
// WordprocessingML.
pugi::xml_node WordRoot(pugi::xml_document& document, const char* name);

// Appends <name w:val="value"/> and returns it.
pugi::xml_node AddValue(pugi::xml_node parent, const char* name, const std::string& value);

}  // namespace rokal::docx
