#pragma once

#include <QString>

namespace rokal {

// The current user's Documents folder as the platform names it, when that is a
// folder that exists, or one that can be created inside the user's home; the
// empty text otherwise. A name that cannot be what the user meant is refused:
// one that is not absolute, or that holds a character its bytes could not be
// read as (a folder written in another encoding, a home with a byte that is no
// UTF-8). So is creating it anywhere but inside a home that is absolute,
// readable as UTF-8, an existing folder and not the root folder.
QString DocumentsFolder();

}  // namespace rokal
