#pragma once

#include <QString>

namespace rokal::test {

// The name of a file as the build machine's own programs that a test starts
// (poppler's tools, zbarimg) need it. Under wine those are Linux programs, which
// are given the file's Unix name; elsewhere the name is the same.
QString HostFileName(const QString& name);

}  // namespace rokal::test
