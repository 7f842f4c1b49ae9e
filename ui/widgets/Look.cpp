#include "ui/widgets/Look.h"

#include <QLinearGradient>
#include <QPalette>

namespace rokal {

void ApplyVerticalGradient(QWidget* widget, const QGradientStops& stops) {
    QLinearGradient gradient(0.5, 0.0, 0.5, 1.0);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setStops(stops);
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, QBrush(gradient));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

}  // namespace rokal
