#include "print/BookPdf.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QString>

#include "print/BookPainter.h"
#include "print/PageFrame.h"

namespace rokal {

std::u16string BookPdfFileName(ReportDocument form) {
    std::u16string name = ReportFileName(form);
    const std::u16string::size_type dot = name.rfind(u'.');
    return name.substr(0, dot) + u".pdf";
}

QByteArray BookPdf(const PrintBook& book) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdU16String(BookTitle(book.form)));
        writer.setCreator(QStringLiteral("Rokal"));
        writer.setPageLayout(BookPageLayout(book.form));
        PaintBook(writer, book);
    }
    buffer.close();
    return bytes;
}

void WriteBookPdf(const PrintBook& book, const std::filesystem::path& path, const DiskSync& sync) {
    const QByteArray bytes = BookPdf(book);
    WriteFileReplacing(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       sync);
}

}  // namespace rokal
