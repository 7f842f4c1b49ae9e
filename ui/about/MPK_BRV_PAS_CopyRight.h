#pragma once

#include <QPointF>
#include <QWidget>

class QLabel;

namespace rokal {
class MouseLabel;
class RoundedButton;
}  // namespace rokal

// The About window, opened from the main window's "©" button: the program's title
// and credits, three links and an update button. It is created on first use and
// afterwards only hidden and shown. A mouse press in any other window of the
// program hides it; presses inside it and opening a link leave it open.
class TMPK_BRV_FRM_CopyRight : public QWidget {
    Q_OBJECT
  public:
    explicit TMPK_BRV_FRM_CopyRight(QWidget* parent = nullptr);

    // The controls, all on the 260 x 330 layer.
    QWidget* CopyRightLayer = nullptr;
    QLabel* lb_mokuaiming = nullptr;
    QLabel* lb_fubiaoti = nullptr;
    QLabel* lB_copyright = nullptr;
    QLabel* lb_sheji = nullptr;
    QLabel* lb_zhucheshi1 = nullptr;
    QLabel* lb_zhuceshi2 = nullptr;
    rokal::MouseLabel* lb_danwei = nullptr;
    QLabel* img_Contact = nullptr;
    QLabel* lb_wangzhilb = nullptr;
    QLabel* lb_lianxi = nullptr;
    rokal::MouseLabel* lb_wangzhi = nullptr;
    rokal::RoundedButton* cbt_update = nullptr;
    rokal::MouseLabel* lb_lianxiUr = nullptr;

    // Event handlers. Each gets the control that raised the event, the move
    // handlers also the keys held and the pointer position; none needs them.
    void lb_danweiMouseMove(QObject* sender, Qt::KeyboardModifiers keys, QPointF position);
    void lb_danweiMouseLeave(QObject* sender);
    void lb_danweiClick(QObject* sender);
    void lb_wangzhiMouseMove(QObject* sender, Qt::KeyboardModifiers keys, QPointF position);
    void lb_wangzhiMouseLeave(QObject* sender);
    void lb_wangzhiClick(QObject* sender);
    void lb_lianxiUrMouseMove(QObject* sender, Qt::KeyboardModifiers keys, QPointF position);
    void lb_lianxiUrMouseLeave(QObject* sender);
    void lb_lianxiUrClick(QObject* sender);
    void cbt_updateClick(QObject* sender);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateTitle();
    void CreateCredits();
    void CreateLinks();
    void BindHandlers();
    void CentreOnScreen();
};
