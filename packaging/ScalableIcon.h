#pragma once

#include <QByteArray>

namespace rokal {

// The program's icon as an SVG picture of size x size units, drawn by the same
// painter code as its pictures of each size.
QByteArray MakeScalableIcon(int size);

}  // namespace rokal
