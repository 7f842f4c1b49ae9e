#pragma once

#include <QImage>
#include <QString>

namespace rokal {

// A square QR code picture of text, size x size pixels: black modules on white,
// every module the same whole number of pixels, the code centred inside a quiet
// zone of at least four modules. A text too long for a code gives a white picture.
QImage MakeContactCode(const QString& text, int size);

}  // namespace rokal
