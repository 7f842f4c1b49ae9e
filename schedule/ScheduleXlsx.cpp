#include "schedule/ScheduleXlsx.h"

#include "report/CodePage.h"
#include "schedule/XlsxNumbers.h"
#include "workbook/SheetWriter.h"
#include "workbook/XlsxBuilder.h"

namespace rokal {

namespace {

bool IsTextColumn(ScheduleColumn column) {
    return column == ScheduleColumn::Mark || column == ScheduleColumn::Grade ||
           column == ScheduleColumn::Process;
}

void WriteCell(SheetWriter& sheet, int row, int column, const std::u16string& text,
               std::optional<char16_t> numberSeparator, lxw_format* textFormat = nullptr) {
    if (numberSeparator) {
        if (const std::optional<double> value = ExactWorkbookNumber(text, *numberSeparator)) {
            sheet.Number(row, column, *value, text);
            return;
        }
    }
    sheet.Text(row, column, text, textFormat);
}

}  // namespace

bool XlsxAvailable() {
    return true;
}

std::string ScheduleToXlsx(const Schedule& schedule, char16_t decimalSeparator) {
    XlsxBuilder builder;
    const std::string name = Utf16ToUtf8(kScheduleSheetName);
    SheetWriter sheet(builder.AddSheet(name), name);
    lxw_format* bold = workbook_add_format(builder.Workbook());
    format_set_bold(bold);
    // Depths such as "1.5d" stand to the right, as the depths in mm beside them do.
    lxw_format* depth = workbook_add_format(builder.Workbook());
    format_set_align(depth, LXW_ALIGN_RIGHT);

    int column = 0;
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        sheet.Text(0, column++, ScheduleColumnName(static_cast<ScheduleColumn>(i)), bold);
    }
    for (const std::u16string& extra : schedule.extraColumns) {
        sheet.Text(0, column++, extra, bold);
    }
    worksheet_freeze_panes(sheet.Sheet(), 1, 0);

    int row = 1;
    for (const ScheduleRow& pile : schedule.rows) {
        for (int i = 0; i < kScheduleColumnCount; ++i) {
            const auto scheduleColumn = static_cast<ScheduleColumn>(i);
            std::optional<char16_t> separator;
            if (!IsTextColumn(scheduleColumn)) {
                separator = decimalSeparator;
            }
            WriteCell(sheet, row, i, pile.Cell(scheduleColumn), separator,
                      scheduleColumn == ScheduleColumn::Hr ? depth : nullptr);
        }
        for (std::size_t i = 0; i < schedule.extraColumns.size() && i < pile.extra.size(); ++i) {
            WriteCell(sheet, row, kScheduleColumnCount + static_cast<int>(i), pile.extra[i],
                      decimalSeparator);
        }
        ++row;
    }
    sheet.FitColumns();
    return builder.Finish();
}

}  // namespace rokal
