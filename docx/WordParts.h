#pragma once

#include <string>

#include "book/BookDocument.h"

namespace rokal::docx {

// The XML parts of the package, each a whole UTF-8 document.
std::string ContentTypesXml();
std::string PackageRelationshipsXml();
std::string DocumentRelationshipsXml();
std::string CorePropertiesXml(const book::Document& document);
std::string AppPropertiesXml();
std::string SettingsXml();
std::string StylesXml();
std::string HeaderXml(const book::Document& document);
std::string FooterXml();
std::string DocumentXml(const book::Document& document);

// Page geometry in twentieths of a point: A4 and its margins.
inline constexpr int kPageWidth = 11906;
inline constexpr int kPageHeight = 16838;
inline constexpr int kMarginLeft = 1417;
inline constexpr int kMarginRight = 1134;
inline constexpr int kTextWidth = kPageWidth - kMarginLeft - kMarginRight;

}  // namespace rokal::docx
