// Runs the window tests on the offscreen platform, with a home folder of their own
// so that saved reports land in a temporary Documents folder.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DOCUMENTS_DIR");
#ifdef Q_OS_WIN
    // Windows finds Documents in the profile folder the environment names.
    qputenv("USERPROFILE", QDir::toNativeSeparators(home.path()).toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("Documents"));
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
