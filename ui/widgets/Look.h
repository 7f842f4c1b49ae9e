#pragma once

#include <QColor>
#include <QGradientStops>
#include <QWidget>

namespace rokal {

// Fills the widget's background with a linear gradient down its vertical centre
// line (top at offset 0, bottom at offset 1), whatever its size.
void ApplyVerticalGradient(QWidget* widget, const QGradientStops& stops);

// Sets the colour the widget draws its text in.
void SetTextColour(QWidget* widget, QColor colour);

}  // namespace rokal
