#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "book/ProjectInfo.h"

namespace rokal::book {

// A piece of text in one style: symbols such as R_a are a run "R" and a
// subscript run "a".
struct Run {
    std::u16string text;
    bool subscript = false;

    bool operator==(const Run& other) const {
        return text == other.text && subscript == other.subscript;
    }
};

// A line or paragraph of text as runs.
using Inline = std::vector<Run>;

// Text written by the program with its subscripts marked: "R_{a} = ζ_{r}·f_{rk}"
// gives "R", subscript "a", " = ζ", subscript "r", "·f", subscript "rk". Never
// used for text a user typed (see Plain).
Inline Markup(std::u16string_view text);
// Text as it is, such as a pile mark or a project name.
Inline Plain(std::u16string text);
// The runs' texts joined, subscripts included: what a reader extracts.
std::u16string PlainText(const Inline& text);
// Appends b to a.
void Append(Inline& a, const Inline& b);

enum class Align { Left, Centre, Right };

struct TableColumn {
    Inline header;
    Align align = Align::Left;
    // The column's share of the table's width, relative to the others.
    double weight = 1;
};

struct TableRow {
    std::vector<Inline> cells;
    // The second cell spans every column after the first (a row that has only a
    // mark and a message).
    bool spanRest = false;
};

// A three-line table (三线表): a heavy rule above the header row, a light one
// below it and a heavy one under the last row. The header row repeats on every
// page the table runs onto; a row is never split across pages.
struct Table {
    enum class Size { Body, Small };
    std::vector<TableColumn> columns;
    std::vector<TableRow> rows;
    Size size = Size::Body;
};

// One block of the book's flow.
struct Block {
    enum class Kind {
        Heading1,  // "1 设计依据"
        Heading2,  // "1.1 规范"
        Heading3,  // a pile's title in the worked calculations
        Body,      // a paragraph of text
        Formula,   // a formula or a substituted calculation, indented
        Note,      // a smaller remark under a table
        Table,
    };
    Kind kind = Kind::Body;
    Inline text;  // everything but a table
    Table table;  // a table only
};

// Blocks that belong together. A unit that keeps together moves whole to the next
// page when it does not fit on this one but fits on an empty page.
struct Unit {
    std::vector<Block> blocks;
    bool keepTogether = false;
    bool newPage = false;  // starts on a page of its own
};

// The title page, laid out by each renderer.
struct TitlePage {
    std::u16string title;     // "嵌岩桩计算书"
    std::u16string subtitle;  // the standard the book follows
    ProjectInfo info;
    std::u16string date;  // as printed under the signatures
};

struct Document {
    TitlePage titlePage;
    // Every page's header: the project's name at the left (may be empty) and the
    // book's title at the right.
    std::u16string headerLeft;
    std::u16string headerRight;
    std::vector<Unit> units;
};

}  // namespace rokal::book
