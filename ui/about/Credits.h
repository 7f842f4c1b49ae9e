#pragma once

namespace rokal::credits {

// Texts and addresses the About window shows and opens. The addresses lie in
// the program's own web space; the mail address is the contact for users.
inline constexpr char kTitle[] = "Rokal";
inline constexpr char kSeries[] = "岩土计算系列";
inline constexpr char kCopyright[] = "Copyright © 2020–2022 Rokal";
inline constexpr char kDesigner[] = "作者";
inline constexpr char kDesignerTitle1[] = "注册土木工程师（岩土）";
inline constexpr char kDesignerTitle2[] = "高级工程师";

inline constexpr char kOrganisation[] = "示例岩土工程设计室";
inline constexpr char kOrganisationAddress[] = "https://example.org/";

// The label shows the web address without its scheme; a click opens it with.
inline constexpr char kWebAddressShown[] = "example.org/rokal";
inline constexpr char kWebAddress[] = "https://example.org/rokal";
inline constexpr char kMailAddress[] = "rokal@example.org";
inline constexpr char kUpdateAddress[] = "https://example.org/rokal/download/rokal-update.zip";

}  // namespace rokal::credits
