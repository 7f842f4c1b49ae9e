#include "book/ProjectInfo.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "report/CodePage.h"

namespace rokal::book {

namespace {

bool IsLineBreakOrControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::string LabelUtf8(ProjectField field) {
    return Utf16ToUtf8(ProjectFieldEntries()[static_cast<std::size_t>(field)].label);
}

const ProjectFieldEntry* FindEntry(const std::string& key) {
    const std::u16string label = Utf8ToUtf16(key);
    for (const ProjectFieldEntry& entry : ProjectFieldEntries()) {
        if (key == entry.key || label == entry.label) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

const std::array<ProjectFieldEntry, kProjectFieldCount>& ProjectFieldEntries() {
    static const std::array<ProjectFieldEntry, kProjectFieldCount> entries = {{
        {ProjectField::Name, u"工程名称", "project-name"},
        {ProjectField::Number, u"工程编号", "project-number"},
        {ProjectField::Part, u"子项/部位", "project-part"},
        {ProjectField::Stage, u"设计阶段", "design-stage"},
        {ProjectField::Organisation, u"设计单位", "design-organisation"},
        {ProjectField::CalculatedBy, u"计算人", "calculated-by"},
        {ProjectField::CalculatedOn, u"计算日期", "calculated-on"},
        {ProjectField::CheckedBy, u"校对人", "checked-by"},
        {ProjectField::CheckedOn, u"校对日期", "checked-on"},
        {ProjectField::ReviewedBy, u"审核人", "reviewed-by"},
        {ProjectField::ReviewedOn, u"审核日期", "reviewed-on"},
        {ProjectField::ApprovedBy, u"审定人", "approved-by"},
        {ProjectField::ApprovedOn, u"审定日期", "approved-on"},
        {ProjectField::Date, u"日期", "book-date"},
    }};
    return entries;
}

const std::array<SignatureRole, 4>& SignatureRoles() {
    static const std::array<SignatureRole, 4> roles = {{
        {u"计算", ProjectField::CalculatedBy, ProjectField::CalculatedOn},
        {u"校对", ProjectField::CheckedBy, ProjectField::CheckedOn},
        {u"审核", ProjectField::ReviewedBy, ProjectField::ReviewedOn},
        {u"审定", ProjectField::ApprovedBy, ProjectField::ApprovedOn},
    }};
    return roles;
}

void ProjectInfo::Set(ProjectField field, std::u16string text) {
    if (text.size() > kMaxProjectFieldLength) {
        throw ProjectInfoError(LabelUtf8(field) + "超过" + std::to_string(kMaxProjectFieldLength) +
                               "个字符");
    }
    if (std::any_of(text.begin(), text.end(), IsLineBreakOrControl)) {
        throw ProjectInfoError(LabelUtf8(field) + "含有换行或控制字符");
    }
    values_[static_cast<std::size_t>(field)] = std::move(text);
}

std::u16string CleanProjectField(std::u16string_view text) {
    std::u16string out(text);
    std::replace_if(out.begin(), out.end(), IsLineBreakOrControl, u' ');
    const std::size_t first = out.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return {};
    }
    out = out.substr(first, out.find_last_not_of(u' ') - first + 1);
    if (out.size() > kMaxProjectFieldLength) {
        std::size_t cut = kMaxProjectFieldLength;
        if (cut > 0 && out[cut - 1] >= 0xD800 && out[cut - 1] <= 0xDBFF) {
            --cut;  // never half of a surrogate pair
        }
        out.resize(cut);
    }
    return out;
}

void ReadProjectInfoJson(std::string_view utf8, ProjectInfo& info) {
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(utf8.begin(), utf8.end());
    } catch (const nlohmann::json::exception& error) {
        throw ProjectInfoError(std::string("不是有效的JSON：") + error.what());
    }
    if (!json.is_object()) {
        throw ProjectInfoError("应为一个JSON对象，如 {\"project-name\": \"…\"}");
    }
    for (const auto& [key, value] : json.items()) {
        const ProjectFieldEntry* entry = FindEntry(key);
        if (entry == nullptr) {
            throw ProjectInfoError("未知的字段 \"" + key + "\"");
        }
        if (!value.is_string()) {
            throw ProjectInfoError("字段 \"" + key + "\" 的值应为文字");
        }
        info.Set(entry->field, Utf8ToUtf16(value.get<std::string>()));
    }
}

}  // namespace rokal::book
