#include "ui/widgets/ToolBarSetting.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QToolBar>

namespace rokal {
namespace {

// Sends the focus home after Enter or Esc in the control it watches.
class FocusHome : public QObject {
  public:
    FocusHome(QWidget* control, QWidget* home) : QObject(control), home_(home) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
                case Qt::Key_Return:
                case Qt::Key_Enter:
                case Qt::Key_Escape:
                    // After the control has acted on the key.
                    QMetaObject::invokeMethod(
                        this,
                        [this] {
                            if (home_) {
                                home_->setFocus(Qt::ShortcutFocusReason);
                            }
                        },
                        Qt::QueuedConnection);
                    break;
                default:
                    break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> home_;
};

}  // namespace

void AddToolBarSetting(QToolBar* bar, const QString& label, QWidget* control, QWidget* home) {
    auto* name = new QLabel(QLatin1Char(' ') + label + QLatin1Char(' '), bar);
    name->setBuddy(control);
    bar->addWidget(name);
    bar->addWidget(control);
    control->installEventFilter(new FocusHome(control, home));
}

}  // namespace rokal
