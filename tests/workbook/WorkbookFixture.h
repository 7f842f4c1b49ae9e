#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/workbook/ZipBuilder.h"

namespace rokal::test {

// The parts of a small workbook, written as XML by hand so that a test shows the
// very cells it reads.
struct WorkbookFixture {
    // Sheet name and the XML inside <sheetData> (or the whole part, when it starts
    // with "<?xml"), in tab order.
    std::vector<std::pair<std::string, std::string>> sheets;
    // The XML inside <sst>, or empty for no shared-strings part.
    std::string sharedStrings;
    // The XML inside <styleSheet>, or empty for no styles part.
    std::string styles;
    // XML after </sheetData> in every sheet, such as <mergeCells>.
    std::string afterSheetData;
    bool date1904 = false;
    // The indexes of sheets hidden from the tabs.
    std::vector<std::size_t> hidden;
    // Entries deflated, or stored as they are (quicker to make).
    bool deflate = true;
    // Changes the first sheet's zip entry, for a damaged or hostile archive.
    std::function<void(ZipBuilder::Entry&)> alterFirstSheet;
};

inline const char kMainNamespace[] =
    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

inline std::string SheetXml(const std::string& sheetData, const std::string& after = "") {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet ") + kMainNamespace +
           "><sheetData>" + sheetData + "</sheetData>" + after + "</worksheet>";
}

inline ZipBuilder WorkbookZip(const WorkbookFixture& fixture) {
    const std::string relType =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    std::string workbook = std::string("<?xml version=\"1.0\"?><workbook ") + kMainNamespace + ">" +
                           (fixture.date1904 ? "<workbookPr date1904=\"1\"/>" : "") + "<sheets>";
    std::string rels =
        "<?xml version=\"1.0\"?><Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    ZipBuilder zip;
    for (std::size_t i = 0; i < fixture.sheets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        const bool hidden =
            std::find(fixture.hidden.begin(), fixture.hidden.end(), i) != fixture.hidden.end();
        workbook += "<sheet name=\"" + fixture.sheets[i].first + "\" sheetId=\"" + n +
                    "\" r:id=\"rId" + n + "\"" + (hidden ? " state=\"hidden\"" : "") + "/>";
        rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + relType +
                "worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
        const std::string& sheet = fixture.sheets[i].second;
        ZipBuilder::Entry entry;
        entry.name = "xl/worksheets/sheet" + n + ".xml";
        entry.content =
            sheet.rfind("<?xml", 0) == 0 ? sheet : SheetXml(sheet, fixture.afterSheetData);
        entry.deflate = fixture.deflate;
        if (i == 0 && fixture.alterFirstSheet) {
            fixture.alterFirstSheet(entry);
        }
        zip.Add(std::move(entry));
    }
    workbook += "</sheets></workbook>";
    if (!fixture.sharedStrings.empty()) {
        rels += "<Relationship Id=\"rIdS\" Type=\"" + relType +
                "sharedStrings\" Target=\"sharedStrings.xml\"/>";
        zip.Add("xl/sharedStrings.xml",
                std::string("<?xml version=\"1.0\"?><sst ") + kMainNamespace + ">" +
                    fixture.sharedStrings + "</sst>",
                fixture.deflate);
    }
    if (!fixture.styles.empty()) {
        rels +=
            "<Relationship Id=\"rIdY\" Type=\"" + relType + "styles\" Target=\"/xl/styles.xml\"/>";
        zip.Add("xl/styles.xml",
                std::string("<?xml version=\"1.0\"?><styleSheet ") + kMainNamespace + ">" +
                    fixture.styles + "</styleSheet>",
                fixture.deflate);
    }
    rels += "</Relationships>";
    zip.Add("[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>", fixture.deflate);
    zip.Add("_rels/.rels",
            "<?xml version=\"1.0\"?><Relationships "
            "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"" +
                relType + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>",
            fixture.deflate);
    zip.Add("xl/workbook.xml", workbook, fixture.deflate);
    zip.Add("xl/_rels/workbook.xml.rels", rels, fixture.deflate);
    return zip;
}

inline std::string MakeWorkbook(const WorkbookFixture& fixture) {
    return WorkbookZip(fixture).Bytes();
}

}  // namespace rokal::test
