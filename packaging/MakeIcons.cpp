// Draws the program's icon files at build time:
//   rokal_make_icons THEME-DIR NAME SIZE... [--ico FILE]
// writes THEME-DIR/<size>x<size>/apps/NAME.png for every size and the scalable
// THEME-DIR/scalable/apps/NAME.svg, in the layout of an icon theme, and with --ico
// a Windows icon file of the same sizes (256 and less). The 32-pixel picture is
// the program's 16-colour icon. All of them are drawn by the same painter code.
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include "packaging/IcoFile.h"
#include "packaging/ScalableIcon.h"
#include "ui/about/AppIcon.h"

namespace {

constexpr int kClassicSize = 32;
constexpr int kLargestIcoSize = 256;
// The design size of the scalable icon, the largest picture's.
constexpr int kScalableSize = 256;

struct Request {
    QString themeDir;
    QString name;
    QList<int> sizes;
    QString icoFile;
};

bool Fail(const QString& message) {
    std::fprintf(stderr, "rokal_make_icons: %s\n", qPrintable(message));
    return false;
}

bool ReadRequest(const QStringList& args, Request& request) {
    if (args.size() < 3) {
        return Fail(QStringLiteral("usage: THEME-DIR NAME SIZE... [--ico FILE]"));
    }
    request.themeDir = args[0];
    request.name = args[1];
    for (int i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--ico") && i + 1 < args.size()) {
            request.icoFile = args[++i];
            continue;
        }
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size <= 0) {
            return Fail(QStringLiteral("not a size: %1").arg(args[i]));
        }
        request.sizes.append(size);
    }
    return true;
}

QImage Picture(int size) {
    return size == kClassicSize ? rokal::DrawSixteenColourAppIcon() : rokal::DrawAppIcon(size);
}

bool WriteThemeIcon(const Request& request, int size) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(request.themeDir).arg(size);
    const QString path = QStringLiteral("%1/%2.png").arg(dir, request.name);
    if (!QDir().mkpath(dir) || !Picture(size).save(path, "PNG")) {
        return Fail(QStringLiteral("cannot write %1").arg(path));
    }
    return true;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return Fail(QStringLiteral("cannot write %1").arg(path));
    }
    return true;
}

bool WriteScalableIcon(const Request& request) {
    const QString dir = QStringLiteral("%1/scalable/apps").arg(request.themeDir);
    if (!QDir().mkpath(dir)) {
        return Fail(QStringLiteral("cannot make %1").arg(dir));
    }
    return WriteFile(QStringLiteral("%1/%2.svg").arg(dir, request.name),
                     rokal::MakeScalableIcon(kScalableSize));
}

bool WriteIcoFile(const Request& request) {
    QList<QImage> pictures;
    for (int size : request.sizes) {
        if (size <= kLargestIcoSize) {
            pictures.append(Picture(size));
        }
    }
    return WriteFile(request.icoFile, rokal::MakeIcoFile(pictures));
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    Request request;
    if (!ReadRequest(args, request)) {
        return 1;
    }
    for (int size : request.sizes) {
        if (!WriteThemeIcon(request, size)) {
            return 1;
        }
    }
    if (!WriteScalableIcon(request)) {
        return 1;
    }
    if (!request.icoFile.isEmpty() && !WriteIcoFile(request)) {
        return 1;
    }
    return 0;
}
