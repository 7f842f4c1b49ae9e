#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace rokal {

// The top-left corner for a window frame of this size: centred in the available
// screen area, then moved inside it. A frame wider or taller than the area keeps
// its left or top edge on the area's, so the title bar stays reachable.
QPoint PlaceInside(QSize frame, const QRect& available);

// Places a window so on its screen. Before the window system has framed it, the
// title bar's height is estimated from the style.
void PlaceOnScreen(QWidget* window);

}  // namespace rokal
