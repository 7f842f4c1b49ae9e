// The program's identity: its version record, its desktop name and its icon.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QRegularExpression>

#include "packaging/IcoFile.h"
#include "ui/app/AppIdentity.h"
#include "ui/about/AppIcon.h"
#include "ui/about/VersionRecord.h"

namespace {

QString SourceFile(const char* path) {
    return QStringLiteral(ROKAL_SOURCE_DIR "/") + QString::fromLatin1(path);
}

QString ReadText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The first capture of pattern in text, or an empty string.
QString Find(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

QString Commas(const char* version) {
    return QString::fromLatin1(version).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

TEST(AppIdentityTest, VersionIsTheVersionRecordsFileVersion) {
    rokal::ApplyApplicationIdentity(*qApp);
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.2.2022.1228"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QString::fromLatin1(rokal::kFileVersion));
}

// The desktop matches the program's windows to its desktop entry by this name.
TEST(AppIdentityTest, DesktopFileNameNamesTheInstalledDesktopEntry) {
    rokal::ApplyApplicationIdentity(*qApp);
    const QString entry = SourceFile("packaging/linux/") + QGuiApplication::desktopFileName() +
                          QStringLiteral(".desktop");
    ASSERT_TRUE(QFileInfo::exists(entry)) << entry.toStdString();
    EXPECT_EQ(Find(ReadText(entry), QStringLiteral("^Icon=(.*)$")),
              QGuiApplication::desktopFileName());
}

TEST(AppIdentityTest, WindowIconHasTheClassicAndTheDesktopSizes) {
    rokal::ApplyApplicationIdentity(*qApp);
    const QIcon icon = QApplication::windowIcon();
    for (int size : {32, 48, 256}) {
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    }
}

// The Windows resource script repeats the version figures; they must not drift.
TEST(WindowsResourceTest, VersionInfoCarriesTheVersionRecord) {
    const QString script = ReadText(SourceFile("packaging/windows/rokal.rc"));
    EXPECT_EQ(Find(script, QStringLiteral("^FILEVERSION\\s+(\\S+)")), Commas(rokal::kFileVersion));
    EXPECT_EQ(Find(script, QStringLiteral("^PRODUCTVERSION\\s+(\\S+)")),
              Commas(rokal::kProductVersion));
    EXPECT_EQ(Find(script, QStringLiteral("\"FileVersion\",\\s*\"([^\"\\\\]*)")),
              QString::fromLatin1(rokal::kFileVersion));
    EXPECT_EQ(Find(script, QStringLiteral("\"ProductVersion\",\\s*\"([^\"\\\\]*)")),
              QString::fromLatin1(rokal::kProductVersion));
}

// The 16-colour icon is the same picture as the one drawn at 32 pixels: nothing
// is lost in storing it with a palette.
TEST(AppIconTest, SixteenColourIconIsTheThirtyTwoPixelPicture) {
    const QImage classic = rokal::DrawSixteenColourAppIcon();
    EXPECT_EQ(classic.size(), QSize(32, 32));
    EXPECT_EQ(classic.format(), QImage::Format_Indexed8);
    EXPECT_LE(classic.colorCount(), 16);
    EXPECT_EQ(classic.convertToFormat(QImage::Format_ARGB32),
              rokal::DrawAppIcon(32).convertToFormat(QImage::Format_ARGB32));
}

// An icon file: a directory of entries, each pointing at a PNG picture of the
// side it states (0 standing for 256), the pictures following one another.
TEST(IcoFileTest, EntriesPointAtThePicturesTheyDescribe) {
    const QList<QImage> pictures = {rokal::DrawAppIcon(16), rokal::DrawSixteenColourAppIcon(),
                                    rokal::DrawAppIcon(256)};
    const QByteArray file = rokal::MakeIcoFile(pictures);
    QDataStream in(file);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 9, type = 0, count = 0;
    in >> reserved >> type >> count;
    EXPECT_EQ(reserved, 0);
    EXPECT_EQ(type, 1);
    ASSERT_EQ(count, pictures.size());

    quint32 expectedOffset = 6 + 16 * count;
    for (const QImage& picture : pictures) {
        SCOPED_TRACE(picture.width());
        quint8 width = 0, height = 0, colours = 0, zero = 1;
        quint16 planes = 0, bits = 0;
        quint32 size = 0, offset = 0;
        in >> width >> height >> colours >> zero >> planes >> bits >> size >> offset;
        EXPECT_EQ(width, picture.width() % 256);
        EXPECT_EQ(height, picture.height() % 256);
        EXPECT_EQ(zero, 0);
        EXPECT_EQ(planes, 1);
        EXPECT_EQ(offset, expectedOffset);
        const QImage stored = QImage::fromData(file.mid(offset, size), "PNG");
        EXPECT_EQ(stored.convertToFormat(QImage::Format_ARGB32),
                  picture.convertToFormat(QImage::Format_ARGB32));
        expectedOffset += size;
    }
    EXPECT_EQ(expectedOffset, static_cast<quint32>(file.size()));
}
