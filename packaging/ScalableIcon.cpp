#include "packaging/ScalableIcon.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/about/AppIcon.h"

namespace rokal {

QByteArray MakeScalableIcon(int size) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Rokal"));
    QPainter painter(&svg);
    PaintAppIcon(painter, size);
    painter.end();
    return buffer.data();
}

}  // namespace rokal
