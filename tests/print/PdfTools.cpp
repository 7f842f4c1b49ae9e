#include "tests/print/PdfTools.h"

#include "tests/HostProgram.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace rokal::test {

namespace {

QString Run(const char* program, const QStringList& arguments) {
    const HostRun run = RunHostProgram(QString::fromUtf8(program), arguments);
    EXPECT_TRUE(run.finished) << program;
    EXPECT_EQ(run.exitCode, 0) << program << ": " << run.standardError.data();
    return QString::fromUtf8(run.standardOutput);
}

}  // namespace

std::u16string Normalised(std::u16string_view line) {
    std::u16string out;
    bool space = false;
    for (char16_t c : line) {
        if (c == u' ') {
            space = true;
            continue;
        }
        if (space && !out.empty()) {
            out += u' ';
        }
        space = false;
        out += c;
    }
    return out;
}

std::vector<Lines> PdfPageLines(const std::string& path) {
    const QString text =
        Run(PDFTOTEXT_EXECUTABLE,
            {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
             HostFileName(QString::fromStdString(path)), QStringLiteral("-")});
    QStringList pages = text.split(QChar(u'\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) {
        pages.removeLast();
    }
    std::vector<Lines> result;
    for (const QString& page : pages) {
        Lines lines;
        for (const QString& line : page.split(QChar(u'\n'))) {
            const std::u16string normal = Normalised(line.toStdU16String());
            if (!normal.empty()) {
                lines.push_back(normal);
            }
        }
        result.push_back(lines);
    }
    return result;
}

std::vector<PdfPageSize> PdfPageSizes(const std::string& path) {
    const QString info = Run(
        PDFINFO_EXECUTABLE, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                             QStringLiteral("100000"), HostFileName(QString::fromStdString(path))});
    static const QRegularExpression size(
        QStringLiteral(R"(^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)"),
        QRegularExpression::MultilineOption);
    std::vector<PdfPageSize> sizes;
    for (auto match = size.globalMatch(info); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        sizes.push_back({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return sizes;
}

// pdffonts prints a heading, a rule and one row per font whose last seven
// columns are type words, encoding, emb, sub, uni, object and generation.
std::vector<PdfFont> PdfFonts(const std::string& path) {
    const QStringList rows =
        Run(PDFFONTS_EXECUTABLE, {HostFileName(QString::fromStdString(path))}).split(QChar(u'\n'));
    std::vector<PdfFont> fonts;
    for (qsizetype i = 2; i < rows.size(); ++i) {
        const QStringList cells = rows[i].split(QChar(u' '), Qt::SkipEmptyParts);
        if (cells.size() < 8) {
            continue;
        }
        const qsizetype n = cells.size();
        const QString type = cells.mid(1, n - 7).join(QChar(u' '));
        fonts.push_back({cells[0].toStdString(), type.toStdString(), cells[n - 5] == u"yes",
                         cells[n - 3] == u"yes"});
    }
    return fonts;
}

}  // namespace rokal::test
