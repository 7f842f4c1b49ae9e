#include "schedule/ScheduleBooks.h"

#include <algorithm>
#include <unordered_set>

#include "report/CodePage.h"

namespace rokal {
namespace {

// What makes two schedule piles the same pile: mark, inputs and loads.
std::u16string Identity(const BookPile& pile) {
    const auto load = [](const std::optional<LoadCheck>& check) {
        if (!check) {
            return std::u16string(u"-");
        }
        const std::string text = std::to_string(check->load);
        return std::u16string(text.begin(), text.end());
    };
    const std::u16string separator(1, u'\0');
    return pile.mark + separator + pile.input.dText + separator + pile.input.hrText + separator +
           pile.input.frkText + separator + ConcreteGradeText(pile.input.grade) + separator +
           ConstructionProcessText(pile.input.process) + separator + load(pile.raCheck) +
           separator + load(pile.rcCheck);
}

}  // namespace

BookPile SchedulePile(const ScheduleRow& row, std::size_t index, const RowResult& result,
                      PrecisionMode mode, char16_t decimalSeparator) {
    BookPile pile;
    pile.mark = BookMarkText(RowMark(row, index));
    pile.scheduleMark = true;
    pile.input = result.input;
    if (result.pile) {
        pile.result = *result.pile;
    }
    pile.mode = mode;
    pile.decimalSeparator = decimalSeparator;
    pile.raCheck = result.raCheck;
    pile.rcCheck = result.rcCheck;
    pile.socketCheck = result.socketCheck;
    return pile;
}

std::vector<BookPile> ScheduleBookPiles(const Schedule& schedule,
                                        const std::vector<RowResult>& results, PrecisionMode mode,
                                        char16_t decimalSeparator) {
    std::vector<BookPile> piles;
    const std::size_t count = std::min(schedule.rows.size(), results.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (results[i].Computed()) {
            piles.push_back(SchedulePile(schedule.rows[i], i, results[i], mode, decimalSeparator));
        }
    }
    return piles;
}

int AppendScheduleToLog(ReportLog& log, const Schedule& schedule,
                        const std::vector<RowResult>& results, PrecisionMode mode,
                        const std::u16string& timeText, char16_t decimalSeparator) {
    std::vector<BookPile> piles = ScheduleBookPiles(schedule, results, mode, decimalSeparator);
    const int appended = static_cast<int>(piles.size());
    log.AppendPiles(std::move(piles), timeText);
    return appended;
}

std::size_t PilesAlreadyInBook(const ReportLog& log, const std::vector<BookPile>& piles) {
    std::unordered_set<std::u16string> inBook;
    for (const BookPile& pile : log.Piles()) {
        if (pile.scheduleMark) {
            inBook.insert(Identity(pile));
        }
    }
    std::size_t count = 0;
    for (const BookPile& pile : piles) {
        count += inBook.count(Identity(pile));
    }
    return count;
}

BookPileTally TallyBookPiles(const std::vector<BookPile>& piles) {
    BookPileTally tally;
    for (const BookPile& pile : piles) {
        const bool fails =
            (pile.raCheck && !pile.raCheck->holds) || (pile.rcCheck && !pile.rcCheck->holds);
        tally.failing += fails ? 1 : 0;
        tally.shortSockets += pile.SocketShort() ? 1 : 0;
    }
    return tally;
}

std::string EncodeBook(const Lines& lines, BookEncoding encoding) {
    const std::u16string text = JoinReportLines(lines);
    return encoding == BookEncoding::Gbk ? EncodeToSystemCodePage(text) : Utf16ToUtf8(text);
}

void WriteBook(const std::filesystem::path& path, const ReportLog& log, ReportDocument doc,
               BookEncoding encoding, const DiskSync& sync) {
    WriteFileReplacing(path, EncodeBook(log.Document(doc), encoding), sync);
}

}  // namespace rokal
