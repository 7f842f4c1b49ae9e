#include "ui/about/MouseLabel.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>

namespace rokal {

MouseLabel::MouseLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void MouseLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit mouseMoved(this, QGuiApplication::keyboardModifiers(), event->position());
}

void MouseLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(this, event->modifiers(), event->position());
    event->accept();
}

void MouseLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft(this);
}

void MouseLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
    }
    event->accept();
    if (click) {
        emit clicked(this);
    }
}

}  // namespace rokal
