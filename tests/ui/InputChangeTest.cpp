// What each input change clears, offers and marks.
#include <cctype>
#include <functional>

#include "tests/ui/MainWindowFixture.h"
#include "ui/widgets/RoundedButton.h"

namespace {

using InputChangeTest = MainWindowTest;

struct ClearCase {
    const char* name;
    std::function<void(TMPK_FRM_KELD1&)> change;
    bool clearsZeta, clearsRa, clearsRc;
    bool keepsStatus;  // the rock class stays in the status label
};

// Shown with ::testing::PrintToString in failure messages.
void PrintTo(const ClearCase& c, std::ostream* out) {
    *out << c.name;
}

class ClearsTest : public MainWindowTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearsTest, ClearsTheDependentResultsAndOffersCompute) {
    Compute();
    ASSERT_TRUE(w().cbt_View->isVisible());
    GetParam().change(w());
    EXPECT_EQ(w().edt_kesair->text().isEmpty(), GetParam().clearsZeta);
    EXPECT_EQ(w().edt_ra->text().isEmpty(), GetParam().clearsRa);
    EXPECT_EQ(w().edt_rc->text().isEmpty(), GetParam().clearsRc);
    EXPECT_TRUE(w().cbt_compute->isVisible());
    EXPECT_TRUE(w().cbt_compute->isEnabled());
    EXPECT_FALSE(w().cbt_View->isVisible());
    EXPECT_EQ(Status(), GetParam().keepsStatus ? "较软岩" : "");
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EachInput, ClearsTest,
    ::testing::Values(
        ClearCase{"d", [](TMPK_FRM_KELD1& w) { MainWindowTest::Type(w.cbe_dd, "1200"); }, true,
                  true, true, false},
        ClearCase{"hr", [](TMPK_FRM_KELD1& w) { MainWindowTest::Type(w.cbe_hr, "2.0d"); }, true,
                  true, false, true},
        ClearCase{"frk", [](TMPK_FRM_KELD1& w) { MainWindowTest::Type(w.edt_frk, "30"); }, true,
                  true, false, false},
        ClearCase{"grade", [](TMPK_FRM_KELD1& w) { w.cbe_hnt->setCurrentIndex(5); }, false, false,
                  true, true},
        ClearCase{"process", [](TMPK_FRM_KELD1& w) { w.cbb_czgy->setCurrentIndex(3); }, true, true,
                  true, true},
        ClearCase{"d picked from its list", [](TMPK_FRM_KELD1& w) { w.cbe_dd->setCurrentIndex(4); },
                  true, true, true, false}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

struct CheckCase {
    bool diameter;  // otherwise frk
    QString text;
    bool passes;
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << (c.diameter ? "d '" : "frk '") << c.text.toStdString() << "'";
}

class ChangeCheckTest : public MainWindowTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ChangeCheckTest, MarksTheInputAsItIsTyped) {
    const CheckCase& c = GetParam();
    QLineEdit* edit = c.diameter ? w().cbe_dd->lineEdit() : w().edt_frk;
    QWidget* marked = c.diameter ? static_cast<QWidget*>(w().cbe_dd) : w().edt_frk;
    Type(edit, c.text);
    if (c.passes) {
        EXPECT_EQ(TextColour(marked), kBlack);
        EXPECT_EQ(Status(), "");
    } else {
        EXPECT_EQ(TextColour(marked), kRed);
        EXPECT_EQ(Status(), c.diameter ? "桩身直径数据有错" : "岩石单轴抗压强度值有错");
        EXPECT_EQ(StatusColour(), kRed);
        EXPECT_TRUE(w().lb_shuoming->isVisible());
        EXPECT_FALSE(w().img_Logo->isVisible());
    }
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChangeCheckTest,
    ::testing::Values(CheckCase{true, "0", false}, CheckCase{true, "-5", false},
                      CheckCase{true, "", false}, CheckCase{true, "1000mm", false},
                      CheckCase{true, "1e400", false}, CheckCase{true, " 1.2e3 ", true},
                      CheckCase{false, "0", true}, CheckCase{false, "-3", false},
                      CheckCase{false, "abc", false}, CheckCase{false, "1e999", false},
                      CheckCase{false, "12.5", true}, CheckCase{true, "1000\t", false},
                      CheckCase{true, "1000\r\n", false}, CheckCase{false, "25\x1b", false},
                      CheckCase{false, QString("25") + QChar(u'\0'), false}));

TEST_F(InputChangeTest, AValidDiameterTurnsBlackAndEmptiesAnyStatus) {
    Type(w().edt_frk, "abc");
    Type(w().cbe_dd, "0");
    ASSERT_EQ(TextColour(w().cbe_dd), kRed);
    Type(w().cbe_dd, "1200");
    EXPECT_EQ(TextColour(w().cbe_dd), kBlack);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(TextColour(w().edt_frk), kRed);  // another input keeps its mark
    // The status strip keeps showing the (now empty) label, never the logo again.
    EXPECT_TRUE(w().lb_shuoming->isVisible());
    EXPECT_FALSE(w().img_Logo->isVisible());
}

TEST_F(InputChangeTest, ADepthChangeLeavesItsColourAlone) {
    Type(w().cbe_hr, "xd");
    Compute();
    ASSERT_EQ(TextColour(w().cbe_hr), kRed);
    Type(w().cbe_hr, "1.5d");
    EXPECT_EQ(TextColour(w().cbe_hr), kRed);
    EXPECT_EQ(Status(), "嵌岩深度数据有错");
    Compute();
    EXPECT_EQ(TextColour(w().cbe_hr), kBlack);
}

}  // namespace
