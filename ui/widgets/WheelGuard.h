#pragma once

class QEvent;
class QObject;
class QWidget;

namespace rokal {

// True for a wheel event over a list or a spin box that has no focus, which has
// then been ignored so that it goes on to the parents as if the control were not
// there. A wheel passing over a control on its way down a window changes nothing.
bool PassWheelWithoutFocus(QObject* watched, QEvent* event);

// The lists and spin boxes inside parent take the focus by a click or Tab only, and
// act on the wheel only while they have it.
void GuardWheels(QWidget* parent);

}  // namespace rokal
