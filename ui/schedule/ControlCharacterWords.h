#pragma once

#include <QString>

#include "schedule/CellText.h"

namespace rokal {

// A control character as the messages name it: "回车 U+000D", "U+0007".
QString ControlCharacterName(char32_t c);

// What an edit or a paste lost: "单元格不能含控制字符，已去掉 2 个（回车 U+000D 等）".
QString ControlCharacterWord(const CellText& cleaned);

// Why a file with a control character in a cell does not open.
QString ControlCharacterInFile(const ControlCharacterPlace& place);

}  // namespace rokal
