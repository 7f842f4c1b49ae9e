#include "print/ReportFace.h"

#include <QFontDatabase>
#include <QStringList>
#include <stdexcept>

namespace rokal {

namespace {

const char kResource[] = ":/rokal/print/RokalReportMono.otf";

// The id of the face in the application's font database. A later application
// object of the same process (a command run twice in one test) has a database of
// its own, in which the face is registered again.
int gFaceId = -1;

}  // namespace

QString ReportFaceFamily() {
    QStringList families = QFontDatabase::applicationFontFamilies(gFaceId);
    if (families.isEmpty()) {
        gFaceId = QFontDatabase::addApplicationFont(QString::fromLatin1(kResource));
        families = QFontDatabase::applicationFontFamilies(gFaceId);
    }
    if (families.isEmpty()) {
        throw std::runtime_error("无法载入计算书的打印字体");
    }
    return families.front();
}

QRawFont ReportFace(double size) {
    QFont font(ReportFaceFamily());
    font.setHintingPreference(QFont::PreferNoHinting);
    QRawFont face = QRawFont::fromFont(font);
    face.setPixelSize(size);
    return face;
}

QFont FallbackFace() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::Monospace);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace rokal
