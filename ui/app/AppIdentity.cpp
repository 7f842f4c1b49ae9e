#include "ui/app/AppIdentity.h"

#include <QApplication>

#include "ui/about/AppIcon.h"
#include "ui/about/VersionRecord.h"

namespace rokal {

void ApplyApplicationIdentity(QApplication& app) {
    app.setApplicationName(QStringLiteral("Rokal"));
    app.setApplicationVersion(QString::fromLatin1(kFileVersion));
    app.setWindowIcon(AppIcon());
    // Matches the installed desktop entry, so that the desktop shows its icon
    // and name for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.rokal"));
}

}  // namespace rokal
