#include "book/ProjectInfo.h"

#include <gtest/gtest.h>

namespace rokal::book {
namespace {

TEST(ProjectInfo, ReadsKeysAndLabels) {
    ProjectInfo info;
    info.Set(ProjectField::Stage, u"初步设计");
    ReadProjectInfoJson(R"({"project-name": "贵阳某住宅楼", "工程编号": "GY-2024-017",
                            "calculated-by": "张三", "审定日期": "2024-03-05"})",
                        info);
    EXPECT_EQ(info.Get(ProjectField::Name), u"贵阳某住宅楼");
    EXPECT_EQ(info.Get(ProjectField::Number), u"GY-2024-017");
    EXPECT_EQ(info.Get(ProjectField::CalculatedBy), u"张三");
    EXPECT_EQ(info.Get(ProjectField::ApprovedOn), u"2024-03-05");
    EXPECT_EQ(info.Get(ProjectField::Stage), u"初步设计");  // kept
}

TEST(ProjectInfo, RefusesWhatCannotStandOnTheTitlePage) {
    const struct {
        const char* json;
        const char* why;
    } cases[] = {
        {"[1, 2]", "应为一个JSON对象"},
        {"{\"project-name\": ", "不是有效的JSON"},
        {"{\"engineer\": \"x\"}", "未知的字段 \"engineer\""},
        {"{\"project-name\": 17}", "的值应为文字"},
        {"{\"project-name\": \"a\\nb\"}", "工程名称含有换行或控制字符"},
        {"{\"checked-by\": \"a\\u0000b\"}", "校对人含有换行或控制字符"},
    };
    for (const auto& c : cases) {
        ProjectInfo info;
        try {
            ReadProjectInfoJson(c.json, info);
            ADD_FAILURE() << c.json;
        } catch (const ProjectInfoError& error) {
            EXPECT_NE(std::string(error.what()).find(c.why), std::string::npos) << error.what();
        }
        EXPECT_EQ(info, ProjectInfo());
    }
    ProjectInfo info;
    EXPECT_THROW(info.Set(ProjectField::Name, std::u16string(kMaxProjectFieldLength + 1, u'桩')),
                 ProjectInfoError);
}

TEST(ProjectInfo, CleansPastedText) {
    EXPECT_EQ(CleanProjectField(u"  贵阳\r\n某\t住宅  "), u"贵阳  某 住宅");
    const std::u16string longer = std::u16string(kMaxProjectFieldLength - 1, u'a') + u"😀";
    EXPECT_EQ(CleanProjectField(longer), std::u16string(kMaxProjectFieldLength - 1, u'a'));
}

}  // namespace
}  // namespace rokal::book
