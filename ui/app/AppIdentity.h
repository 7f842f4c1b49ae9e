#pragma once

class QApplication;

namespace rokal {

// Name, version and icon of the program, set once at start-up.
void ApplyApplicationIdentity(QApplication& app);

}  // namespace rokal
