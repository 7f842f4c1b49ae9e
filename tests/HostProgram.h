#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rokal::test {

// The name of a file as the build machine's own programs that a test starts
// (poppler's tools, zbarimg) need it. Under wine those are Linux programs, which
// are given the file's Unix name; elsewhere the name is the same.
QString HostFileName(const QString& name);

struct HostRun {
    bool finished = false;  // within the time allowed, with an exit status
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};

// Runs one of the build machine's programs and waits for it. Under wine a Linux
// program started from a Windows one cannot be waited for: it is run by the shell,
// which leaves its output and then its exit status in files that are waited for.
HostRun RunHostProgram(const QString& program, const QStringList& arguments);

}  // namespace rokal::test
