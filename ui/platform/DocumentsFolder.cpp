#include "ui/platform/DocumentsFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace rokal {

namespace {

// A path that is absolute and holds no replacement character, which stands for
// bytes that could not be read and would make a folder of another name.
bool IsPlainAbsolutePath(const QString& path) {
    return !path.isEmpty() && QDir::isAbsolutePath(path) &&
           !path.contains(QChar(QChar::ReplacementCharacter));
}

// The user's home: on Unix the HOME variable, only when it is set and its bytes
// are UTF-8; on Windows the profile folder. Empty when there is none to trust.
QString UserHome() {
#ifdef Q_OS_WIN
    const QString home = QDir::homePath();
#else
    const QByteArray bytes = qgetenv("HOME");
    const QString home = QString::fromUtf8(bytes);
    if (home.toUtf8() != bytes) {
        return QString();
    }
#endif
    if (!IsPlainAbsolutePath(home) || QDir(home).isRoot() || !QFileInfo(home).isDir()) {
        return QString();
    }
    return QDir::cleanPath(home);
}

// The nearest folder of path, or path itself, that exists.
QString NearestExisting(QString path) {
    while (!QFileInfo::exists(path) && !QDir(path).isRoot()) {
        path = QFileInfo(path).path();
    }
    return path;
}

// True when folder lies below home, both by name and where links lead.
bool IsInsideHome(const QString& folder, const QString& home) {
    const QString prefix = home + u'/';
    if (!folder.startsWith(prefix)) {
        return false;
    }
    const QString realHome = QFileInfo(home).canonicalFilePath();
    const QString realAncestor = QFileInfo(NearestExisting(folder)).canonicalFilePath();
    return !realHome.isEmpty() &&
           (realAncestor == realHome || realAncestor.startsWith(realHome + u'/'));
}

}  // namespace

QString DocumentsFolder() {
    const QString located = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!IsPlainAbsolutePath(located)) {
        return QString();
    }
    const QString folder = QDir::cleanPath(located);
    if (QFileInfo(folder).isDir()) {
        return folder;
    }
    const QString home = UserHome();
    if (home.isEmpty() || !IsInsideHome(folder, home) || !QDir().mkpath(folder)) {
        return QString();
    }
    return folder;
}

}  // namespace rokal
