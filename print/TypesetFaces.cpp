#include "print/TypesetFaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include "print/PrintBook.h"

namespace rokal {

namespace {

struct FaceFile {
    const char* resource;
    int id = -1;  // in the application's font database; a later application registers again
};

FaceFile gFaces[] = {{":/rokal/print/RokalBookSerif.otf"}, {":/rokal/print/RokalBookSans.otf"}};

QString Family(BookFace face) {
    FaceFile& file = gFaces[static_cast<int>(face)];
    QStringList families = QFontDatabase::applicationFontFamilies(file.id);
    if (families.isEmpty()) {
        file.id = QFontDatabase::addApplicationFont(QString::fromLatin1(file.resource));
        families = QFontDatabase::applicationFontFamilies(file.id);
    }
    if (families.isEmpty()) {
        throw PrintError("无法载入计算书的排版字体");
    }
    return families.front();
}

QRawFont RawOf(QFont font, double size) {
    font.setHintingPreference(QFont::PreferNoHinting);
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(size);
    return raw;
}

}  // namespace

QRawFont BookRawFont(BookFace face, double size) {
    QFont font(Family(face));
    font.setBold(face == BookFace::Sans);
    return RawOf(font, size);
}

QRawFont BookFallbackFont(BookFace face, double size) {
    QFont font;
    font.setFamilies(face == BookFace::Serif ? QStringList{QStringLiteral("Noto Serif CJK SC"),
                                                           QStringLiteral("Noto Sans CJK SC")}
                                             : QStringList{QStringLiteral("Noto Sans CJK SC")});
    font.setBold(face == BookFace::Sans);
    return RawOf(font, size);
}

}  // namespace rokal
