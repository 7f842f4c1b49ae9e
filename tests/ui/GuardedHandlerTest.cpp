// The general error report: a failure that escapes a handler is shown and the
// program goes on, also when the memory has run out.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

#include "ui/widgets/GuardedHandler.h"

namespace {

using rokal::MessageKind;

// Records the messages; its first failingCalls calls fail as if the message box
// could not be made for want of memory.
class GuardedHandlerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = rokal::SetMessageSink([this](MessageKind kind, const QString& text) {
            if (failingCalls > 0) {
                --failingCalls;
                throw std::bad_alloc();
            }
            shown.push_back(text);
            EXPECT_EQ(kind, MessageKind::Error);
        });
    }
    void TearDown() override { rokal::SetMessageSink(previous_); }

    int failingCalls = 0;
    std::vector<QString> shown;

  private:
    rokal::MessageSink previous_;
};

TEST_F(GuardedHandlerTest, ShowsAFailuresMessageOrUnknownError) {
    rokal::RunGuarded([] { throw std::runtime_error("无法保存文件 /x: 文件只读"); });
    rokal::RunGuarded([] { throw 42; });
    EXPECT_EQ(shown, (std::vector<QString>{"无法保存文件 /x: 文件只读", "未知错误"}));
}

TEST_F(GuardedHandlerTest, OutOfMemoryShowsTheFixedMessage) {
    rokal::RunGuarded([] { throw std::bad_alloc(); });
    rokal::RunGuarded([] { throw std::bad_array_new_length(); });
    EXPECT_EQ(shown, (std::vector<QString>{"内存不足", "内存不足"}));
}

// Showing the message of another failure runs out of memory too: the report
// falls back to its fixed message and nothing escapes.
TEST_F(GuardedHandlerTest, MemoryRunningOutWhileReportingIsShownAsOutOfMemory) {
    failingCalls = 1;
    EXPECT_NO_THROW(rokal::RunGuarded([] { throw std::runtime_error("some failure"); }));
    EXPECT_EQ(shown, std::vector<QString>{"内存不足"});
}

TEST_F(GuardedHandlerTest, NothingEscapesWhenNoMessageCanBeShown) {
    failingCalls = 3;
    EXPECT_NO_THROW(rokal::RunGuarded([] { throw std::runtime_error("some failure"); }));
    EXPECT_NO_THROW(rokal::RunGuarded([] { throw std::bad_alloc(); }));
    EXPECT_TRUE(shown.empty());
    // The program goes on, and the report works again once memory is back.
    rokal::RunGuarded([] { throw std::bad_alloc(); });
    EXPECT_EQ(shown, std::vector<QString>{"内存不足"});
}

}  // namespace
