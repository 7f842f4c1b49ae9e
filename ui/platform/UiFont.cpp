#include "ui/platform/UiFont.h"

#include <QFont>
#include <QGuiApplication>
#include <QStringList>

namespace rokal {

void ApplyPlatformUiFont() {
#ifdef Q_OS_WIN
    // The size stays the system's; only the families change.
    QFont font = QGuiApplication::font();
    font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
    QGuiApplication::setFont(font);
#endif
}

}  // namespace rokal
