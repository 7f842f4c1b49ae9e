#pragma once

class QPainter;

namespace rokal {

// Draws the program's logo into the 263 x 135 rectangle at the painter's origin:
// a pile through soil, socketed into layered rock, beside the program's name.
void DrawLogoPicture(QPainter& painter);

}  // namespace rokal
