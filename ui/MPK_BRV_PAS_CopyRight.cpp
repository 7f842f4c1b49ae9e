#include "ui/MPK_BRV_PAS_CopyRight.h"

TMPK_BRV_FRM_CopyRight::TMPK_BRV_FRM_CopyRight(QWidget* parent) : QWidget(parent, Qt::Popup) {
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(260, 330);
}
