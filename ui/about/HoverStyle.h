#pragma once

class QWidget;

namespace rokal {

// The pointer over a link: bold and underline are added to the widget's font.
// Italic and strike-out stay as they are.
void AddHoverStyle(QWidget* widget);

// The pointer gone: bold and underline are removed from the widget's font.
// Italic and strike-out stay as they are.
void RemoveHoverStyle(QWidget* widget);

}  // namespace rokal
