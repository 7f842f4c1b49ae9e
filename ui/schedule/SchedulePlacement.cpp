#include "ui/schedule/SchedulePlacement.h"

#include <algorithm>

namespace rokal {
namespace {

// The top that lines a frame of this height up with the calculator, kept inside.
int TopBeside(int height, const QRect& calculator, const QRect& available) {
    return std::clamp(calculator.top(), available.top(), available.bottom() + 1 - height);
}

}  // namespace

SchedulePlacement PlaceBesideCalculator(QSize preferred, int minWidth, const QRect& calculator,
                                        const QRect& available) {
    const int height = std::min(preferred.height(), available.height());
    const int width = std::min(preferred.width(), available.width());
    if (!available.intersects(calculator)) {
        const QPoint corner = available.center() - QPoint(width / 2, height / 2) + QPoint(1, 1);
        return {QRect(corner, QSize(width, height)), {}};
    }
    const int right = available.right() - calculator.right();
    const int left = calculator.left() - available.left();
    const bool onRight = right >= left;
    const int room = std::max(right, left);
    const int top = TopBeside(height, calculator, available);
    const auto beside = [&](const QRect& calc, int w) {
        const int x = onRight ? calc.right() + 1 : calc.left() - w;
        return QRect(x, top, w, height);
    };
    if (room >= minWidth) {
        return {beside(calculator, std::min(width, room)), {}};
    }
    const int besideBoth = available.width() - calculator.width();
    if (besideBoth >= minWidth) {
        const int w = std::min(width, besideBoth);
        const QPoint shift((onRight ? -1 : 1) * (w - room), 0);
        return {beside(calculator.translated(shift), w), shift};
    }
    const int w = std::min(available.width(), std::max(minWidth, room));
    const int x = onRight ? available.right() + 1 - w : available.left();
    return {QRect(x, top, w, height), {}};
}

}  // namespace rokal
