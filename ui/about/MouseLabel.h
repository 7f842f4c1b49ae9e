#pragma once

#include <QLabel>
#include <QPointF>

namespace rokal {

// A label that reports the pointer moving over it, leaving it and clicking it, so
// that a window can bind its own handlers to these events. The move is reported
// on entering too, and on every move while the pointer is over the label,
// whether a button is held or not.
class MouseLabel : public QLabel {
    Q_OBJECT
  public:
    explicit MouseLabel(QWidget* parent = nullptr);

  signals:
    void mouseMoved(QObject* sender, Qt::KeyboardModifiers keys, QPointF position);
    void mouseLeft(QObject* sender);
    // A left-button press and release both on the label.
    void clicked(QObject* sender);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace rokal
