#include "workbook/XmlParts.h"

#include <expat.h>

#include <climits>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "workbook/WorkbookError.h"

namespace rokal {

namespace {

// A name without its namespace prefix: "x:row" is "row". Expat reads the names
// as written, without resolving namespaces, which would make every name a long
// URI to compare.
std::string_view LocalName(const char* name) {
    const char* local = std::strchr(name, ':');
    return local != nullptr ? std::string_view(local + 1) : std::string_view(name);
}

// The parse of one part: expat's callbacks into the handler. An exception thrown
// by the handler stops expat and is thrown again once expat has returned.
class XmlParse {
  public:
    XmlParse(std::string_view part, XmlHandler& handler)
        : part_(part), handler_(handler), parser_(XML_ParserCreate(nullptr)) {
        if (!parser_) {
            throw std::bad_alloc();
        }
        XML_SetUserData(parser_.get(), this);
        XML_SetElementHandler(parser_.get(), &OnStart, &OnEnd);
        XML_SetCharacterDataHandler(parser_.get(), &OnText);
        XML_SetStartDoctypeDeclHandler(parser_.get(), &OnDoctype);
    }

    // Parses one piece; false when the handler is done and reading may stop.
    bool Feed(std::string_view piece, bool last) {
        if (piece.size() > static_cast<std::size_t>(INT_MAX)) {
            Fail("过大");
        }
        const XML_Status status =
            XML_Parse(parser_.get(), piece.data(), static_cast<int>(piece.size()), last);
        if (pending_) {
            std::rethrow_exception(pending_);
        }
        if (stopped_) {
            return false;
        }
        if (status != XML_STATUS_OK) {
            Fail(XML_ErrorString(XML_GetErrorCode(parser_.get())));
        }
        return true;
    }
    bool Stopped() const { return stopped_; }

  private:
    struct ParserFree {
        void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
    };

    [[noreturn]] void Fail(const std::string& reason) const {
        throw WorkbookError("工作簿已损坏：" + part_ + " 第" +
                            std::to_string(XML_GetCurrentLineNumber(parser_.get())) +
                            "行不是正确的 XML（" + reason + "）");
    }

    template <typename Call>
    static void Guarded(void* data, Call call) {
        auto* self = static_cast<XmlParse*>(data);
        if (self->pending_ || self->stopped_) {
            return;
        }
        try {
            call(*self);
        } catch (...) {
            self->pending_ = std::current_exception();
            XML_StopParser(self->parser_.get(), XML_FALSE);
            return;
        }
        if (self->handler_.Done()) {
            self->stopped_ = true;
            XML_StopParser(self->parser_.get(), XML_FALSE);
        }
    }

    static void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
        Guarded(data, [&](XmlParse& self) {
            self.handler_.Start(LocalName(name), XmlAttributes(attributes));
        });
    }
    static void XMLCALL OnEnd(void* data, const XML_Char* name) {
        Guarded(data, [&](XmlParse& self) { self.handler_.End(LocalName(name)); });
    }
    static void XMLCALL OnText(void* data, const XML_Char* text, int length) {
        Guarded(data, [&](XmlParse& self) {
            self.handler_.Text(std::string_view(text, static_cast<std::size_t>(length)));
        });
    }
    static void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                                  int) {
        Guarded(data, [](XmlParse& self) { self.Fail("含有 DTD"); });
    }

    std::string part_;
    XmlHandler& handler_;
    std::unique_ptr<XML_ParserStruct, ParserFree> parser_;
    std::exception_ptr pending_;
    bool stopped_ = false;
};

}  // namespace

const char* XmlAttributes::Find(std::string_view name) const {
    for (const char** pair = pairs_; pair != nullptr && pair[0] != nullptr; pair += 2) {
        if (LocalName(pair[0]) == name && std::strncmp(pair[0], "xmlns", 5) != 0) {
            return pair[1];
        }
    }
    return nullptr;
}

void ParseXmlPart(const PackageParts& parts, std::string_view name, std::uint64_t maxBytes,
                  XmlHandler& handler) {
    XmlParse parse(name, handler);
    parts.Read(name, maxBytes, [&](std::string_view piece) { return parse.Feed(piece, false); });
    if (!parse.Stopped()) {
        parse.Feed({}, true);
    }
}

}  // namespace rokal
