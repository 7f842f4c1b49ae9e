#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rokal {

// One record of a CSV text and the line it starts on (1 for the first line).
struct CsvRecord {
    std::vector<std::u16string> fields;
    int line = 0;
};

// The delimiter the header line uses: the first of tab, semicolon and comma found
// outside quotes in the first line that is not blank, in that order of
// preference; comma when none.
char16_t FindCsvDelimiter(std::u16string_view text);

// An RFC 4180 reader: fields separated by the delimiter, records by CR LF, LF or
// CR; a field in double quotes may hold the delimiter, line breaks and doubled
// quotes. Characters after a closing quote are kept as written. Reports the line
// of a quote that is never closed through unclosedQuoteLine and stops there.
class CsvReader {
  public:
    CsvReader(std::u16string_view text, char16_t delimiter);

    // The next record, or nullopt at the end of the text or at an unclosed quote.
    std::optional<CsvRecord> Next();
    // The line an unclosed quote opened on, 0 while there was none.
    int UnclosedQuoteLine() const { return unclosedQuoteLine_; }

  private:
    void EndOfLine();

    std::u16string_view text_;
    char16_t delimiter_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int unclosedQuoteLine_ = 0;
    std::size_t lastFieldCount_ = 0;  // of the record before, to reserve room for fields
};

}  // namespace rokal
