#pragma once

#include <QString>

namespace rokal {

// The current user's Documents folder, created when it does not exist yet; the
// empty text when the platform knows none or it cannot be created.
QString DocumentsFolder();

}  // namespace rokal
