#include <gtest/gtest.h>

#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "book/CalculationBook.h"
#include "docx/DocxBook.h"
#include "docx/WordParts.h"
#include "docx/WordXml.h"
#include "tests/book/BookFixture.h"

namespace rokal::docx {
namespace {

// The order WordprocessingML's schema gives the children of the property
// elements the writer uses. Word reports a document whose children stand in
// another order as damaged and offers to repair it.
const std::map<std::string, std::vector<std::string>>& SchemaOrder() {
    static const std::map<std::string, std::vector<std::string>> order = {
        {"w:pPr",
         {"w:pStyle",
          "w:keepNext",
          "w:keepLines",
          "w:pageBreakBefore",
          "w:framePr",
          "w:widowControl",
          "w:numPr",
          "w:suppressLineNumbers",
          "w:pBdr",
          "w:shd",
          "w:tabs",
          "w:suppressAutoHyphens",
          "w:kinsoku",
          "w:wordWrap",
          "w:overflowPunct",
          "w:topLinePunct",
          "w:autoSpaceDE",
          "w:autoSpaceDN",
          "w:bidi",
          "w:adjustRightInd",
          "w:snapToGrid",
          "w:spacing",
          "w:ind",
          "w:contextualSpacing",
          "w:mirrorIndents",
          "w:suppressOverlap",
          "w:jc",
          "w:textDirection",
          "w:textAlignment",
          "w:textboxTightWrap",
          "w:outlineLvl",
          "w:divId",
          "w:cnfStyle",
          "w:rPr",
          "w:sectPr"}},
        {"w:rPr", {"w:rStyle",
                   "w:rFonts",
                   "w:b",
                   "w:bCs",
                   "w:i",
                   "w:iCs",
                   "w:caps",
                   "w:smallCaps",
                   "w:strike",
                   "w:dstrike",
                   "w:outline",
                   "w:shadow",
                   "w:emboss",
                   "w:imprint",
                   "w:noProof",
                   "w:snapToGrid",
                   "w:vanish",
                   "w:webHidden",
                   "w:color",
                   "w:spacing",
                   "w:w",
                   "w:kern",
                   "w:position",
                   "w:sz",
                   "w:szCs",
                   "w:highlight",
                   "w:u",
                   "w:effect",
                   "w:bdr",
                   "w:shd",
                   "w:fitText",
                   "w:vertAlign",
                   "w:rtl",
                   "w:cs",
                   "w:em",
                   "w:lang",
                   "w:eastAsianLayout"}},
        {"w:tblPr",
         {"w:tblStyle", "w:tblpPr", "w:tblOverlap", "w:bidiVisual", "w:tblStyleRowBandSize",
          "w:tblStyleColBandSize", "w:tblW", "w:jc", "w:tblCellSpacing", "w:tblInd", "w:tblBorders",
          "w:shd", "w:tblLayout", "w:tblCellMar", "w:tblLook"}},
        {"w:tblBorders", {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}},
        {"w:tcBorders", {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}},
        {"w:tblCellMar", {"w:top", "w:left", "w:bottom", "w:right"}},
        {"w:tcPr",
         {"w:cnfStyle", "w:tcW", "w:gridSpan", "w:hMerge", "w:vMerge", "w:tcBorders", "w:shd",
          "w:noWrap", "w:tcMar", "w:textDirection", "w:tcFitText", "w:vAlign", "w:hideMark"}},
        {"w:tbl", {"w:tblPr", "w:tblGrid", "w:tr"}},
        {"w:tc", {"w:tcPr", "w:p", "w:tbl"}},
        {"w:tr", {"w:trPr", "w:tc"}},
        {"w:sectPr",
         {"w:headerReference",
          "w:footerReference",
          "w:footnotePr",
          "w:endnotePr",
          "w:type",
          "w:pgSz",
          "w:pgMar",
          "w:paperSrc",
          "w:pgBorders",
          "w:lnNumType",
          "w:pgNumType",
          "w:cols",
          "w:formProt",
          "w:vAlign",
          "w:noEndnote",
          "w:titlePg",
          "w:textDirection",
          "w:bidi",
          "w:rtlGutter",
          "w:docGrid"}},
        {"w:style", {"w:name",          "w:aliases",
                     "w:basedOn",       "w:next",
                     "w:link",          "w:autoRedefine",
                     "w:hidden",        "w:uiPriority",
                     "w:semiHidden",    "w:unhideWhenUsed",
                     "w:qFormat",       "w:locked",
                     "w:personal",      "w:personalCompose",
                     "w:personalReply", "w:rsid",
                     "w:pPr",           "w:rPr",
                     "w:tblPr",         "w:trPr",
                     "w:tcPr",          "w:tblStylePr"}},
        {"w:settings",
         {"w:writeProtection", "w:view", "w:zoom", "w:removePersonalInformation",
          "w:defaultTabStop", "w:characterSpacingControl", "w:compat"}},
        {"w:docDefaults", {"w:rPrDefault", "w:pPrDefault"}},
        {"w:body", {"w:p", "w:tbl", "w:sectPr"}},
    };
    return order;
}

void CheckOrder(const pugi::xml_node& node, const std::string& part) {
    const auto found = SchemaOrder().find(node.name());
    if (found != SchemaOrder().end()) {
        const std::vector<std::string>& order = found->second;
        std::size_t last = 0;
        for (const pugi::xml_node& child : node.children()) {
            const auto at = std::find(order.begin(), order.end(), child.name());
            ASSERT_NE(at, order.end())
                << part << ": <" << child.name() << "> in <" << node.name() << ">";
            const auto index = static_cast<std::size_t>(at - order.begin());
            // w:p and w:tbl mix freely in a body or a cell; sectPr comes last.
            const bool content =
                child.name() == std::string("w:p") || child.name() == std::string("w:tbl");
            EXPECT_TRUE(index >= last || (content && last <= 1))
                << part << ": <" << child.name() << "> after a later sibling in <" << node.name()
                << ">";
            last = content ? std::max<std::size_t>(last, 1) : std::max(last, index);
        }
    }
    for (const pugi::xml_node& child : node.children()) {
        CheckOrder(child, part);
    }
}

TEST(DocxXml, EveryPartKeepsTheSchemaOrder) {
    const book::Document document =
        book::MakeCalculationBook(test::BookPiles(test::BookSchedule()), {}, book::BookOptions{});
    const std::pair<const char*, std::string> parts[] = {
        {"document.xml", DocumentXml(document)},
        {"styles.xml", StylesXml()},
        {"settings.xml", SettingsXml()},
        {"header1.xml", HeaderXml(document)},
        {"footer1.xml", FooterXml()},
    };
    for (const auto& [name, xml] : parts) {
        pugi::xml_document parsed;
        ASSERT_TRUE(parsed.load_string(xml.c_str())) << name;
        CheckOrder(parsed.document_element(), name);
    }
}

// Text a schedule or a pasted field may hold never makes the XML ill-formed.
TEST(DocxXml, TextLeavesOutWhatXmlForbids) {
    std::u16string text = u"ZH\u0001\u0007<1>&\"\uFFFFx\U0001F600";
    text.insert(text.find(u'x'), 1, char16_t(0xD800));  // a lone surrogate
    EXPECT_EQ(XmlText(text), "ZH<1>&\"x\xF0\x9F\x98\x80");
    book::Document document;
    document.headerLeft = u"A\u0002B & <C>";
    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_string(HeaderXml(document).c_str()));
    EXPECT_EQ(std::string(parsed.document_element().child("w:p").child_value()), "");
    EXPECT_NE(HeaderXml(document).find("AB &amp; &lt;C&gt;"), std::string::npos);
}

// The same book gives the same bytes: no time or random name in the package.
TEST(DocxXml, SameBookSameBytes) {
    const book::Document document =
        book::MakeCalculationBook(test::BookPiles(test::BookSchedule()), {}, book::BookOptions{});
    const std::string bytes = DocxBytes(document);
    EXPECT_EQ(bytes.substr(0, 2), "PK");
    EXPECT_EQ(bytes, DocxBytes(document));
}

}  // namespace
}  // namespace rokal::docx
