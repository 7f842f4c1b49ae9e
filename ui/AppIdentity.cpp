#include "ui/AppIdentity.h"

#include <QApplication>

namespace rokal {

void ApplyApplicationIdentity(QApplication& app) {
    app.setApplicationName(QStringLiteral("Rokal"));
}

}  // namespace rokal
