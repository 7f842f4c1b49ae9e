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

// The factor that shrinks a frame of this size, uniformly, to fit the available
// area: 1 when it fits as it is, never above 1.
double FitFactor(QSize frame, const QRect& available);

// Scales the places, sizes and fonts of every control in the window by factor, as
// the window's scaled layout does when its client area is smaller than the design.
void ScaleContents(QWidget* window, double factor);

// Places a window so on its screen. A window larger than the available area is
// first scaled down to fit, so that its title bar and every control stay in reach.
// Before the window system has framed it, the title bar's height is estimated from
// the style.
void PlaceOnScreen(QWidget* window);

}  // namespace rokal
