#include "ui/main/MPK_PAS_KELD1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <variant>

#include "engine/NumberReading.h"
#include "engine/PileResult.h"
#include "report/TableReport.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/about/MPK_BRV_PAS_CopyRight.h"
#include "ui/main/MainWindowKeys.h"
#include "ui/main/ReportViews.h"
#include "ui/main/WindowPlacement.h"
#include "ui/platform/Locale.h"
#include "ui/widgets/LogoStrip.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/ReportView.h"
#include "ui/widgets/RoundedButton.h"

using rokal::InputErrorKind;
using rokal::RunGuarded;

namespace {

TMPK_FRM_KELD1* gMainWindow = nullptr;

const QColor kBlack = QColor::fromRgba(0xFF000000);
const QColor kRed = QColor::fromRgba(0xFFFF0000);

// True when the whole text is a number that the check accepts. d and frk are read
// with "." whatever the locale, exactly as the compute reads them. A number beyond
// a double's range is as wrong as one that is no number at all.
bool PassesCheck(const QString& text, bool zeroPasses) {
    try {
        const std::optional<double> value = rokal::ReadStrictNumber(text.toStdU16String(), u'.');
        return value && (zeroPasses ? *value >= 0 : *value > 0);
    } catch (const rokal::FloatingPointOverflow&) {
        return false;
    }
}

QString ErrorMessage(InputErrorKind kind) {
    return QString::fromStdU16String(rokal::MakeInputError(kind).message);
}

}  // namespace

TMPK_FRM_KELD1::TMPK_FRM_KELD1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Rokal (DBJ52/45-2018)"));
    BuildLayout();
    keys_ = std::make_unique<rokal::MainWindowKeys>(*this);
    BuildPrintActions();
    BuildScheduleAccess();
    rokal::PlaceOnScreen(this);
    FormCreate();
}

TMPK_FRM_KELD1::~TMPK_FRM_KELD1() {
    log_.SetListener(nullptr);
    if (gMainWindow == this) {
        gMainWindow = nullptr;
    }
}

TMPK_FRM_KELD1* TMPK_FRM_KELD1::MainWindow() {
    return gMainWindow;
}

void TMPK_FRM_KELD1::SetMainWindow(TMPK_FRM_KELD1* window) {
    gMainWindow = window;
}

void TMPK_FRM_KELD1::FormCreate() {
    log_.ResetCounters();
    views_ = std::make_unique<rokal::ReportViews>(log_, meo_jisuanjieguo_Doc, meo_jisuanjieguo_Xls,
                                                  [this] { ApplyLogState(); });
    log_.SetListener(views_.get());
}

void TMPK_FRM_KELD1::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
    // Closing the main window ends the program, whatever other window is open.
    QCoreApplication::quit();
}

void TMPK_FRM_KELD1::FormClose() {
    if (gMainWindow == this) {
        gMainWindow = nullptr;
    }
}

// --- Input changes -----------------------------------------------------------

void TMPK_FRM_KELD1::cbe_ddChange() {
    RunGuarded([this] {
        ClearResults({edt_kesair, edt_ra, edt_rc});
        OfferCompute();
        CheckInput(cbe_dd, cbe_dd->currentText(), InputErrorKind::DiameterInvalid, false);
    });
}

void TMPK_FRM_KELD1::cbe_hrChange() {
    RunGuarded([this] {
        ClearResults({edt_kesair, edt_ra});
        OfferCompute();
    });
}

void TMPK_FRM_KELD1::edt_frkChange() {
    RunGuarded([this] {
        ClearResults({edt_kesair, edt_ra});
        OfferCompute();
        CheckInput(edt_frk, edt_frk->text(), InputErrorKind::StrengthInvalid, true);
    });
}

void TMPK_FRM_KELD1::cbe_hntChange() {
    RunGuarded([this] {
        ClearResults({edt_rc});
        OfferCompute();
    });
}

void TMPK_FRM_KELD1::cbb_czgyChange() {
    RunGuarded([this] {
        ClearResults({edt_kesair, edt_ra, edt_rc});
        OfferCompute();
    });
}

void TMPK_FRM_KELD1::ClearResults(std::initializer_list<QLineEdit*> edits) {
    for (QLineEdit* edit : edits) {
        edit->clear();
    }
}

void TMPK_FRM_KELD1::OfferCompute() {
    cbt_compute->setEnabled(true);
    cbt_compute->show();
    cbt_View->hide();
}

void TMPK_FRM_KELD1::CheckInput(QWidget* input, const QString& text, InputErrorKind kind,
                                bool zeroPasses) {
    if (PassesCheck(text, zeroPasses)) {
        lb_shuoming->clear();
        rokal::SetTextColour(input, kBlack);
    } else {
        ReportInputError(ErrorMessage(kind), input);
    }
}

void TMPK_FRM_KELD1::ReportInputError(const QString& message, QWidget* input) {
    ShowStatus(message, kRed);
    rokal::SetTextColour(input, kRed);
}

void TMPK_FRM_KELD1::ShowStatus(const QString& text, QColor colour) {
    img_Logo->hide();
    lb_shuoming->show();
    rokal::SetTextColour(lb_shuoming, colour);
    lb_shuoming->setText(text);
}

// --- Compute -----------------------------------------------------------------

void TMPK_FRM_KELD1::cbt_computeClick() {
    RunGuarded([this] { Compute(); });
}

rokal::PileInput TMPK_FRM_KELD1::ReadInputs() const {
    rokal::PileInput input;
    input.dText = cbe_dd->currentText().toStdU16String();
    input.hrText = cbe_hr->currentText().toStdU16String();
    input.frkText = edt_frk->text().toStdU16String();
    input.grade = static_cast<rokal::ConcreteGrade>(cbe_hnt->currentIndex());
    input.process = static_cast<rokal::ConstructionProcess>(cbb_czgy->currentIndex());
    return input;
}

rokal::PrecisionMode TMPK_FRM_KELD1::SelectedPrecision() const {
    return static_cast<rokal::PrecisionMode>(popbox_jingdu->currentIndex());
}

QWidget* TMPK_FRM_KELD1::InputOf(InputErrorKind kind) const {
    switch (kind) {
        case InputErrorKind::DiameterInvalid:
            return cbe_dd;
        case InputErrorKind::SocketDepthInvalid:
            return cbe_hr;
        case InputErrorKind::StrengthInvalid:
            break;
    }
    return edt_frk;
}

void TMPK_FRM_KELD1::Compute() {
    const rokal::PileInput input = ReadInputs();
    const char16_t separator = rokal::DecimalSeparator();
    const auto outcome = rokal::ComputePile(input, separator);

    if (const auto* error = std::get_if<rokal::InputError>(&outcome)) {
        // The inputs checked before the failing one passed.
        if (error->kind != InputErrorKind::DiameterInvalid) {
            rokal::SetTextColour(cbe_dd, kBlack);
        }
        if (error->kind == InputErrorKind::StrengthInvalid) {
            rokal::SetTextColour(cbe_hr, kBlack);
        }
        ReportInputError(QString::fromStdU16String(error->message), InputOf(error->kind));
        return;
    }

    const auto& result = std::get<rokal::PileResult>(outcome);
    rokal::SetTextColour(cbe_dd, kBlack);
    rokal::SetTextColour(cbe_hr, kBlack);
    ShowStatus(QString::fromStdU16String(rokal::RockClassName(result.rockClass)), kBlack);

    const rokal::PrecisionMode mode = SelectedPrecision();
    const rokal::WindowResultTexts texts = rokal::FormatWindowResults(result, mode, separator);
    edt_kesair->setText(QString::fromStdU16String(texts.zetaR));
    edt_ra->setText(QString::fromStdU16String(texts.ra));
    edt_rc->setText(QString::fromStdU16String(texts.rc));

    log_.AppendPile(input, result, mode, rokal::CalcTimeText(), separator);
    rokal::RowResult row;
    row.input = input;
    row.pile = result;
    bookPiles_.push_back({rokal::PileNumberText(log_.PileCount()), row, {}, 0});

    cbt_View->show();
    cbt_compute->hide();
    popbox_jingdu->hide();
}

// --- Rounding, layers, exit and About ----------------------------------------

void TMPK_FRM_KELD1::cbt_JingDuClick() {
    RunGuarded([this] { popbox_jingdu->setVisible(popbox_jingdu->isHidden()); });
}

void TMPK_FRM_KELD1::popbox_jingduChange() {
    RunGuarded([this] {
        if (!popbox_jingdu->isHidden()) {
            cbt_computeClick();
            keys_->AfterRoundingChange();
        }
    });
}

void TMPK_FRM_KELD1::cbt_ViewClick() {
    RunGuarded([this] {
        // The views keep their text size; a shown view lays out its text by itself,
        // so no size step is needed to refresh it (with thousands of piles such a
        // step would cost a noticeable pause).
        MainFormLayer->hide();
        JieGuo_DocLayer->show();
    });
}

void TMPK_FRM_KELD1::cbt_ExitClick() {
    RunGuarded([this] {
        MainFormLayer->show();
        JieGuo_DocLayer->hide();
    });
}

void TMPK_FRM_KELD1::cbt_tuichuClick() {
    RunGuarded([this] { close(); });
}

void TMPK_FRM_KELD1::cbt_CopyRightClick() {
    RunGuarded([this] {
        if (!copyRight_) {
            copyRight_ = std::make_unique<TMPK_BRV_FRM_CopyRight>();
        }
        copyRight_->show();
    });
}
