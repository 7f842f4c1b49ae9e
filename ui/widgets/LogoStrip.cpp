#include "ui/widgets/LogoStrip.h"

#include <QPainter>
#include <QRadialGradient>

#include "ui/widgets/LogoPicture.h"

namespace rokal {

LogoStrip::LogoStrip(QWidget* parent) : QWidget(parent) {}

void LogoStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QRadialGradient background(0.5, 0.5, 0.5);
    background.setCoordinateMode(QGradient::ObjectMode);
    background.setColorAt(0, QColor(0xF5, 0xBD, 0xBD));
    background.setColorAt(1, Qt::white);
    painter.fillRect(rect(), background);

    const QSizeF shown = QSizeF(kPictureSize) * kScale;
    painter.translate((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    painter.scale(kScale, kScale);
    DrawLogoPicture(painter);
}

}  // namespace rokal
