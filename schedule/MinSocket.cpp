#include "schedule/MinSocket.h"

#include <algorithm>

#include "report/TableReport.h"
#include "schedule/ExactDecimal.h"

namespace rokal {
namespace {

constexpr double kThousand = 1000;
constexpr std::int64_t kMaxTimesD = 1000 * 1000;
constexpr std::int64_t kMaxMillimetres = 1000000LL * 1000;
constexpr double kTolerance = 1e-9;

// One part of a minimum: "0.4d" into timesD, "500mm" or "500" into millimetres;
// false for a bad part or a second one of the same kind. A length without its
// unit stands alone or after the multiple of d, so that "1,5d" written with a
// decimal comma is refused rather than read as 1 mm and 5d.
bool ReadPart(std::u16string part, bool first, bool last, std::optional<std::int64_t>& timesD,
              std::optional<std::int64_t>& millimetres) {
    const bool isTimesD = EndsWith(part, u"d");
    std::optional<std::int64_t>& target = isTimesD ? timesD : millimetres;
    if (target) {
        return false;
    }
    if (isTimesD) {
        part.pop_back();
    } else if (EndsWith(part, u"mm")) {
        part.resize(part.size() - 2);
    } else if (first && !last) {
        return false;
    }
    const std::optional<std::int64_t> value = ReadThousandths(part);
    if (!value || *value > (isTimesD ? kMaxTimesD : kMaxMillimetres)) {
        return false;
    }
    target = value;
    return true;
}

}  // namespace

std::optional<MinSocket> ReadMinSocket(std::u16string_view text) {
    std::u16string compact = CompactLower(text);
    std::replace(compact.begin(), compact.end(), u'，', u',');
    std::optional<std::int64_t> timesD;
    std::optional<std::int64_t> millimetres;
    std::size_t start = 0;
    int parts = 0;
    while (true) {
        const std::size_t comma = compact.find(u',', start);
        const std::size_t end = comma == std::u16string::npos ? compact.size() : comma;
        const bool last = comma == std::u16string::npos;
        if (++parts > 2 ||
            !ReadPart(compact.substr(start, end - start), parts == 1, last, timesD, millimetres)) {
            return std::nullopt;
        }
        if (comma == std::u16string::npos) {
            break;
        }
        start = comma + 1;
    }
    return MinSocket{timesD.value_or(0), millimetres.value_or(0)};
}

std::u16string MinSocketText(MinSocket minimum) {
    std::u16string text;
    if (minimum.timesDThousandths > 0) {
        text = ThousandthsText(minimum.timesDThousandths, u'.') + u"d";
    }
    if (minimum.millimetreThousandths > 0) {
        text += (text.empty() ? u"" : u",") + ThousandthsText(minimum.millimetreThousandths, u'.') +
                u"mm";
    }
    return text.empty() ? u"0" : text;
}

double MinSocketDepth(MinSocket minimum, double d) {
    return std::max(static_cast<double>(minimum.timesDThousandths) / kThousand * d,
                    static_cast<double>(minimum.millimetreThousandths) / kThousand);
}

bool ReachesMinSocket(double hr, double minimum) {
    return hr >= minimum * (1 - kTolerance);
}

SocketCheck CheckSocket(const PileResult& pile, MinSocket minimum) {
    SocketCheck check;
    check.hr = pile.hr;
    check.minimum = MinSocketDepth(minimum, pile.d);
    check.holds = ReachesMinSocket(pile.hr, check.minimum);
    return check;
}

std::u16string SocketWarningText(const SocketCheck& check, char16_t decimalSeparator) {
    if (check.holds) {
        return {};
    }
    return u"嵌岩深度 " + MillimetreText(check.hr, decimalSeparator) + u" mm 小于最小嵌岩深度 " +
           MillimetreText(check.minimum, decimalSeparator) + u" mm";
}

}  // namespace rokal
