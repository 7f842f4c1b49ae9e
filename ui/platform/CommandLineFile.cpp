#include "ui/platform/CommandLineFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include "ui/platform/LocalPaths.h"

namespace rokal {

std::filesystem::path CommandLineFilePath(const std::string& argvBytes) {
#ifdef Q_OS_WIN
    // The wide argument whose code-page form argv holds: a character the code
    // page lacks is "?" in both.
    const QByteArray bytes = QByteArray::fromStdString(argvBytes);
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = arguments.size() - 1; i > 0; --i) {
        if (arguments.at(i).toLocal8Bit() == bytes) {
            return LocalPath(arguments.at(i));
        }
    }
#endif
    return PathFromArgument(argvBytes);
}

}  // namespace rokal
