#pragma once

#include <QString>

#include "schedule/CellBlock.h"

namespace rokal {

// The cells of the first table in an HTML text, as a spreadsheet or a web page
// puts a copied table on the clipboard: a row for each table row, a field for each
// cell, header cells too. A merged cell's text is in its first place and the
// places it spans over are empty; each text loses the spaces at its ends (the
// non-breaking ones too), and line breaks stay for the cell's own cleaning.
// Empty when the text holds no table.
CellBlock ReadHtmlTable(const QString& html);

}  // namespace rokal
