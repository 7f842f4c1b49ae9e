#pragma once

#include <QByteArray>
#include <QList>

#include <QImage>

namespace rokal {

// A Windows icon file holding the given square pictures, each stored as PNG
// (read by Windows Vista and later). Pictures larger than 256 pixels are not
// allowed in an icon file; the caller passes 256 and less.
QByteArray MakeIcoFile(const QList<QImage>& pictures);

}  // namespace rokal
