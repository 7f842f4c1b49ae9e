#pragma once

#include <cstdint>
#include <string_view>

#include "workbook/PackageParts.h"

namespace rokal {

// The attributes of an element as expat gives them: name, value, name, value, …,
// a null pointer last.
class XmlAttributes {
  public:
    explicit XmlAttributes(const char** pairs) : pairs_(pairs) {}
    // The value of the attribute whose local name (after any namespace prefix) is
    // name, or nullptr.
    const char* Find(std::string_view name) const;

  private:
    const char** pairs_;
};

// What an XML part holds, element by element, in document order. Names are
// local names: without a namespace prefix, so that "x:row" and "row" are the
// same (a workbook's parts never use one name in two namespaces).
class XmlHandler {
  public:
    virtual ~XmlHandler() = default;
    virtual void Start(std::string_view name, const XmlAttributes& attributes) = 0;
    virtual void End(std::string_view name) = 0;
    // Character data, possibly in several pieces.
    virtual void Text(std::string_view text) = 0;
    // True once the handler has seen what it needs: reading stops.
    virtual bool Done() const { return false; }
};

// Streams a part of the package through expat into handler, never holding the
// whole part. A part that is not well-formed XML, or that declares a DTD, is a
// WorkbookError naming the part; so is a part above maxBytes.
void ParseXmlPart(const PackageParts& parts, std::string_view name, std::uint64_t maxBytes,
                  XmlHandler& handler);

}  // namespace rokal
