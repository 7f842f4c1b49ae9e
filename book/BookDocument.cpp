#include "book/BookDocument.h"

namespace rokal::book {

namespace {

void AddRun(Inline& runs, std::u16string text, bool subscript) {
    if (text.empty()) {
        return;
    }
    if (!runs.empty() && runs.back().subscript == subscript) {
        runs.back().text += text;
        return;
    }
    runs.push_back({std::move(text), subscript});
}

}  // namespace

Inline Markup(std::u16string_view text) {
    Inline runs;
    std::u16string plain;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.compare(at, 2, u"_{") == 0) {
            const std::size_t close = text.find(u'}', at + 2);
            if (close != std::u16string_view::npos) {
                AddRun(runs, std::move(plain), false);
                plain.clear();
                AddRun(runs, std::u16string(text.substr(at + 2, close - at - 2)), true);
                at = close + 1;
                continue;
            }
        }
        plain += text[at++];
    }
    AddRun(runs, std::move(plain), false);
    return runs;
}

Inline Plain(std::u16string text) {
    Inline runs;
    AddRun(runs, std::move(text), false);
    return runs;
}

std::u16string PlainText(const Inline& text) {
    std::u16string out;
    for (const Run& run : text) {
        out += run.text;
    }
    return out;
}

void Append(Inline& a, const Inline& b) {
    for (const Run& run : b) {
        AddRun(a, run.text, run.subscript);
    }
}

}  // namespace rokal::book
