#pragma once

#include <cmath>
#include <optional>
#include <string>

namespace rokal::test {

// Reads a substituted expression as a reviewer would key it into a calculator:
// numbers, π, + − × / with the usual precedence, ( ) and [ ], the powers ² and ³,
// and max(a, b). Spaces are ignored. nullopt when the text is anything else.
class HandExpression {
  public:
    static std::optional<double> Evaluate(const std::u16string& text) {
        HandExpression reader(text);
        const std::optional<double> value = reader.Sum();
        reader.SkipSpaces();
        if (!value || reader.at_ != text.size()) {
            return std::nullopt;
        }
        return value;
    }

  private:
    explicit HandExpression(const std::u16string& text) : text_(text) {}

    void SkipSpaces() {
        while (at_ < text_.size() && text_[at_] == u' ') {
            ++at_;
        }
    }
    bool Take(char16_t c) {
        SkipSpaces();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::optional<double> Sum() {
        std::optional<double> value = Product();
        while (value) {
            if (Take(u'+')) {
                const auto right = Product();
                value = right ? std::optional<double>(*value + *right) : std::nullopt;
            } else if (Take(u'−') || Take(u'-')) {
                const auto right = Product();
                value = right ? std::optional<double>(*value - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }
    std::optional<double> Product() {
        std::optional<double> value = Power();
        while (value) {
            if (Take(u'×')) {
                const auto right = Power();
                value = right ? std::optional<double>(*value * *right) : std::nullopt;
            } else if (Take(u'/')) {
                const auto right = Power();
                value = right ? std::optional<double>(*value / *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }
    std::optional<double> Power() {
        std::optional<double> value = Atom();
        while (value) {
            if (Take(u'²')) {
                value = *value * *value;
            } else if (Take(u'³')) {
                value = *value * *value * *value;
            } else {
                break;
            }
        }
        return value;
    }
    std::optional<double> Atom() {
        SkipSpaces();
        if (Take(u'(')) {
            const auto value = Sum();
            return value && Take(u')') ? value : std::nullopt;
        }
        if (Take(u'[')) {
            const auto value = Sum();
            return value && Take(u']') ? value : std::nullopt;
        }
        if (Take(u'π')) {
            return 3.14159265358979323846;
        }
        if (text_.compare(at_, 4, u"max(") == 0) {
            at_ += 4;
            const auto a = Sum();
            if (!a || !Take(u',')) {
                return std::nullopt;
            }
            const auto b = Sum();
            return b && Take(u')') ? std::optional<double>(std::fmax(*a, *b)) : std::nullopt;
        }
        std::string digits;
        while (at_ < text_.size() &&
               ((text_[at_] >= u'0' && text_[at_] <= u'9') || text_[at_] == u'.')) {
            digits += static_cast<char>(text_[at_++]);
        }
        if (digits.empty()) {
            return std::nullopt;
        }
        return std::stod(digits);
    }

    const std::u16string& text_;
    std::size_t at_ = 0;
};

// The number a result text starts with ("3212 kN，满足" gives 3212) and how many
// decimals it shows.
struct LeadingNumber {
    double value;
    int decimals;
};

inline std::optional<LeadingNumber> ReadLeadingNumber(const std::u16string& text) {
    std::string digits;
    int decimals = -1;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9') {
            digits += static_cast<char>(c);
            decimals += decimals >= 0 ? 1 : 0;
        } else if (c == u'.' && decimals < 0 && !digits.empty()) {
            digits += '.';
            decimals = 0;
        } else {
            break;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    return LeadingNumber{std::stod(digits), decimals < 0 ? 0 : decimals};
}

}  // namespace rokal::test
