// Saving the shown report into the Documents folder, and a save that is refused
// or fails.
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "report/ReportFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "report/CodePage.h"
#include "ui/platform/PermissionService.h"
#include "ui/widgets/RoundedButton.h"

namespace {

using rokal::PermissionService;
using rokal::PermissionStatus;
using rokal::ReportDocument;

QString Documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString PathOf(ReportDocument doc) {
    return Documents() + u'/' + QString::fromStdU16String(rokal::ReportFileName(doc));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers every request with fixed statuses, after an optional explanation.
class ScriptedPermissions : public PermissionService {
  public:
    ScriptedPermissions(std::vector<PermissionStatus> answer, bool explainFirst)
        : answer_(std::move(answer)), explainFirst_(explainFirst) {}

    void RequestPermissions(const QStringList& permissions, const ResultHandler& onResult,
                            const RationaleHandler& onRationale) override {
        asked = permissions;
        if (explainFirst_) {
            onRationale(permissions, [&] { onResult(permissions, answer_); });
        } else {
            onResult(permissions, answer_);
        }
    }

    QStringList asked;

  private:
    std::vector<PermissionStatus> answer_;
    bool explainFirst_;
};

class SaveTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QFile::remove(Documents());
        QDir(Documents()).removeRecursively();
        Compute();
        Click(w().cbt_View);
    }
    void TearDown() override {
        PermissionService::ReplaceInstance(nullptr);
        MainWindowTest::TearDown();
    }
    ScriptedPermissions* Answer(std::vector<PermissionStatus> answer, bool explainFirst = false) {
        auto service = std::make_unique<ScriptedPermissions>(std::move(answer), explainFirst);
        ScriptedPermissions* raw = service.get();
        PermissionService::ReplaceInstance(std::move(service));
        return raw;
    }
    QByteArray Expected(ReportDocument doc) const {
        const std::string bytes =
            rokal::EncodeToSystemCodePage(rokal::JoinReportLines(window->Log().Document(doc)));
        return QByteArray::fromStdString(bytes);
    }
};

TEST_F(SaveTest, SavesEachShownReportIntoANewDocumentsFolder) {
    Click(w().cbt_Save);
    EXPECT_TRUE(messages.empty());
    const QByteArray text = ReadAll(PathOf(ReportDocument::Text));
    EXPECT_EQ(text, Expected(ReportDocument::Text));
    EXPECT_FALSE(text.endsWith("\r\n"));
    EXPECT_TRUE(text.contains("\r\n"));
    EXPECT_EQ(w().Log().UnsavedFlags(), 2);
    EXPECT_FALSE(w().cbt_Save->isEnabled());
    EXPECT_FALSE(QFile::exists(PathOf(ReportDocument::Table)));

    Click(w().cbt_PageBook);
    ASSERT_TRUE(w().cbt_Save->isEnabled());
    Click(w().cbt_Save);
    EXPECT_EQ(ReadAll(PathOf(ReportDocument::Table)), Expected(ReportDocument::Table));
    EXPECT_EQ(w().Log().UnsavedFlags(), 0);
    EXPECT_FALSE(w().cbt_Save->isEnabled());
    Click(w().cbt_PageBook);
    EXPECT_FALSE(w().cbt_Save->isEnabled());
}

TEST_F(SaveTest, ALaterSaveReplacesTheFile) {
    Click(w().cbt_Save);
    Click(w().cbt_Exit);
    Type(w().cbe_dd, "1500");
    Compute();
    Click(w().cbt_View);
    Click(w().cbt_Save);
    EXPECT_EQ(ReadAll(PathOf(ReportDocument::Text)), Expected(ReportDocument::Text));
    EXPECT_TRUE(ReadAll(PathOf(ReportDocument::Text)).contains("ZH2"));
}

TEST_F(SaveTest, AsksForTheWritePermissionOnly) {
    ScriptedPermissions* service = Answer({PermissionStatus::Granted});
    Click(w().cbt_Save);
    EXPECT_EQ(service->asked, QStringList{QString()});  // the desktop's empty name
}

TEST_F(SaveTest, AnythingButOneGrantIsRefused) {
    const std::vector<std::vector<PermissionStatus>> answers = {
        {PermissionStatus::Denied},
        {PermissionStatus::PermanentlyDenied},
        {},
        {PermissionStatus::Granted, PermissionStatus::Granted},
    };
    for (const auto& answer : answers) {
        messages.clear();
        Answer(answer);
        Click(w().cbt_Save);
        ASSERT_EQ(messages.size(), 1u) << answer.size();
        EXPECT_EQ(messages[0].text, "无权存盘");
        EXPECT_TRUE(w().cbt_Save->isEnabled());
        EXPECT_EQ(w().Log().UnsavedFlags(), 3);
        EXPECT_FALSE(QFile::exists(PathOf(ReportDocument::Text)));
    }
}

TEST_F(SaveTest, TheExplanationComesBeforeTheSave) {
    Answer({PermissionStatus::Granted}, true);
    Click(w().cbt_Save);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "需要存贮权限，否则计算结果不能存盘");
    EXPECT_TRUE(QFile::exists(PathOf(ReportDocument::Text)));
}

TEST_F(SaveTest, AFailedWriteIsReportedWithItsPathAndChangesNothing) {
    // A folder where the file should go: it cannot be replaced by a file.
    ASSERT_TRUE(QDir().mkpath(PathOf(ReportDocument::Text)));
    Click(w().cbt_Save);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, rokal::MessageKind::Error);
    // Named as the system names it, "\\" between folders on Windows.
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(PathOf(ReportDocument::Text))))
        << messages[0].text.toStdString();
    EXPECT_TRUE(w().cbt_Save->isEnabled());
    EXPECT_EQ(w().Log().UnsavedFlags(), 3);

    // The user can try again once the obstacle is gone.
    QDir(PathOf(ReportDocument::Text)).removeRecursively();
    Click(w().cbt_Save);
    EXPECT_TRUE(QFile::exists(PathOf(ReportDocument::Text)));
    EXPECT_FALSE(w().cbt_Save->isEnabled());
}

TEST_F(SaveTest, NoDocumentsFolderIsReportedNotWrittenElsewhere) {
    // A file in the place of the Documents folder: the folder cannot be made.
    QFile blocker(Documents());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Click(w().cbt_Save);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, rokal::MessageKind::Error);
    EXPECT_TRUE(w().cbt_Save->isEnabled());
    QFile::remove(Documents());
}

}  // namespace
