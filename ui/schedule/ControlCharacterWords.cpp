#include "ui/schedule/ControlCharacterWords.h"

namespace rokal {
namespace {

struct NamedCharacter {
    char32_t c;
    const char* name;
};

const NamedCharacter kNames[] = {
    {0x00, "空字符"}, {0x09, "制表符"},     {0x0A, "换行"},       {0x0D, "回车"},
    {0x7F, "删除符"}, {0x2028, "行分隔符"}, {0x2029, "段分隔符"},
};

}  // namespace

QString ControlCharacterName(char32_t c) {
    const QString code =
        QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    if (c >= 0xD800 && c <= 0xDFFF) {
        return QStringLiteral("不成对的代理码 ") + code;
    }
    for (const NamedCharacter& named : kNames) {
        if (named.c == c) {
            return QString::fromUtf8(named.name) + QLatin1Char(' ') + code;
        }
    }
    return code;
}

QString ControlCharacterWord(const CellText& cleaned) {
    const QString first = ControlCharacterName(cleaned.first);
    return QStringLiteral(
               "单元格不能含控制字符，已去掉 %1 个（%2%3），单元格内的换行和制表符改为空格")
        .arg(cleaned.removed)
        .arg(first, cleaned.removed > 1 ? QStringLiteral(" 等") : QString());
}

QString ControlCharacterInFile(const ControlCharacterPlace& place) {
    const QString where =
        place.line > 0 ? QStringLiteral("第%1行").arg(place.line) : QStringLiteral("表头");
    return QStringLiteral(
               "%1“%2”列含有控制字符 %3。桩表计算窗口的单元格不能含控制字符，"
               "请在表格软件中去掉后再打开，或用 rokal-cli 计算。")
        .arg(where, QString::fromStdU16String(place.column), ControlCharacterName(place.character));
}

}  // namespace rokal
