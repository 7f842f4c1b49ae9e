#include "workbook/SheetRows.h"

#include <charconv>
#include <cmath>

#include "workbook/DateFormats.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsxPackage.h"
#include "workbook/XlsxText.h"
#include "workbook/XmlParts.h"

namespace rokal {

namespace {

// More merged ranges than any schedule has: a sheet with more is refused.
constexpr std::size_t kMaxMergedRanges = 1000000;

// What a date serial no date has shows as, as in a spreadsheet.
const char kNoDate[] = "########";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

template <typename Number>
bool ReadWhole(std::string_view text, Number& value) {
    text = Trimmed(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// The cell being read: its attributes and the texts of its elements.
struct PendingCell {
    int column = 0;
    std::string type;  // the "t" attribute: s, str, inlineStr, b, e, d, n or empty
    std::size_t style = 0;
    bool hasFormula = false;
    bool hasValue = false;
    bool hasInline = false;
    std::string formula;
    std::string value;
    std::string inlineText;
};

// Where character data goes at the moment.
enum class TextTarget { None, Value, Formula, Inline };

class SheetHandler : public XmlHandler {
  public:
    SheetHandler(const SheetContext& context, const RowSink& onRow,
                 const DimensionSink& onDimension)
        : context_(context), onRow_(onRow), onDimension_(onDimension) {}

    void Start(std::string_view name, const XmlAttributes& attributes) override {
        if (name == "row") {
            StartRow(attributes);
        } else if (name == "c" && inRow_) {
            StartCell(attributes);
        } else if (!inCell_) {
            if (name == "mergeCell") {
                AddMerge(attributes.Find("ref"));
            } else if (name == "dimension" && onDimension_) {
                const char* ref = attributes.Find("ref");
                if (const auto range = ReadCellRange(ref != nullptr ? ref : "")) {
                    onDimension_(*range);
                }
            }
        } else if (name == "v") {
            cell_.hasValue = true;
            target_ = TextTarget::Value;
        } else if (name == "f") {
            cell_.hasFormula = true;
            target_ = TextTarget::Formula;
        } else if (name == "is") {
            cell_.hasInline = true;
        } else if (name == "rPh") {
            ++phoneticDepth_;
        } else if (name == "t" && cell_.hasInline && phoneticDepth_ == 0) {
            target_ = TextTarget::Inline;
        }
    }

    void End(std::string_view name) override {
        if (name == "row" && inRow_) {
            EndRow();
        } else if (name == "c" && inCell_) {
            EndCell();
        } else if (name == "rPh") {
            --phoneticDepth_;
        } else if (name == "v" || name == "f" || name == "t") {
            target_ = TextTarget::None;
        }
    }

    void Text(std::string_view text) override {
        switch (target_) {
            case TextTarget::Value:
                cell_.value += text;
                break;
            case TextTarget::Formula:
                cell_.formula += text;
                break;
            case TextTarget::Inline:
                cell_.inlineText += text;
                break;
            case TextTarget::None:
                break;
        }
    }

    bool Done() const override { return stopped_; }

    std::vector<CellRange> merges;

  private:
    [[noreturn]] void Damaged(const std::string& place, const std::string& what) const {
        throw WorkbookError("工作簿已损坏：" + context_.sheetName + "!" + place + " " + what);
    }
    std::string Here() const { return CellReferenceText({row_.number, cell_.column}); }

    void StartRow(const XmlAttributes& attributes) {
        int number = row_.number + 1;
        if (const char* r = attributes.Find("r"); r != nullptr && !ReadWhole(r, number)) {
            Damaged(r, "不是行号");
        }
        if (number <= row_.number || number > kMaxSheetRows) {
            Damaged("第" + std::to_string(number) + "行", "的次序错乱或超出工作表");
        }
        row_.number = number;
        row_.cells.clear();
        lastColumn_ = -1;
        inRow_ = true;
    }

    void EndRow() {
        inRow_ = false;
        if (!row_.cells.empty() && !onRow_(row_)) {
            stopped_ = true;
        }
    }

    void StartCell(const XmlAttributes& attributes) {
        const int previous = lastColumn_;
        cell_ = PendingCell();
        cell_.column = previous + 1;
        if (const char* r = attributes.Find("r")) {
            const auto position = ReadCellReference(r);
            if (!position || position->row != row_.number) {
                Damaged(r, "不是这一行的单元格");
            }
            cell_.column = position->column;
        }
        if (cell_.column <= previous || cell_.column >= kMaxSheetColumns) {
            Damaged(Here(), "的次序错乱或超出工作表");
        }
        if (const char* type = attributes.Find("t")) {
            cell_.type = type;
        }
        if (const char* style = attributes.Find("s"); style != nullptr) {
            ReadWhole(style, cell_.style);
        }
        lastColumn_ = cell_.column;
        phoneticDepth_ = 0;
        inCell_ = true;
    }

    void EndCell() {
        inCell_ = false;
        target_ = TextTarget::None;
        SheetCell cell;
        cell.column = cell_.column;
        if (MakeCell(cell) && !(cell.kind == CellKind::Text && cell.text.empty())) {
            row_.cells.push_back(std::move(cell));
        }
    }

    // The cell's value; false for a cell without one.
    bool MakeCell(SheetCell& cell) {
        const std::string& type = cell_.type;
        if (type == "inlineStr" || (cell_.hasInline && !cell_.hasValue)) {
            cell.text = UnescapeCellText(cell_.inlineText);
            return true;
        }
        // A value left empty is none (some programs write formulas so), except
        // for a formula's text result, which may be empty.
        if (!cell_.hasValue || (Trimmed(cell_.value).empty() && type != "str")) {
            if (!cell_.hasFormula) {
                return false;
            }
            cell.kind = CellKind::NoCachedValue;
            cell.text = "=" + cell_.formula;
            return true;
        }
        if (type == "s") {
            return SharedText(cell);
        }
        if (type == "str") {
            cell.text = UnescapeCellText(cell_.value);
        } else if (type == "b") {
            const std::string_view value = Trimmed(cell_.value);
            if (value != "0" && value != "1") {
                Damaged(Here(), "不是逻辑值");
            }
            cell.kind = CellKind::Boolean;
            cell.text = value == "1" ? "TRUE" : "FALSE";
        } else if (type == "e") {
            cell.kind = CellKind::Error;
            cell.text = std::string(Trimmed(cell_.value));
        } else if (type == "d") {
            cell.kind = CellKind::Date;
            cell.text = std::string(Trimmed(cell_.value));
        } else {
            return NumberCell(cell);
        }
        return true;
    }

    bool SharedText(SheetCell& cell) const {
        std::size_t index = 0;
        const auto* texts = context_.sharedStrings;
        if (!ReadWhole(cell_.value, index) || texts == nullptr || index >= texts->size()) {
            Damaged(Here(), "指向不存在的共享文字");
        }
        cell.text = (*texts)[index];
        return true;
    }

    bool NumberCell(SheetCell& cell) const {
        if (Trimmed(cell_.value).empty()) {
            return false;
        }
        if (!ReadWhole(cell_.value, cell.number) || !std::isfinite(cell.number)) {
            Damaged(Here(), "的数值无法读取");
        }
        if (context_.styles != nullptr && context_.styles->IsDate(cell_.style)) {
            cell.kind = CellKind::Date;
            cell.text = DateText(cell.number, context_.date1904);
            if (cell.text.empty()) {
                cell.text = kNoDate;
            }
        } else {
            cell.kind = CellKind::Number;
        }
        return true;
    }

    void AddMerge(const char* reference) {
        if (reference == nullptr) {
            return;
        }
        if (merges.size() >= kMaxMergedRanges) {
            throw WorkbookError("工作表 " + context_.sheetName + " 的合并区域超过 " +
                                std::to_string(kMaxMergedRanges) + " 个，不是桩表");
        }
        const auto range = ReadCellRange(reference);
        if (!range) {
            Damaged(reference, "不是单元格区域");
        }
        merges.push_back(*range);
    }

    const SheetContext& context_;
    const RowSink& onRow_;
    const DimensionSink& onDimension_;
    SheetRow row_;
    PendingCell cell_;
    int lastColumn_ = -1;
    int phoneticDepth_ = 0;
    bool inRow_ = false;
    bool inCell_ = false;
    bool stopped_ = false;
    TextTarget target_ = TextTarget::None;
};

}  // namespace

std::vector<CellRange> ReadSheetRows(const PackageParts& parts, const std::string& part,
                                     const SheetContext& context, const RowSink& onRow,
                                     const DimensionSink& onDimension) {
    SheetHandler handler(context, onRow, onDimension);
    ParseXmlPart(parts, part, kMaxSheetPartBytes, handler);
    return handler.Done() ? std::vector<CellRange>() : std::move(handler.merges);
}

}  // namespace rokal
