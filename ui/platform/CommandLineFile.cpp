#include "ui/platform/CommandLineFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace rokal {

QString CommandLineFileName(const std::string& argvBytes) {
    const QByteArray bytes = QByteArray::fromStdString(argvBytes);
#ifdef Q_OS_WIN
    // The wide argument whose code-page form argv holds: a character the code
    // page lacks is "?" in both.
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = arguments.size() - 1; i > 0; --i) {
        if (arguments.at(i).toLocal8Bit() == bytes) {
            return arguments.at(i);
        }
    }
#endif
    return QFile::decodeName(bytes);
}

}  // namespace rokal
