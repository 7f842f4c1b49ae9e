#pragma once

namespace rokal {

// The figures of the program's version record. The Windows resource script
// (packaging/windows/rokal.rc) repeats them in its VERSIONINFO block, and the
// Debian package takes its version from kFileVersion.
inline constexpr char kFileVersion[] = "1.2.2022.1228";
inline constexpr char kProductVersion[] = "1.2.0.0";

}  // namespace rokal
