// The document's body, its header and its footer.
#include <numeric>
#include <vector>

#include "docx/WordParts.h"
#include "docx/WordXml.h"

namespace rokal::docx {

namespace {

using book::Align;
using book::Block;
using book::Inline;

struct ParagraphFormat {
    const char* style = "Normal";
    bool keepNext = false;
    bool keepLines = false;
    bool pageBreakBefore = false;
    const char* justification = nullptr;
};

const char* StyleOf(Block::Kind kind) {
    switch (kind) {
        case Block::Kind::Heading1:
            return "Heading1";
        case Block::Kind::Heading2:
            return "Heading2";
        case Block::Kind::Heading3:
            return "Heading3";
        case Block::Kind::Formula:
            return "Formula";
        case Block::Kind::Note:
            return "Note";
        case Block::Kind::Body:
        case Block::Kind::Table:
            break;
    }
    return "Normal";
}

const char* JustificationOf(Align align) {
    switch (align) {
        case Align::Right:
            return "right";
        case Align::Centre:
            return "center";
        case Align::Left:
            break;
    }
    return "left";
}

void AddText(pugi::xml_node run, const std::u16string& text) {
    pugi::xml_node t = run.append_child("w:t");
    t.append_attribute("xml:space") = "preserve";
    t.text() = XmlText(text).c_str();
}

// The runs of the text; a line break in it becomes <w:br/>.
void AddRuns(pugi::xml_node paragraph, const Inline& text) {
    for (const book::Run& piece : text) {
        std::size_t at = 0;
        while (at <= piece.text.size()) {
            const std::size_t next = piece.text.find(u'\n', at);
            const std::u16string part = piece.text.substr(at, next - at);
            pugi::xml_node run = paragraph.append_child("w:r");
            if (piece.subscript) {
                AddValue(run.append_child("w:rPr"), "w:vertAlign", "subscript");
            }
            if (!part.empty()) {
                AddText(run, part);
            }
            if (next == std::u16string::npos) {
                break;
            }
            run.append_child("w:br");
            at = next + 1;
        }
    }
}

pugi::xml_node AddParagraph(pugi::xml_node parent, const ParagraphFormat& format,
                            const Inline& text) {
    pugi::xml_node paragraph = parent.append_child("w:p");
    pugi::xml_node pPr = paragraph.append_child("w:pPr");
    AddValue(pPr, "w:pStyle", format.style);
    if (format.keepNext) {
        pPr.append_child("w:keepNext");
    }
    if (format.keepLines) {
        pPr.append_child("w:keepLines");
    }
    if (format.pageBreakBefore) {
        pPr.append_child("w:pageBreakBefore");
    }
    if (format.justification != nullptr) {
        AddValue(pPr, "w:jc", format.justification);
    }
    AddRuns(paragraph, text);
    return paragraph;
}

void AddBorder(pugi::xml_node borders, const char* side, const char* value, int size) {
    pugi::xml_node border = borders.append_child(side);
    border.append_attribute("w:val") = value;
    if (size > 0) {
        border.append_attribute("w:sz") = std::to_string(size).c_str();
        border.append_attribute("w:space") = "0";
        border.append_attribute("w:color") = "000000";
    }
}

struct CellFormat {
    int width;
    int span = 1;
    // Sizes in eighths of a point of the cell's own rules, 0 for none.
    int top = 0;
    int bottom = 0;
    bool boxed = false;  // ruled on all four sides
};

pugi::xml_node AddCell(pugi::xml_node row, const CellFormat& format) {
    pugi::xml_node cell = row.append_child("w:tc");
    pugi::xml_node tcPr = cell.append_child("w:tcPr");
    pugi::xml_node width = tcPr.append_child("w:tcW");
    width.append_attribute("w:w") = std::to_string(format.width).c_str();
    width.append_attribute("w:type") = "dxa";
    if (format.span > 1) {
        AddValue(tcPr, "w:gridSpan", std::to_string(format.span));
    }
    if (format.top > 0 || format.bottom > 0 || format.boxed) {
        pugi::xml_node borders = tcPr.append_child("w:tcBorders");
        const int box = format.boxed ? 4 : 0;
        if (format.top > 0 || box > 0) {
            AddBorder(borders, "w:top", "single", format.boxed ? box : format.top);
        }
        if (box > 0) {
            AddBorder(borders, "w:left", "single", box);
        }
        if (format.bottom > 0 || box > 0) {
            AddBorder(borders, "w:bottom", "single", format.boxed ? box : format.bottom);
        }
        if (box > 0) {
            AddBorder(borders, "w:right", "single", box);
        }
    }
    AddValue(tcPr, "w:vAlign", "center");
    return cell;
}

// <w:tbl> with its properties and grid; no borders of its own but the rule under
// its last row.
pugi::xml_node AddTable(pugi::xml_node body, const std::vector<int>& widths, int bottomRule) {
    pugi::xml_node table = body.append_child("w:tbl");
    pugi::xml_node tblPr = table.append_child("w:tblPr");
    pugi::xml_node width = tblPr.append_child("w:tblW");
    width.append_attribute("w:w") =
        std::to_string(std::accumulate(widths.begin(), widths.end(), 0)).c_str();
    width.append_attribute("w:type") = "dxa";
    AddValue(tblPr, "w:jc", "center");
    pugi::xml_node borders = tblPr.append_child("w:tblBorders");
    AddBorder(borders, "w:top", "nil", 0);
    AddBorder(borders, "w:left", "nil", 0);
    AddBorder(borders, "w:bottom", bottomRule > 0 ? "single" : "nil", bottomRule);
    AddBorder(borders, "w:right", "nil", 0);
    AddBorder(borders, "w:insideH", "nil", 0);
    AddBorder(borders, "w:insideV", "nil", 0);
    tblPr.append_child("w:tblLayout").append_attribute("w:type") = "fixed";
    pugi::xml_node margins = tblPr.append_child("w:tblCellMar");
    for (const char* side : {"w:left", "w:right"}) {
        pugi::xml_node margin = margins.append_child(side);
        margin.append_attribute("w:w") = "57";
        margin.append_attribute("w:type") = "dxa";
    }
    pugi::xml_node grid = table.append_child("w:tblGrid");
    for (int w : widths) {
        grid.append_child("w:gridCol").append_attribute("w:w") = std::to_string(w).c_str();
    }
    return table;
}

pugi::xml_node AddRow(pugi::xml_node table, bool header) {
    pugi::xml_node row = table.append_child("w:tr");
    pugi::xml_node trPr = row.append_child("w:trPr");
    trPr.append_child("w:cantSplit");
    if (header) {
        trPr.append_child("w:tblHeader");
    }
    return row;
}

// Column widths in twips from the columns' weights: a table of little weight
// stays narrow, a wide one fills the text width.
std::vector<int> ColumnWidths(const book::Table& table) {
    double weights = 0;
    for (const book::TableColumn& column : table.columns) {
        weights += column.weight;
    }
    constexpr double kTwipsPerWeight = 1400;
    const double total = std::min<double>(kTextWidth, weights * kTwipsPerWeight);
    std::vector<int> widths;
    for (const book::TableColumn& column : table.columns) {
        widths.push_back(static_cast<int>(total * column.weight / weights));
    }
    return widths;
}

void AddThreeLineTable(pugi::xml_node body, const book::Table& table) {
    const std::vector<int> widths = ColumnWidths(table);
    const char* style = table.size == book::Table::Size::Small ? "TableSmall" : "TableText";
    pugi::xml_node tbl = AddTable(body, widths, 12);
    pugi::xml_node header = AddRow(tbl, true);
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        CellFormat format{widths[c]};
        format.top = 12;
        format.bottom = 6;
        const book::TableColumn& column = table.columns[c];
        ParagraphFormat paragraph{style};
        paragraph.justification = column.align == Align::Left ? "left" : "center";
        AddParagraph(AddCell(header, format), paragraph, column.header);
    }
    for (const book::TableRow& row : table.rows) {
        pugi::xml_node tr = AddRow(tbl, false);
        for (std::size_t c = 0; c < row.cells.size() && c < widths.size(); ++c) {
            CellFormat format{widths[c]};
            if (row.spanRest && c == 1) {
                format.span = static_cast<int>(widths.size() - 1);
                format.width = std::accumulate(widths.begin() + 1, widths.end(), 0);
            }
            ParagraphFormat paragraph{style};
            paragraph.justification =
                row.spanRest && c == 1 ? "left" : JustificationOf(table.columns[c].align);
            AddParagraph(AddCell(tr, format), paragraph, row.cells[c]);
            if (row.spanRest && c == 1) {
                break;
            }
        }
    }
}

void AddTitlePage(pugi::xml_node body, const book::TitlePage& title) {
    AddParagraph(body, {"Title"}, book::Plain(title.title));
    AddParagraph(body, {"Subtitle"}, book::Plain(title.subtitle));

    const std::vector<int> fieldWidths = {1800, 5000};
    pugi::xml_node fields = AddTable(body, fieldWidths, 0);
    for (const auto& entry : book::ProjectFieldEntries()) {
        if (entry.field > book::ProjectField::Organisation) {
            break;
        }
        pugi::xml_node row = AddRow(fields, false);
        AddParagraph(AddCell(row, {fieldWidths[0]}), {"TitleField"}, book::Plain(entry.label));
        CellFormat value{fieldWidths[1]};
        value.bottom = 4;
        AddParagraph(AddCell(row, value), {"TitleField"}, book::Plain(title.info.Get(entry.field)));
    }
    AddParagraph(body, {"Normal"}, {});

    const std::vector<int> signWidths = {1400, 2800, 2400};
    pugi::xml_node signatures = AddTable(body, signWidths, 0);
    const auto addRow = [&](const std::u16string& role, const std::u16string& name,
                            const std::u16string& date) {
        pugi::xml_node row = AddRow(signatures, false);
        const std::u16string texts[3] = {role, name, date};
        for (int c = 0; c < 3; ++c) {
            CellFormat cell{signWidths[static_cast<std::size_t>(c)]};
            cell.boxed = true;
            ParagraphFormat paragraph{"TitleField"};
            paragraph.justification = "center";
            AddParagraph(AddCell(row, cell), paragraph, book::Plain(texts[c]));
        }
    };
    addRow(u"", u"签名", u"日期");
    for (const book::SignatureRole& role : book::SignatureRoles()) {
        addRow(role.role, title.info.Get(role.name), title.info.Get(role.date));
    }
    // The date well below the signatures: w:spacing follows w:pStyle in w:pPr.
    pugi::xml_node date = AddParagraph(body, {"Subtitle"}, book::Plain(title.date));
    date.child("w:pPr").append_child("w:spacing").append_attribute("w:before") = "1200";
}

void AddUnit(pugi::xml_node body, const book::Unit& unit) {
    for (std::size_t i = 0; i < unit.blocks.size(); ++i) {
        const Block& block = unit.blocks[i];
        if (block.kind == Block::Kind::Table) {
            AddThreeLineTable(body, block.table);
            continue;
        }
        ParagraphFormat format{StyleOf(block.kind)};
        format.keepNext = unit.keepTogether && i + 1 < unit.blocks.size();
        format.keepLines = unit.keepTogether;
        format.pageBreakBefore = unit.newPage && i == 0;
        AddParagraph(body, format, block.text);
    }
}

void AddSection(pugi::xml_node body) {
    pugi::xml_node section = body.append_child("w:sectPr");
    for (const auto& [name, id] :
         {std::pair{"w:headerReference", "rId3"}, std::pair{"w:footerReference", "rId4"}}) {
        pugi::xml_node reference = section.append_child(name);
        reference.append_attribute("w:type") = "default";
        reference.append_attribute("r:id") = id;
    }
    pugi::xml_node size = section.append_child("w:pgSz");
    size.append_attribute("w:w") = std::to_string(kPageWidth).c_str();
    size.append_attribute("w:h") = std::to_string(kPageHeight).c_str();
    pugi::xml_node margins = section.append_child("w:pgMar");
    margins.append_attribute("w:top") = "1417";
    margins.append_attribute("w:right") = std::to_string(kMarginRight).c_str();
    margins.append_attribute("w:bottom") = "1134";
    margins.append_attribute("w:left") = std::to_string(kMarginLeft).c_str();
    margins.append_attribute("w:header") = "680";
    margins.append_attribute("w:footer") = "567";
    margins.append_attribute("w:gutter") = "0";
}

// A field such as PAGE: begin, instruction, separator, a result until Word
// updates it, end.
void AddField(pugi::xml_node paragraph, const char* instruction) {
    paragraph.append_child("w:r").append_child("w:fldChar").append_attribute("w:fldCharType") =
        "begin";
    pugi::xml_node text = paragraph.append_child("w:r").append_child("w:instrText");
    text.append_attribute("xml:space") = "preserve";
    text.text() = instruction;
    paragraph.append_child("w:r").append_child("w:fldChar").append_attribute("w:fldCharType") =
        "separate";
    paragraph.append_child("w:r").append_child("w:t").text() = "1";
    paragraph.append_child("w:r").append_child("w:fldChar").append_attribute("w:fldCharType") =
        "end";
}

}  // namespace

std::string HeaderXml(const book::Document& book) {
    pugi::xml_document document;
    pugi::xml_node root = WordRoot(document, "w:hdr");
    pugi::xml_node paragraph = AddParagraph(root, {"Header"}, book::Plain(book.headerLeft));
    paragraph.append_child("w:r").append_child("w:tab");
    AddRuns(paragraph, book::Plain(book.headerRight));
    return Serialise(document);
}

std::string FooterXml() {
    pugi::xml_document document;
    pugi::xml_node root = WordRoot(document, "w:ftr");
    pugi::xml_node paragraph = AddParagraph(root, {"Footer"}, book::Plain(u"第 "));
    AddField(paragraph, " PAGE ");
    AddRuns(paragraph, book::Plain(u" 页 共 "));
    AddField(paragraph, " NUMPAGES ");
    AddRuns(paragraph, book::Plain(u" 页"));
    return Serialise(document);
}

std::string DocumentXml(const book::Document& book) {
    pugi::xml_document document;
    pugi::xml_node body = WordRoot(document, "w:document").append_child("w:body");
    AddTitlePage(body, book.titlePage);
    for (const book::Unit& unit : book.units) {
        AddUnit(body, unit);
    }
    AddSection(body);
    return Serialise(document);
}

}  // namespace rokal::docx
