#include "ui/main/MainWindowKeys.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleHints>
#include <algorithm>
#include <vector>

#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/widgets/ReportView.h"
#include "ui/widgets/RoundedButton.h"
#include "ui/widgets/WheelGuard.h"

namespace rokal {

namespace {

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Tab follows the screen: the inputs from the top, the action buttons, then the
// small tool buttons. Hidden controls are passed over, so "计算" and "结果", which
// share one place, share one step.
std::vector<QWidget*> FocusChain(const TMPK_FRM_KELD1& w) {
    return {w.cbe_dd, w.cbe_hr, w.edt_frk, w.cbe_hnt, w.cbb_czgy, w.cbt_compute, w.cbt_View,
            w.cbt_tuichu, w.cbt_JingDu, w.popbox_jingdu, w.cbt_CopyRight,
            // The result layer.
            w.meo_jisuanjieguo_Doc, w.meo_jisuanjieguo_Xls, w.cbt_Exit, w.cbt_Save,
            w.tcb_meoFontSize, w.cbt_sanchu, w.cbt_PageBook};
}

// The five inputs. A typed list gets its keys in its text field or in itself.
std::vector<QWidget*> Inputs(const TMPK_FRM_KELD1& w) {
    return {w.cbe_dd,  w.cbe_dd->lineEdit(), w.cbe_hr, w.cbe_hr->lineEdit(), w.edt_frk, w.cbe_hnt,
            w.cbb_czgy};
}

bool IsListStep(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
        default:
            return false;
    }
}

// After a value is typed into a list, the list still holds the item picked before,
// and a step of the wheel or an arrow key would start from there: 1250 typed over
// 1000 would become 1100. A step starts from the typed value's own item instead;
// a typed value that is no item of the list is left as it is. Returns true when
// the step must not happen.
bool StepsFromAStaleItem(QComboBox* list) {
    if (!list->isEditable() || list->currentIndex() < 0 ||
        list->currentText() == list->itemText(list->currentIndex())) {
        return false;
    }
    const int typed = list->findText(list->currentText());
    if (typed < 0) {
        return true;
    }
    // The text stays the same, so nothing of the window reacts to this.
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(typed);
    return false;
}

// The list whose text field or self is watched.
QComboBox* ListOf(QObject* watched) {
    if (auto* list = qobject_cast<QComboBox*>(watched)) {
        return list;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    return edit != nullptr ? qobject_cast<QComboBox*>(edit->parentWidget()) : nullptr;
}

}  // namespace

MainWindowKeys::MainWindowKeys(TMPK_FRM_KELD1& window) : window_(window) {
    SetFocusOrder();
    Watch();
}

void MainWindowKeys::SetFocusOrder() {
    const std::vector<QWidget*> chain = FocusChain(window_);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
    // The results can be selected and copied with the mouse but take no Tab stop.
    for (QLineEdit* result : {window_.edt_kesair, window_.edt_ra, window_.edt_rc}) {
        result->setFocusPolicy(Qt::ClickFocus);
    }
    // A list takes the focus by a click or Tab, never by the wheel passing over it.
    for (QComboBox* list : window_.findChildren<QComboBox*>()) {
        list->setFocusPolicy(Qt::StrongFocus);
    }
    // The first keys typed replace the starting diameter, as after a Tab.
    window_.cbe_dd->setFocus(Qt::OtherFocusReason);
    window_.cbe_dd->lineEdit()->selectAll();
}

void MainWindowKeys::Watch() {
    for (QWidget* input : Inputs(window_)) {
        input->installEventFilter(this);
    }
    for (QComboBox* list : window_.findChildren<QComboBox*>()) {
        list->installEventFilter(this);
    }
    for (QAbstractButton* button : window_.findChildren<QAbstractButton*>()) {
        button->installEventFilter(this);
    }
}

bool MainWindowKeys::IsInput(const QObject* object) const {
    const std::vector<QWidget*> inputs = Inputs(window_);
    return std::find(inputs.begin(), inputs.end(), object) != inputs.end();
}

QAbstractButton* MainWindowKeys::ActionButton() const {
    if (window_.cbt_compute->isHidden()) {
        return window_.cbt_View;
    }
    return window_.cbt_compute;
}

bool MainWindowKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return OnKeyPress(watched, static_cast<QKeyEvent*>(event));
        case QEvent::Wheel: {
            if (PassWheelWithoutFocus(watched, event)) {
                return true;
            }
            auto* list = qobject_cast<QComboBox*>(watched);
            return list != nullptr && StepsFromAStaleItem(list);
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return SecondClickOnSwap(watched, static_cast<QMouseEvent*>(event));
        default:
            return false;
    }
}

bool MainWindowKeys::OnKeyPress(QObject* watched, QKeyEvent* event) {
    if (IsListStep(event)) {
        QComboBox* list = ListOf(watched);
        return list != nullptr && StepsFromAStaleItem(list);
    }
    if (!IsEnter(event)) {
        return false;
    }
    // A held Enter must not run through compute, the results and back.
    if (event->isAutoRepeat()) {
        return true;
    }
    QAbstractButton* target = nullptr;
    if (IsInput(watched)) {
        target = ActionButton();
    } else {
        target = qobject_cast<QAbstractButton*>(watched);
    }
    if (target == nullptr) {
        return false;
    }
    if (target->isEnabled()) {
        target->click();
    }
    return true;
}

// A click on "计算" puts "结果" under the pointer, so the second click of a double
// click would open the results. A press on "结果" that follows the press on "计算"
// within the double-click interval, as the platform counts a double click, is
// swallowed. The times are those of the events, not of the clock.
bool MainWindowKeys::SecondClickOnSwap(QObject* watched, const QMouseEvent* event) {
    if (watched == window_.cbt_compute) {
        computePressed_ = event->timestamp();
        return false;
    }
    if (watched != window_.cbt_View || !computePressed_) {
        return false;
    }
    const quint64 interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    return event->timestamp() - *computePressed_ < interval;
}

void MainWindowKeys::AfterRoundingChange() {
    if (window_.popbox_jingdu->isHidden() && !window_.cbt_View->isHidden()) {
        window_.cbt_View->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace rokal
