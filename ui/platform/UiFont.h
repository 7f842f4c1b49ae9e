#pragma once

namespace rokal {

// The windows' font, set once the application object exists: on Windows the
// system's Chinese UI font, Microsoft YaHei, with SimSun where it is missing; on
// other systems the desktop's own font is kept.
void ApplyPlatformUiFont();

}  // namespace rokal
