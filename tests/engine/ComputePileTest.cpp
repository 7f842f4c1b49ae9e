#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <string>
#include <variant>

#include "engine/Formatting.h"
#include "engine/NumberReading.h"
#include "engine/PileResult.h"

namespace rokal {
namespace {

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

PileResult Compute(const PileInput& input, char16_t separator = u'.') {
    auto outcome = ComputePile(input, separator);
    if (const InputError* error = std::get_if<InputError>(&outcome)) {
        ADD_FAILURE() << "input rejected: " << static_cast<int>(error->kind);
        return {};
    }
    return std::get<PileResult>(outcome);
}

const PileInput kStartInput{u"1000", u"1.0d", u"25", ConcreteGrade::C30,
                            ConstructionProcess::MudWall};

// The three worked examples; Ra and Rc are written in the modes TwoDecimals ... Hundreds.
struct WorkedExample {
    PileInput input;
    const char16_t* rockClass;
    bool capped;
    double hrUsed;
    const char* zetaR;
    std::array<const char*, 5> ra;
    std::array<const char*, 5> rc;
};

const WorkedExample kExamples[] = {
    {kStartInput,
     u"较软岩",
     false,
     1000,
     "0.8567",
     {"8410.31", "8410.3", "8410", "8410", "8400"},
     {"7861.84", "7861.8", "7862", "7860", "7800"}},
    {{u"1500", u"9d", u"10", ConcreteGrade::C40, ConstructionProcess::MudWall},
     u"软岩",
     true,
     12000,
     "1.7000",
     {"15020.74", "15020.7", "15021", "15020", "15000"},
     {"23626.74", "23626.7", "23627", "23620", "23600"}},
    {{u"1000", u"5d", u"40", ConcreteGrade::C30, ConstructionProcess::Underwater},
     u"较硬岩",
     true,
     4000,
     "1.0400",
     {"16336.28", "16336.3", "16336", "16330", "16300"},
     {"6738.72", "6738.7", "6739", "6730", "6700"}},
};

TEST(ComputePileTest, WorkedExamplesInEveryMode) {
    for (const WorkedExample& example : kExamples) {
        const PileResult r = Compute(example.input);
        EXPECT_EQ(RockClassName(r.rockClass), example.rockClass);
        EXPECT_EQ(r.capped, example.capped);
        EXPECT_EQ(r.hrUsed, example.hrUsed);
        for (int m = 0; m < kPrecisionModeCount; ++m) {
            const WindowResultTexts texts =
                FormatWindowResults(r, static_cast<PrecisionMode>(m), u'.');
            EXPECT_EQ(Narrow(texts.zetaR), example.zetaR);
            EXPECT_EQ(Narrow(texts.ra), example.ra[m]) << "mode " << m;
            EXPECT_EQ(Narrow(texts.rc), example.rc[m]) << "mode " << m;
        }
    }
}

TEST(ComputePileTest, StartInputGivesEveryValueOfThePile) {
    const PileResult r = Compute(kStartInput);
    const auto text = [](double v, int decimals) {
        return Narrow(FormatFixed(v, 12, decimals, u'.'));
    };
    EXPECT_EQ(r.hrOverD, 1);
    EXPECT_EQ(r.hrOverDUsed, 1);
    EXPECT_TRUE(r.hrIsMultiple);
    EXPECT_EQ(text(r.zetaR, 6), "0.856667");
    EXPECT_EQ(text(r.ap, 6), "0.785398");
    EXPECT_EQ(text(r.mu, 6), "3.141593");
    EXPECT_EQ(text(r.qrk, 2), "16820.61");
    EXPECT_EQ(r.qsk, 0);
    EXPECT_EQ(r.quk, r.qrk);
    EXPECT_EQ(r.k, 2);
    EXPECT_EQ(text(r.ra, 3), "8410.305");
    EXPECT_EQ(r.psiC, 0.7);
    EXPECT_EQ(r.fc, 14.3);
    EXPECT_EQ(text(r.rc, 3), "7861.836");
}

TEST(ComputePileTest, GradeAndProcessTables) {
    const double fc[] = {11.9, 14.3, 16.7, 19.1, 21.1, 23.1, 25.3, 27.5};
    for (int g = 0; g < kConcreteGradeCount; ++g) {
        PileInput input = kStartInput;
        input.grade = static_cast<ConcreteGrade>(g);
        EXPECT_EQ(Compute(input).fc, fc[g]);
    }
    const double psiC[] = {0.7, 0.7, 0.7, 0.6};
    for (int p = 0; p < kConstructionProcessCount; ++p) {
        PileInput input = kStartInput;
        input.process = static_cast<ConstructionProcess>(p);
        EXPECT_EQ(Compute(input).psiC, psiC[p]);
    }
    EXPECT_EQ(ConcreteGradeText(ConcreteGrade::C60), u"C60");
    EXPECT_EQ(ConstructionProcessText(ConstructionProcess::DryClean), u"干作业成桩(清底干净)");
    EXPECT_EQ(ConstructionProcessText(ConstructionProcess::Underwater), u"水下灌注桩");
}

TEST(ComputePileTest, InputErrorIsReturnedUnchanged) {
    PileInput input = kStartInput;
    input.hrText = u"xd";
    const auto outcome = ComputePile(input, u'.');
    ASSERT_TRUE(std::holds_alternative<InputError>(outcome));
    EXPECT_EQ(std::get<InputError>(outcome).message, u"嵌岩深度数据有错");
}

TEST(ComputePileTest, OverflowEndsTheCalculation) {
    const struct {
        const char16_t* d;
        const char16_t* hr;
        const char16_t* frk;
    } cases[] = {
        {u"1e400", u"1.0d", u"25"},                                  // read beyond a double
        {u"1e200", u"1.0d", u"25"},                                  // d * d overflows
        {u"1000", u"1e400", u"25"},   {u"1e300", u"1e300d", u"25"},  // factor x d overflows
        {u"1000", u"1.0d", u"1e308"},                                // Qrk overflows
        {u"1000", u"1.0d", u"1e400"},
    };
    for (const auto& c : cases) {
        const PileInput input{c.d, c.hr, c.frk, ConcreteGrade::C30, ConstructionProcess::MudWall};
        try {
            ComputePile(input, u'.');
            ADD_FAILURE() << "no overflow for d=" << Narrow(c.d);
        } catch (const FloatingPointOverflow& e) {
            EXPECT_STREQ(e.what(), "Floating point overflow");
        }
    }
}

// The engine reads and writes numbers without the process locale: a C library
// locale with a comma must change nothing.
TEST(ComputePileTest, SameAnswersUnderACommaProcessLocale) {
    const char* found = nullptr;
    // glibc's names, then the one Windows' C runtime knows.
    for (const char* name :
         {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE.utf8", "German_Germany.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            found = name;
            break;
        }
    }
    if (found == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const PileResult r = Compute(
        {u"1200.5", u"1,5d", u"25.5", ConcreteGrade::C30, ConstructionProcess::MudWall}, u',');
    const std::string frk = Narrow(FormatFixed(r.frk, 6, 2, u'.'));
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(r.d, 1200.5);
    EXPECT_EQ(r.hr, 1.5 * 1200.5);
    EXPECT_EQ(frk, "25.50");
}

}  // namespace
}  // namespace rokal
