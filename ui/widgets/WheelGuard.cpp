#include "ui/widgets/WheelGuard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>

namespace rokal {
namespace {

bool IsGuarded(const QObject* object) {
    return qobject_cast<const QComboBox*>(object) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(object) != nullptr;
}

// Watches the controls of one window.
class WheelGuard : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return PassWheelWithoutFocus(watched, event);
    }
};

}  // namespace

bool PassWheelWithoutFocus(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !IsGuarded(watched) ||
        static_cast<QWidget*>(watched)->hasFocus()) {
        return false;
    }
    event->ignore();
    return true;
}

void GuardWheels(QWidget* parent) {
    auto* guard = new WheelGuard(parent);
    for (QWidget* control : parent->findChildren<QWidget*>()) {
        if (IsGuarded(control)) {
            control->setFocusPolicy(Qt::StrongFocus);
            control->installEventFilter(guard);
        }
    }
}

}  // namespace rokal
