#pragma once

#include <QString>

class QToolBar;
class QWidget;

namespace rokal {

// Adds a setting to a tool bar: a label and the control it names. The label's
// mnemonic (the letter after "&", as in "结果精度(&P)") puts the focus on the
// control with Alt and the letter; Enter or Esc there, once the control has
// taken the key, gives the focus back to `home`. Returns nothing: the label is
// the control's buddy, which is how a test finds it.
void AddToolBarSetting(QToolBar* bar, const QString& label, QWidget* control, QWidget* home);

}  // namespace rokal
