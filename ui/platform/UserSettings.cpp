#include "ui/platform/UserSettings.h"

namespace rokal {

QSettings UserSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Rokal"),
                     QStringLiteral("Rokal"));
}

}  // namespace rokal
