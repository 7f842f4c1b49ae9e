// The scalable icon shows the same picture as the icon of each size.
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

#include "packaging/ScalableIcon.h"
#include "ui/about/AppIcon.h"

namespace {

QImage Rendered(const QByteArray& svg, int size) {
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

int Difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

TEST(ScalableIconTest, DrawsThePictureOfEachSize) {
    constexpr int kSize = 256;
    const QImage svg = Rendered(rokal::MakeScalableIcon(kSize), kSize);
    const QImage png = rokal::DrawAppIcon(kSize);
    int differing = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            differing += Difference(svg.pixel(x, y), png.pixel(x, y)) > 48 ? 1 : 0;
        }
    }
    // Only edges may be smoothed a little differently.
    EXPECT_LT(differing, kSize * kSize / 100);
    // Outside the rounded tile both are clear.
    EXPECT_EQ(qAlpha(svg.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(svg.pixel(kSize - 2, kSize - 2)), 0);
}

TEST(ScalableIconTest, ScalesToAnySize) {
    const QImage large = Rendered(rokal::MakeScalableIcon(256), 512);
    const QImage drawn = rokal::DrawAppIcon(512);
    EXPECT_LT(Difference(large.pixel(256, 40), drawn.pixel(256, 40)), 8);    // the load arrow
    EXPECT_LT(Difference(large.pixel(256, 300), drawn.pixel(256, 300)), 8);  // the pile
}

}  // namespace
