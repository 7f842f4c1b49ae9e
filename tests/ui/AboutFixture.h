#pragma once

#include <gtest/gtest.h>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <ostream>

#include "ui/about/MPK_BRV_PAS_CopyRight.h"
#include "ui/platform/ShellOpen.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Records the addresses handed to the shell instead of opening them.
class ShellOpenRecorder {
  public:
    ShellOpenRecorder()
        : previous_(rokal::SetShellOpenHandler(
              [this](const QString& address) { opened.append(address); })) {}
    ~ShellOpenRecorder() { rokal::SetShellOpenHandler(previous_); }
    ShellOpenRecorder(const ShellOpenRecorder&) = delete;
    ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

    QStringList opened;

  private:
    rokal::ShellOpenHandler previous_;
};

// The pointer and the mouse buttons, driven through the window system, so that
// Qt itself finds the control under the pointer and sends it enter, move and
// leave events as it does for a user.
namespace pointer {

inline QPoint InWindow(const QWidget* control, QPoint at) {
    return control->mapTo(control->window(), at);
}

inline void MoveOnto(const QWidget* control) {
    QTest::mouseMove(control->window()->windowHandle(),
                     InWindow(control, control->rect().center()));
}

inline void MoveTo(const QWidget* window, QPoint at) {
    QTest::mouseMove(window->windowHandle(), at);
}

inline void Click(const QWidget* control) {
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                      InWindow(control, control->rect().center()));
}

inline void ClickAt(const QWidget* window, QPoint at) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

}  // namespace pointer

// A shown About window whose links are recorded instead of opened.
class AboutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        about = std::make_unique<TMPK_BRV_FRM_CopyRight>();
        about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about.get()));
    }

    // A point of the window's background, away from every control.
    static QPoint Background() { return {8, 320}; }

    QLabel* Label(const char* name) const {
        auto* label = about->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label;
    }

    static QColor TextColour(const QWidget* control) {
        return control->palette().color(QPalette::WindowText);
    }

    ShellOpenRecorder shell;
    std::unique_ptr<TMPK_BRV_FRM_CopyRight> about;
};

inline const QColor kBlue = QColor::fromRgba(0xFF0000FF);
inline const QColor kBlack = QColor::fromRgba(0xFF000000);
inline const QColor kRed = QColor::fromRgba(0xFFFF0000);
