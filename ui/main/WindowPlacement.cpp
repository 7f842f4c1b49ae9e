#include "ui/main/WindowPlacement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace rokal {

namespace {

// The start of a span of length size centred in [start, start + room), kept
// inside it; a span longer than the room starts where the room does.
int PlaceSpan(int size, int start, int room) {
    const int centred = start + (room - size) / 2;
    return std::max(start, std::min(centred, start + room - size));
}

}  // namespace

QPoint PlaceInside(QSize frame, const QRect& available) {
    return {PlaceSpan(frame.width(), available.x(), available.width()),
            PlaceSpan(frame.height(), available.y(), available.height())};
}

void PlaceOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return;
    }
    QSize frame = window->frameGeometry().size();
    if (frame == window->size()) {
        frame.rheight() += window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    }
    window->move(PlaceInside(frame, screen->availableGeometry()));
}

}  // namespace rokal
