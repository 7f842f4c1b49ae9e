#include "ui/platform/LocalPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace rokal {

#ifdef _WIN32

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(path.toStdWString());
}

std::filesystem::path LocalPathOfUrl(const QUrl& url) {
    return url.isLocalFile() ? LocalPath(url.toLocalFile()) : std::filesystem::path();
}

std::filesystem::path PathFromArgument(const std::string& argument) {
    return LocalPath(QFile::decodeName(QByteArray::fromStdString(argument)));
}

QString PathText(const std::filesystem::path& path) {
    return QDir::fromNativeSeparators(QString::fromStdWString(path.native()));
}

#else

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

std::filesystem::path LocalPathOfUrl(const QUrl& url) {
    if (!url.isLocalFile()) {
        return {};
    }
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    return std::filesystem::path(QByteArray::fromPercentEncoding(encoded).toStdString());
}

std::filesystem::path PathFromArgument(const std::string& argument) {
    return std::filesystem::path(argument);
}

QString PathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

#endif

}  // namespace rokal
