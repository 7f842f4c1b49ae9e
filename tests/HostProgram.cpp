#include "tests/HostProgram.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#endif

namespace rokal::test {

namespace {

constexpr int kTimeoutMs = 60000;

// Wine's own function, which Windows lacks.
using ToUnixName = char* (*)(const wchar_t*);

ToUnixName WineToUnixName() {
#ifdef _WIN32
    return reinterpret_cast<ToUnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
#else
    return nullptr;
#endif
}

QByteArray ShellQuoted(const QString& word) {
    QByteArray quoted = word.toUtf8();
    quoted.replace('\'', "'\\''");
    return '\'' + quoted + '\'';
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HostRun RunDirectly(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    HostRun run;
    run.finished = process.waitForFinished(kTimeoutMs);
    run.exitCode = process.exitCode();
    run.standardOutput = process.readAllStandardOutput();
    run.standardError = process.readAllStandardError();
    return run;
}

// The program runs in a shell script of a scratch folder's own; the status file
// appears whole, by a rename, once the program has ended.
HostRun RunThroughShell(const QString& program, const QStringList& arguments) {
    HostRun run;
    QTemporaryDir dir;
    const QString unixDir = HostFileName(dir.path());
    QByteArray command = ShellQuoted(program);
    for (const QString& argument : arguments) {
        command += ' ' + ShellQuoted(argument);
    }
    QFile script(dir.filePath(QStringLiteral("run.sh")));
    if (!script.open(QIODevice::WriteOnly)) {
        return run;
    }
    script.write("cd " + ShellQuoted(unixDir) + " || exit 1\n" + command +
                 " </dev/null >out 2>err\necho $? >status.part && mv status.part status\n");
    script.close();
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"), {HostFileName(script.fileName())})) {
        return run;
    }
    const QString status = dir.filePath(QStringLiteral("status"));
    QDeadlineTimer deadline(kTimeoutMs);
    while (!QFile::exists(status) && !deadline.hasExpired()) {
        QThread::msleep(10);
    }
    if (!QFile::exists(status)) {
        return run;
    }
    run.finished = true;
    run.exitCode = ReadFile(status).trimmed().toInt();
    run.standardOutput = ReadFile(dir.filePath(QStringLiteral("out")));
    run.standardError = ReadFile(dir.filePath(QStringLiteral("err")));
    return run;
}

}  // namespace

QString HostFileName(const QString& name) {
#ifdef _WIN32
    if (const ToUnixName toUnixName = WineToUnixName()) {
        const std::wstring wide = QDir::toNativeSeparators(name).toStdWString();
        if (char* unixName = toUnixName(wide.c_str())) {
            const QString result = QString::fromUtf8(unixName);
            HeapFree(GetProcessHeap(), 0, unixName);
            return result;
        }
    }
#endif
    return name;
}

HostRun RunHostProgram(const QString& program, const QStringList& arguments) {
    return WineToUnixName() != nullptr ? RunThroughShell(program, arguments)
                                       : RunDirectly(program, arguments);
}

}  // namespace rokal::test
