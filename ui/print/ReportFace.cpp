#include "ui/print/ReportFace.h"

#include <QFontDatabase>
#include <QStringList>
#include <stdexcept>

namespace rokal {

namespace {

const char kResource[] = ":/rokal/print/RokalReportMono.otf";

QString RegisterFace() {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kResource));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        throw std::runtime_error("无法载入计算书的打印字体");
    }
    return families.front();
}

}  // namespace

QString ReportFaceFamily() {
    static const QString family = RegisterFace();
    return family;
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
