#include "ui/widgets/LogoPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace rokal {

namespace {

struct Band {
    int top;
    int height;
    QColor colour;
};

// Soil above the rock head, then two rock strata.
constexpr int kBandCount = 3;
const Band kBands[kBandCount] = {
    {40, 35, QColor(0xC8, 0xA0, 0x6E)},
    {75, 30, QColor(0x8C, 0x8C, 0x96)},
    {105, 30, QColor(0x64, 0x64, 0x70)},
};

void DrawGround(QPainter& painter) {
    for (const Band& band : kBands) {
        painter.fillRect(QRect(0, band.top, 110, band.height), band.colour);
    }
    painter.setPen(QPen(QColor(0x3C, 0x28, 0x14), 3));
    painter.drawLine(0, 40, 110, 40);
}

void DrawPile(QPainter& painter) {
    const QRect pile(40, 10, 30, 112);
    QLinearGradient shade(pile.topLeft(), pile.topRight());
    shade.setColorAt(0, QColor(0x9A, 0x9A, 0x9A));
    shade.setColorAt(0.5, QColor(0xE6, 0xE6, 0xE6));
    shade.setColorAt(1, QColor(0x7A, 0x7A, 0x7A));
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    painter.setBrush(shade);
    painter.drawRect(pile);
    // Load arrow on the pile head.
    painter.setBrush(QColor(0xC0, 0x10, 0x10));
    painter.setPen(Qt::NoPen);
    QPainterPath arrow;
    arrow.moveTo(45, 0);
    arrow.lineTo(65, 0);
    arrow.lineTo(55, 9);
    arrow.closeSubpath();
    painter.drawPath(arrow);
}

void DrawName(QPainter& painter) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(56);
    font.setBold(true);
    // As an outline, so that the name keeps its shape when the picture is scaled down.
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("Rokal"));
    const QRectF box(118, 0, 142, 135);
    const QRectF bounds = name.boundingRect();
    const double fit = std::min(1.0, box.width() / bounds.width());
    painter.save();
    painter.translate(box.center());
    painter.scale(fit, fit);
    painter.translate(-bounds.center());
    painter.fillPath(name, QColor(0x1E, 0x5A, 0xB4));
    painter.restore();
}

}  // namespace

void DrawLogoPicture(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawGround(painter);
    DrawPile(painter);
    DrawName(painter);
    painter.restore();
}

}  // namespace rokal
