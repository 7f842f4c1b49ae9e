// The window under a locale whose decimal separator is a comma. These tests run in
// a process of their own started with such a locale (see CMakeLists.txt); in any
// other process they are skipped.
#include <QStringList>

#include "tests/ui/MainWindowFixture.h"
#include "ui/platform/Locale.h"

namespace {

class CommaLocaleTest : public MainWindowTest {
  protected:
    void SetUp() override {
        if (rokal::DecimalSeparator() != u',') {
            if (qEnvironmentVariableIsSet("ROKAL_COMMA_LOCALE")) {
                FAIL() << "the locale of this process has no decimal comma";
            }
            GTEST_SKIP() << "needs a locale with a decimal comma";
        }
        MainWindowTest::SetUp();
    }
};

// Every offered hr item is written with the locale's separator, so each computes.
TEST_F(CommaLocaleTest, TheHrListOffersItemsThatCompute) {
    QStringList items;
    for (int i = 0; i < w().cbe_hr->count(); ++i) {
        items << w().cbe_hr->itemText(i);
    }
    EXPECT_EQ(items, QStringList({"1,0d", "1,5d", "2,0d", "2,5d", "3,0d", "3,5d", "4,0d", "1000",
                                  "1500", "2000", "2500", "3000"}));
    EXPECT_EQ(w().cbe_hr->currentText(), "1,0d");
    for (int i = 0; i < w().cbe_hr->count(); ++i) {
        w().cbe_hr->setCurrentIndex(i);
        const int piles = w().Log().PileCount();
        Compute();
        EXPECT_EQ(w().Log().PileCount(), piles + 1) << items[i].toStdString();
        EXPECT_NE(Status(), "嵌岩深度数据有错") << items[i].toStdString();
    }
}

// d and frk are read with "." whatever the locale, as the compute reads them: the
// typing check marks exactly the texts that the compute then rejects.
TEST_F(CommaLocaleTest, TypingCheckOfDAndFrkAgreesWithTheCompute) {
    const struct {
        bool diameter;  // otherwise frk
        const char* text;
        bool valid;
    } cases[] = {
        {true, "1200.5", true},
        {true, "1200,5", false},
        {false, "12.5", true},
        {false, "12,5", false},
    };
    for (const auto& c : cases) {
        Type(w().cbe_dd, "1000");
        Type(w().edt_frk, "25");
        QWidget* input = c.diameter ? static_cast<QWidget*>(w().cbe_dd) : w().edt_frk;
        if (c.diameter) {
            Type(w().cbe_dd, c.text);
        } else {
            Type(w().edt_frk, c.text);
        }
        EXPECT_EQ(TextColour(input), c.valid ? kBlack : kRed) << c.text;
        const int piles = w().Log().PileCount();
        Compute();
        EXPECT_EQ(w().Log().PileCount(), piles + (c.valid ? 1 : 0)) << c.text;
    }
}

}  // namespace
