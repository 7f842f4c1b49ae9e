#include "print/ReportFace.h"

#include <gtest/gtest.h>
#include <QRawFont>
#include <set>

#include "print/PrintBook.h"
#include "print/ReportColumns.h"
#include "tests/print/PrintFixture.h"

namespace rokal {
namespace {

// At 1000 pixels an advance reads in the font's own units.
QRawFont FaceInUnits() {
    return ReportFace(1000);
}

TEST(ReportFaceTest, IsTheProgramsOwnFont) {
    EXPECT_EQ(ReportFaceFamily(), QStringLiteral("Rokal Report Mono"));
    const QRawFont face = FaceInUnits();
    EXPECT_TRUE(face.isValid());
    EXPECT_EQ(face.familyName(), QStringLiteral("Rokal Report Mono"));
}

// Every glyph is as wide as its character's cells, so a line drawn cell by cell
// leaves no gap that a PDF reader would read as a space.
TEST(ReportFaceTest, EveryCharacterIsAsWideAsItsCells) {
    const QRawFont face = FaceInUnits();
    int held = 0;
    for (char16_t unit = 0x20; unit < 0xD800; ++unit) {
        const QChar c(unit);
        if (!face.supportsCharacter(c)) {
            continue;
        }
        ++held;
        const QList<quint32> glyphs = face.glyphIndexesForString(QString(c));
        ASSERT_EQ(glyphs.size(), 1);
        const QList<QPointF> advances =
            face.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        EXPECT_DOUBLE_EQ(advances.front().x(), CellsOf(c) * 500.0) << "U+" << std::hex << unit;
    }
    EXPECT_GT(held, 7000);
}

// A glyph that two code points share reads back as the lower one; the face keeps
// no radical or compatibility form below the ideograph it draws.
TEST(ReportFaceTest, HoldsNoRadicalsThatShareAnIdeographsGlyph) {
    const QRawFont face = FaceInUnits();
    for (char16_t radical : {u'\u2F9D', u'\u2F0A', u'\u2EA0', u'\u2F6C', u'\u3B35'}) {
        EXPECT_FALSE(face.supportsCharacter(QChar(radical))) << std::hex << int(radical);
    }
}

TEST(ReportFaceTest, HoldsEveryCharacterOfTheBook) {
    const QRawFont face = FaceInUnits();
    std::set<char16_t> used;
    for (ReportDocument form : {ReportDocument::Text, ReportDocument::Table}) {
        for (const std::u16string& line : test::FixtureLines(form, 5)) {
            used.insert(line.begin(), line.end());
        }
        const std::u16string running = BookTitle(form) + PageNumberText(1, 2);
        used.insert(running.begin(), running.end());
    }
    for (char16_t c : used) {
        EXPECT_TRUE(face.supportsCharacter(QChar(c))) << std::hex << int(c);
    }
}

}  // namespace
}  // namespace rokal
