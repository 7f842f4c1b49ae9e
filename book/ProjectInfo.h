#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rokal::book {

// The fields of the title page, in the order the dialog and the page show them.
enum class ProjectField {
    Name,          // 工程名称
    Number,        // 工程编号
    Part,          // 子项/部位
    Stage,         // 设计阶段
    Organisation,  // 设计单位
    CalculatedBy,  // 计算
    CalculatedOn,
    CheckedBy,  // 校对
    CheckedOn,
    ReviewedBy,  // 审核
    ReviewedOn,
    ApprovedBy,  // 审定
    ApprovedOn,
    Date,  // the book's date; empty: the day it is made
};
inline constexpr std::size_t kProjectFieldCount = 14;

struct ProjectFieldEntry {
    ProjectField field;
    const char16_t* label;  // "工程名称", "计算人", "计算日期"
    const char* key;        // the JSON key and the option's name: "project-name"
};

// Every field with its label and key, in order.
const std::array<ProjectFieldEntry, kProjectFieldCount>& ProjectFieldEntries();

// The four roles of the signature table: 计算, 校对, 审核, 审定, each with the
// fields of its name and its date.
struct SignatureRole {
    const char16_t* role;
    ProjectField name;
    ProjectField date;
};
const std::array<SignatureRole, 4>& SignatureRoles();

// A field's text is at most this long; it stands on one line.
inline constexpr std::size_t kMaxProjectFieldLength = 200;

class ProjectInfo {
  public:
    const std::u16string& Get(ProjectField field) const {
        return values_[static_cast<std::size_t>(field)];
    }
    // Throws ProjectInfoError when the text is longer than kMaxProjectFieldLength
    // or holds a control character or a line break.
    void Set(ProjectField field, std::u16string text);

    bool operator==(const ProjectInfo& other) const { return values_ == other.values_; }

  private:
    std::array<std::u16string, kProjectFieldCount> values_;
};

// A project field that cannot be used; what() names it and says why (UTF-8).
class ProjectInfoError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A text as a field may hold it: control characters and line breaks made spaces,
// spaces at either end removed, cut to kMaxProjectFieldLength. For text pasted
// into a dialog.
std::u16string CleanProjectField(std::u16string_view text);

// Reads a JSON object whose keys are the fields' keys ("project-name") or labels
// ("工程名称") and whose values are strings, on top of info. Throws
// ProjectInfoError for anything else: bad JSON, an unknown key, a value that is
// no string or that Set refuses.
void ReadProjectInfoJson(std::string_view utf8, ProjectInfo& info);

}  // namespace rokal::book
