#pragma once

#include <QWidget>

// The About window, opened from the main window's "©" button.
class TMPK_BRV_FRM_CopyRight : public QWidget {
    Q_OBJECT
public:
    explicit TMPK_BRV_FRM_CopyRight(QWidget* parent = nullptr);
};
