#pragma once

#include <string>

namespace rokal {

// Columns a text takes in the report font: a UTF-16 code unit in U+1000..U+9FA5
// counts two, every other code unit one (Greek letters and full-width punctuation
// count one).
int DisplayWidth(const std::u16string& text);

// The fill is repeated (width - DisplayWidth(text)) times; a text is never cut.
std::u16string PadRight(const std::u16string& text, const std::u16string& fill, int width);
std::u16string PadLeft(const std::u16string& text, const std::u16string& fill, int width);
// An odd surplus puts the extra fill before the text.
std::u16string PadCentre(const std::u16string& text, const std::u16string& fill, int width);
// The text when it is no wider than width; otherwise as much of its start as
// leaves room for the ellipsis ("…" takes two columns), then the ellipsis. A
// surrogate pair is never split.
std::u16string CutToWidth(const std::u16string& text, int width,
                          const std::u16string& ellipsis = u"…");
// count spaces; empty for count <= 0.
std::u16string Spaces(int count);

}  // namespace rokal
