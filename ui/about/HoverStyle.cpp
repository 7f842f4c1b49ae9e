#include "ui/about/HoverStyle.h"

#include <QFont>
#include <QWidget>

namespace rokal {

namespace {

void SetHoverStyle(QWidget* widget, bool on) {
    QFont font = widget->font();
    font.setBold(on);
    font.setUnderline(on);
    widget->setFont(font);
}

}  // namespace

void AddHoverStyle(QWidget* widget) {
    SetHoverStyle(widget, true);
}

void RemoveHoverStyle(QWidget* widget) {
    SetHoverStyle(widget, false);
}

}  // namespace rokal
