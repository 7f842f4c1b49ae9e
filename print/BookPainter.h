#pragma once

#include "print/PrintBook.h"

class QPagedPaintDevice;

namespace rokal {

// Lays the book out on the pages of the device as its page layout stands (see
// BookPageLayout) and paints them: the running header with the book's title, the
// body lines in the report face, the footer with the calculation time and
// "第 n 页 共 m 页". Returns the number of pages; throws PrintError when the device
// cannot be painted on.
int PaintBook(QPagedPaintDevice& device, const PrintBook& book);

}  // namespace rokal
