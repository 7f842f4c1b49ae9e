#include "ui/about/AppIcon.h"

#include <algorithm>
#include <array>

#include <QPainter>
#include <QPainterPath>

namespace rokal {

namespace {

// The whole palette; the 32-pixel picture uses nothing else.
constexpr QRgb kTransparent = 0x00000000;
constexpr QRgb kSky = 0xFFCFE6FA;
constexpr QRgb kSoil = 0xFFB8864B;
constexpr QRgb kRock = 0xFF6B6F7A;
constexpr QRgb kCrack = 0xFF9AA0AB;
constexpr QRgb kConcrete = 0xFFE6E6E6;
constexpr QRgb kOutline = 0xFF333A44;
constexpr QRgb kLoad = 0xFFD7301F;

constexpr std::array<QRgb, 8> kPalette = {kTransparent, kSky,      kSoil,    kRock,
                                          kCrack,       kConcrete, kOutline, kLoad};

// Everything below is drawn on a unit square.
constexpr qreal kSoilTop = 0.42;
constexpr qreal kRockTop = 0.66;
const QRectF kTile(0.03, 0.03, 0.94, 0.94);
const QRectF kPile(0.40, 0.22, 0.20, 0.64);

struct Crack {
    QPointF from;
    QPointF to;
};
constexpr std::array<Crack, 4> kCracks = {{{{0.10, 0.74}, {0.30, 0.80}},
                                           {{0.14, 0.90}, {0.32, 0.86}},
                                           {{0.68, 0.76}, {0.90, 0.72}},
                                           {{0.70, 0.90}, {0.88, 0.86}}}};

// A stroke of the given width on the unit square, but never thinner than one
// pixel: thinner strokes would be blended even without smoothing.
qreal Stroke(qreal width, int size) {
    return std::max(width, 1.0 / size);
}

QPainterPath TileOutline() {
    QPainterPath path;
    path.addRoundedRect(kTile, 0.16, 0.16);
    return path;
}

// A band of the ground, cut to the tile: the shape itself is cut, not the
// painter clipped, since a scalable picture may not carry the clip.
void FillBand(QPainter& painter, const QPainterPath& tile, qreal top, qreal bottom, QRgb colour) {
    QPainterPath band;
    band.addRect(QRectF(0, top, 1, bottom - top));
    painter.fillPath(tile.intersected(band), QColor(colour));
}

void DrawGround(QPainter& painter, const QPainterPath& tile, int size) {
    FillBand(painter, tile, 0, kSoilTop, kSky);
    FillBand(painter, tile, kSoilTop, kRockTop, kSoil);
    FillBand(painter, tile, kRockTop, 1, kRock);
    painter.setPen(QPen(QColor(kCrack), Stroke(0.035, size), Qt::SolidLine, Qt::RoundCap));
    for (const Crack& crack : kCracks) {
        painter.drawLine(crack.from, crack.to);
    }
}

void DrawPile(QPainter& painter, int size) {
    painter.setPen(
        QPen(QColor(kOutline), Stroke(0.04, size), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(QColor(kConcrete));
    painter.drawRect(kPile);
}

void DrawLoad(QPainter& painter) {
    const std::array<QPointF, 3> arrow = {QPointF(0.30, 0.04), QPointF(0.70, 0.04),
                                          QPointF(0.50, 0.20)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kLoad));
    painter.drawPolygon(arrow.data(), static_cast<int>(arrow.size()));
}

}  // namespace

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintAppIcon(painter, size);
    return image;
}

void PaintAppIcon(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, size > 32);
    painter.scale(size, size);
    const QPainterPath tile = TileOutline();
    // Everything but the ground lies inside the tile.
    DrawGround(painter, tile, size);
    DrawPile(painter, size);
    DrawLoad(painter);
    painter.setPen(QPen(QColor(kOutline), Stroke(0.03, size)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tile);
    painter.restore();
}

QImage DrawSixteenColourAppIcon() {
    const QList<QRgb> table(kPalette.begin(), kPalette.end());
    return DrawAppIcon(32)
        .convertToFormat(QImage::Format_ARGB32)
        .convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    }
    return icon;
}

}  // namespace rokal
