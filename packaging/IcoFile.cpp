#include "packaging/IcoFile.h"

#include <QBuffer>
#include <QDataStream>

namespace rokal {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;

QByteArray Png(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

quint16 BitsPerPixel(int colours) {
    if (colours == 0) {
        return 32;
    }
    return colours <= 2 ? 1 : colours <= 16 ? 4 : 8;
}

// An entry gives 0 for a side of 256, and the number of palette colours only for
// a paletted picture of fewer than 256 colours.
void WriteEntry(QDataStream& out, const QImage& picture, quint32 size, quint32 offset) {
    const int colours =
        picture.format() == QImage::Format_Indexed8 ? static_cast<int>(picture.colorCount()) : 0;
    out << quint8(picture.width() % 256) << quint8(picture.height() % 256)
        << quint8(colours < 256 ? colours : 0) << quint8(0) << quint16(1) << BitsPerPixel(colours)
        << size << offset;
}

}  // namespace

QByteArray MakeIcoFile(const QList<QImage>& pictures) {
    QList<QByteArray> pngs;
    for (const QImage& picture : pictures) {
        pngs.append(Png(picture));
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(pictures.size());
    quint32 offset = kDirectorySize + kEntrySize * pictures.size();
    for (int i = 0; i < pictures.size(); ++i) {
        WriteEntry(out, pictures[i], pngs[i].size(), offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) {
        out.writeRawData(png.constData(), static_cast<int>(png.size()));
    }
    return file;
}

}  // namespace rokal
