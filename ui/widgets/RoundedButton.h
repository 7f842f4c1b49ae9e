#pragma once

#include <QPushButton>

namespace rokal {

// A push button whose four corners are rounded with a fixed radius.
class RoundedButton : public QPushButton {
    Q_OBJECT
  public:
    RoundedButton(const QString& text, int radius, QWidget* parent = nullptr);

    int radius() const { return radius_; }

  private:
    int radius_;
};

}  // namespace rokal
