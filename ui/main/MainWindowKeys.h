#pragma once

#include <QObject>
#include <optional>

class QAbstractButton;
class QKeyEvent;
class QMouseEvent;
class QWidget;
class TMPK_FRM_KELD1;

namespace rokal {

// The main window's keyboard and mouse where its layout says nothing: the tab
// order and the start focus, Enter in the inputs and on buttons, the wheel over
// the lists, the focus after a rounding change, and a double click that would
// land on "结果" the moment it replaces "计算".
class MainWindowKeys : public QObject {
    Q_OBJECT
  public:
    // Sets up the window's focus and watches its controls; the window must
    // outlive this object.
    explicit MainWindowKeys(TMPK_FRM_KELD1& window);

    // Called after a rounding change has run the compute step. When that offered
    // "结果", the focus goes there instead of to whatever follows the hidden box.
    void AfterRoundingChange();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetFocusOrder();
    void Watch();
    bool IsInput(const QObject* object) const;
    bool OnKeyPress(QObject* watched, QKeyEvent* event);
    bool SecondClickOnSwap(QObject* watched, const QMouseEvent* event);
    QAbstractButton* ActionButton() const;

    TMPK_FRM_KELD1& window_;
    // When "计算" was last pressed, in the time of the mouse events.
    std::optional<quint64> computePressed_;
};

}  // namespace rokal
