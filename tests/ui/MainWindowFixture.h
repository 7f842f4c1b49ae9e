#pragma once

#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <memory>
#include <vector>

#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/widgets/LogoStrip.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/ReportView.h"
#include "ui/widgets/RoundedButton.h"

// The widget of the control that the platform finds under the pointer.
inline QWidget* UnderPointer(QWidget* control) {
    QWidget* child = control->childAt(control->rect().center());
    return child != nullptr ? child : control;
}

// One notch of the wheel, as the platform delivers it to what lies under the
// pointer; positive turns away from the user.
inline void Wheel(QWidget* control, int notches) {
    QWidget* target = UnderPointer(control);
    const QPointF at = QPointF(target->rect().center());
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(target, &wheel);
}

// A shown main window whose message boxes are recorded instead of shown.
class MainWindowTest : public ::testing::Test {
  public:
    struct Message {
        rokal::MessageKind kind;
        QString text;
    };

    void SetUp() override {
        previousSink_ = rokal::SetMessageSink([this](rokal::MessageKind kind, const QString& text) {
            messages.push_back({kind, text});
        });
        window = std::make_unique<TMPK_FRM_KELD1>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        window.reset();
        rokal::SetMessageSink(previousSink_);
    }

    TMPK_FRM_KELD1& w() { return *window; }

    static void Click(QAbstractButton* button) {
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Replaces the whole text as a user would: select all, then type (or paste, for
    // text that has more than printable ASCII characters).
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        bool ascii = true;
        for (QChar c : text) {
            ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7F;
        }
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else if (ascii) {
            QTest::keyClicks(edit, text);
        } else {
            edit->insert(text);  // as an input method or a paste would
        }
    }
    static void Type(QComboBox* combo, const QString& text) { Type(combo->lineEdit(), text); }

    static QColor TextColour(const QWidget* widget) {
        return widget->palette().color(QPalette::Text);
    }
    QColor StatusColour() const {
        return window->lb_shuoming->palette().color(QPalette::WindowText);
    }
    QString Status() const { return window->lb_shuoming->text(); }

    void Compute() { Click(window->cbt_compute); }

    QStringList ViewLines(const rokal::ReportView* view) const {
        QStringList lines;
        for (int i = 0; i < view->LineCount(); ++i) {
            lines << view->Line(i);
        }
        return lines;
    }
    QStringList LogLines(rokal::ReportDocument doc) const {
        QStringList lines;
        for (const std::u16string& line : window->Log().Document(doc)) {
            lines << QString::fromStdU16String(line);
        }
        return lines;
    }

    std::unique_ptr<TMPK_FRM_KELD1> window;
    std::vector<Message> messages;

  private:
    rokal::MessageSink previousSink_;
};

inline const QColor kBlack = QColor::fromRgba(0xFF000000);
inline const QColor kRed = QColor::fromRgba(0xFFFF0000);
