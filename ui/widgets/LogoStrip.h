#pragma once

#include <QWidget>

namespace rokal {

// The status strip's logo: the program's picture, drawn small and centred over a
// light radial gradient.
class LogoStrip : public QWidget {
    Q_OBJECT
  public:
    explicit LogoStrip(QWidget* parent = nullptr);

    // Size of the picture before it is scaled down.
    static constexpr QSize kPictureSize{263, 135};
    static constexpr double kScale = 0.22;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace rokal
