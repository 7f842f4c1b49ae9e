#include "ui/widgets/RoundedButton.h"

namespace rokal {

RoundedButton::RoundedButton(const QString& text, int radius, QWidget* parent)
    : QPushButton(text, parent), radius_(radius) {
    setStyleSheet(QStringLiteral("QPushButton {"
                                 " border: 1px solid #8a8a8a; border-radius: %1px;"
                                 " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                 "   stop:0 #fdfdfd, stop:1 #e4e4e4);"
                                 " padding: 0px; }"
                                 "QPushButton:hover { border-color: #1e90ff; }"
                                 "QPushButton:pressed { background: #cfe3f7; }"
                                 "QPushButton:disabled { color: #9a9a9a; border-color: #c4c4c4; }")
                      .arg(radius));
}

}  // namespace rokal
