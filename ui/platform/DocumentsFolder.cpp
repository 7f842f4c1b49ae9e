#include "ui/platform/DocumentsFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace rokal {

QString DocumentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return QString();
    }
    return folder;
}

}  // namespace rokal
