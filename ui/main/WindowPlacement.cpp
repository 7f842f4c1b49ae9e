#include "ui/main/WindowPlacement.h"

#include <QFont>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace rokal {

namespace {

// The start of a span of length size centred in [start, start + room), kept
// inside it; a span longer than the room starts where the room does.
int PlaceSpan(int size, int start, int room) {
    const int centred = start + (room - size) / 2;
    return std::max(start, std::min(centred, start + room - size));
}

QRect Scaled(const QRect& rect, double factor) {
    const auto scale = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    return {scale(rect.x()), scale(rect.y()), std::max(1, scale(rect.width())),
            std::max(1, scale(rect.height()))};
}

QFont ScaledFont(QFont font, double factor) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    } else if (font.pointSizeF() > 0) {
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * factor));
    }
    return font;
}

// The frame's size before the window system has framed the window.
QSize FrameSize(const QWidget* window) {
    QSize frame = window->frameGeometry().size();
    if (frame == window->size()) {
        frame.rheight() += window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    }
    return frame;
}

}  // namespace

double FitFactor(QSize frame, const QRect& available) {
    if (frame.isEmpty() || available.isEmpty()) {
        return 1;
    }
    const double across = static_cast<double>(available.width()) / frame.width();
    const double down = static_cast<double>(available.height()) / frame.height();
    return std::min({1.0, across, down});
}

void ScaleContents(QWidget* window, double factor) {
    struct Design {
        QWidget* widget;
        QRect geometry;
        QFont font;
    };
    // Every control's place and font are read before any is changed, since a font
    // set on a parent passes on to its children.
    std::vector<Design> designs;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isWindow()) {
            designs.push_back({child, child->geometry(), child->font()});
        }
    }
    const QSize size = Scaled(QRect(QPoint(), window->size()), factor).size();
    window->setFixedSize(size);
    for (const Design& design : designs) {
        design.widget->setGeometry(Scaled(design.geometry, factor));
        design.widget->setFont(ScaledFont(design.font, factor));
    }
}

QPoint PlaceInside(QSize frame, const QRect& available) {
    return {PlaceSpan(frame.width(), available.x(), available.width()),
            PlaceSpan(frame.height(), available.y(), available.height())};
}

void PlaceOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize frame = FrameSize(window);
    // The title bar and the frame's borders keep their size: only the client area
    // shrinks.
    const QSize decoration = frame - window->size();
    const double factor = FitFactor(frame, available);
    if (factor < 1) {
        const QSize room = available.size() - decoration;
        ScaleContents(window, FitFactor(window->size(), QRect(QPoint(), room)));
    }
    window->move(PlaceInside(FrameSize(window), available));
}

}  // namespace rokal
