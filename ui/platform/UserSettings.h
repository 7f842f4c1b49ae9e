#pragma once

#include <QSettings>

namespace rokal {

// The program's settings of the current user, such as the folder of the last
// schedule file: one INI file in the user's configuration folder.
QSettings UserSettings();

}  // namespace rokal
