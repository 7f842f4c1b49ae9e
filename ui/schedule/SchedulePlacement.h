#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace rokal {

// Where the schedule window opens, by the frames of the two windows.
struct SchedulePlacement {
    QRect schedule;          // the schedule window's frame
    QPoint calculatorShift;  // how far the calculator moves to make room
};

// The schedule window's frame beside the calculator's, inside the available screen
// area, never taller or wider than that area:
// - beside the calculator, on the side with more room, as wide as preferred or as
//   that room, when the room is at least minWidth;
// - else, when the screen is wide enough for both windows side by side with the
//   schedule window at least minWidth wide, the calculator slides toward the
//   screen's edge just as far as that needs, and both stay whole;
// - else (a screen narrower than both) on the side with more room, at least
//   minWidth wide, over part of the calculator.
// A calculator off this screen leaves the schedule window centred on it.
SchedulePlacement PlaceBesideCalculator(QSize preferred, int minWidth, const QRect& calculator,
                                        const QRect& available);

}  // namespace rokal
