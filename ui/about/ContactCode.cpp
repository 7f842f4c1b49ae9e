#include "ui/about/ContactCode.h"

#include <algorithm>
#include <memory>

#include <QPainter>

#include <qrencode.h>

namespace rokal {

namespace {

constexpr int kQuietModules = 4;

struct CodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};
using CodePtr = std::unique_ptr<QRcode, CodeDeleter>;

CodePtr Encode(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    // Level L keeps the code small, so its modules stay large once the picture is
    // scaled down on screen; a picture on screen suffers no damage to correct.
    return CodePtr(QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_L));
}

bool IsDark(const QRcode& code, int row, int column) {
    return (code.data[row * code.width + column] & 1) != 0;
}

void DrawModules(QPainter& painter, const QRcode& code, int size) {
    const int module = std::max(1, size / (code.width + 2 * kQuietModules));
    const int origin = (size - module * code.width) / 2;
    for (int row = 0; row < code.width; ++row) {
        for (int column = 0; column < code.width; ++column) {
            if (IsDark(code, row, column)) {
                painter.fillRect(origin + column * module, origin + row * module, module, module,
                                 Qt::black);
            }
        }
    }
}

}  // namespace

QImage MakeContactCode(const QString& text, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const CodePtr code = Encode(text);
    if (code) {
        QPainter painter(&image);
        DrawModules(painter, *code, size);
    }
    return image;
}

}  // namespace rokal
