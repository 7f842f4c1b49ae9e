#include "ui/about/MPK_BRV_PAS_CopyRight.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include "ui/about/ContactCode.h"
#include "ui/about/Credits.h"
#include "ui/about/HoverStyle.h"
#include "ui/about/MouseLabel.h"
#include "ui/about/VersionRecord.h"
#include "ui/platform/ShellOpen.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/RoundedButton.h"

namespace {

constexpr QSize kDesignSize(260, 330);
constexpr int kContactCodeSize = 168;

constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kHoverRed = 0xFFFF0000;

const QGradientStops kBackground = {
    {0.0, QColor(0xFFF48D72)}, {0.5186335444450378, QColor(0xFFFEE9E9)}, {1.0, QColor(0xFFFEE9E9)}};

// What a control changes of the default look; zero and empty mean "keep".
struct TextLook {
    int pixelSize = 0;
    bool bold = false;
    QRgb colour = 0;
    Qt::Alignment alignment = {};
};

const TextLook kDefaultLook{};
const TextLook kTitleLook{18, true, kBlue, Qt::AlignCenter};
const TextLook kSeriesLook{14, false, 0, Qt::AlignCenter};
const TextLook kDesignerTitleLook{10};
const TextLook kOrganisationLook{10, false, kBlack, Qt::AlignCenter};
const TextLook kLinkLook{0, false, kBlue};

void ApplyLook(QWidget* control, const TextLook& look) {
    if (look.pixelSize > 0 || look.bold) {
        QFont font = control->font();
        if (look.pixelSize > 0) {
            font.setPixelSize(look.pixelSize);
        }
        font.setBold(look.bold);
        control->setFont(font);
    }
    if (look.colour != 0) {
        rokal::SetTextColour(control, QColor::fromRgba(look.colour));
    }
}

template <typename Label = QLabel>
Label* AddLabel(QWidget* layer, const char* name, const QRect& place, const QString& text,
                const TextLook& look) {
    auto* label = new Label(layer);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    ApplyLook(label, look);
    if (look.alignment) {
        label->setAlignment(look.alignment);
    }
    return label;
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString OrganisationInFullWidthParentheses() {
    return QStringLiteral("（%1）").arg(Text(rokal::credits::kOrganisation));
}

QString OrganisationInAsciiParentheses() {
    return QStringLiteral("(%1)").arg(Text(rokal::credits::kOrganisation));
}

void ShowHovered(QWidget* link) {
    rokal::AddHoverStyle(link);
    rokal::SetTextColour(link, QColor::fromRgba(kHoverRed));
}

void ShowAtRest(QWidget* link, QRgb colour) {
    rokal::RemoveHoverStyle(link);
    rokal::SetTextColour(link, QColor::fromRgba(colour));
}

}  // namespace

// A title bar with only a close button. Qt states a frame without any button in
// the functions of the X11 window manager hints alone, which many window managers
// ignore and then draw minimise and maximise; asking for the close button makes it
// state the decorations as well, and these leave both out.
constexpr Qt::WindowFlags kFrame =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

TMPK_BRV_FRM_CopyRight::TMPK_BRV_FRM_CopyRight(QWidget* parent) : QWidget(parent, kFrame) {
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(kDesignSize);
    // The window lives for the whole run but must not keep the program alive once
    // the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    rokal::ApplyVerticalGradient(this, kBackground);

    // The window has the layer's design size, so the layer fits it at scale 1.
    CopyRightLayer = new QWidget(this);
    CopyRightLayer->setObjectName(QStringLiteral("CopyRightLayer"));
    CopyRightLayer->setGeometry(QRect(QPoint(0, 0), kDesignSize));

    CreateTitle();
    CreateCredits();
    CreateLinks();
    BindHandlers();
    qApp->installEventFilter(this);
}

void TMPK_BRV_FRM_CopyRight::CreateTitle() {
    using namespace rokal::credits;
    lb_mokuaiming =
        AddLabel(CopyRightLayer, "lb_mokuaiming", {0, 16, 265, 33}, Text(kTitle), kTitleLook);
    lb_fubiaoti = AddLabel(
        CopyRightLayer, "lb_fubiaoti", {0, 48, 265, 17},
        QStringLiteral("（%1 V%2）").arg(Text(kSeries), Text(rokal::kFileVersion)), kSeriesLook);
    lB_copyright =
        AddLabel(CopyRightLayer, "lB_copyright", {32, 72, 217, 25}, Text(kCopyright), kDefaultLook);
}

void TMPK_BRV_FRM_CopyRight::CreateCredits() {
    using namespace rokal::credits;
    lb_sheji = AddLabel(CopyRightLayer, "lb_sheji", {32, 104, 100, 25},
                        QStringLiteral("设计： %1").arg(Text(kDesigner)), kDefaultLook);
    lb_zhucheshi1 = AddLabel(CopyRightLayer, "lb_zhucheshi1", {122, 96, 128, 25},
                             Text(kDesignerTitle1), kDesignerTitleLook);
    lb_zhuceshi2 = AddLabel(CopyRightLayer, "lb_zhuceshi2", {122, 112, 128, 25},
                            Text(kDesignerTitle2), kDesignerTitleLook);
    lb_danwei =
        AddLabel<rokal::MouseLabel>(CopyRightLayer, "lb_danwei", {32, 128, 218, 25},
                                    OrganisationInFullWidthParentheses(), kOrganisationLook);
    img_Contact =
        AddLabel(CopyRightLayer, "img_Contact", {72, 212, 100, 100}, QString(), kDefaultLook);
    img_Contact->setScaledContents(true);
    img_Contact->setPixmap(
        QPixmap::fromImage(rokal::MakeContactCode(Text(kWebAddress), kContactCodeSize)));
}

void TMPK_BRV_FRM_CopyRight::CreateLinks() {
    using namespace rokal::credits;
    lb_wangzhilb = AddLabel(CopyRightLayer, "lb_wangzhilb", {32, 152, 50, 25},
                            QStringLiteral("网址："), kDefaultLook);
    lb_lianxi = AddLabel(CopyRightLayer, "lb_lianxi", {32, 176, 50, 25}, QStringLiteral("邮箱："),
                         kDefaultLook);
    lb_wangzhi = AddLabel<rokal::MouseLabel>(CopyRightLayer, "lb_wangzhi", {70, 152, 146, 25},
                                             Text(kWebAddressShown), kLinkLook);
    cbt_update = new rokal::RoundedButton(QStringLiteral("更\n新"), 5, CopyRightLayer);
    cbt_update->setObjectName(QStringLiteral("cbt_update"));
    cbt_update->setGeometry(216, 156, 20, 40);
    ApplyLook(cbt_update, kDesignerTitleLook);
    lb_lianxiUr = AddLabel<rokal::MouseLabel>(CopyRightLayer, "lb_lianxiUr", {70, 176, 146, 25},
                                              Text(kMailAddress), kLinkLook);
}

void TMPK_BRV_FRM_CopyRight::BindHandlers() {
    using Self = TMPK_BRV_FRM_CopyRight;
    using rokal::MouseLabel;
    connect(lb_danwei, &MouseLabel::mouseMoved, this, &Self::lb_danweiMouseMove);
    connect(lb_danwei, &MouseLabel::mouseLeft, this, &Self::lb_danweiMouseLeave);
    connect(lb_danwei, &MouseLabel::clicked, this, &Self::lb_danweiClick);
    connect(lb_wangzhi, &MouseLabel::mouseMoved, this, &Self::lb_wangzhiMouseMove);
    connect(lb_wangzhi, &MouseLabel::mouseLeft, this, &Self::lb_wangzhiMouseLeave);
    connect(lb_wangzhi, &MouseLabel::clicked, this, &Self::lb_wangzhiClick);
    connect(lb_lianxiUr, &MouseLabel::mouseMoved, this, &Self::lb_lianxiUrMouseMove);
    connect(lb_lianxiUr, &MouseLabel::mouseLeft, this, &Self::lb_lianxiUrMouseLeave);
    connect(lb_lianxiUr, &MouseLabel::clicked, this, &Self::lb_lianxiUrClick);
    connect(cbt_update, &QPushButton::clicked, this, [this] { cbt_updateClick(cbt_update); });
}

void TMPK_BRV_FRM_CopyRight::lb_danweiMouseMove(QObject*, Qt::KeyboardModifiers, QPointF) {
    lb_danwei->setText(Text(rokal::credits::kOrganisationAddress));
    ShowHovered(lb_danwei);
}

void TMPK_BRV_FRM_CopyRight::lb_danweiMouseLeave(QObject*) {
    lb_danwei->setText(OrganisationInAsciiParentheses());
    ShowAtRest(lb_danwei, kBlack);
}

void TMPK_BRV_FRM_CopyRight::lb_danweiClick(QObject*) {
    rokal::ShellOpen(Text(rokal::credits::kOrganisationAddress));
}

void TMPK_BRV_FRM_CopyRight::lb_wangzhiMouseMove(QObject*, Qt::KeyboardModifiers, QPointF) {
    ShowHovered(lb_wangzhi);
}

void TMPK_BRV_FRM_CopyRight::lb_wangzhiMouseLeave(QObject*) {
    ShowAtRest(lb_wangzhi, kBlue);
}

void TMPK_BRV_FRM_CopyRight::lb_wangzhiClick(QObject*) {
    rokal::ShellOpen(Text(rokal::credits::kWebAddress));
}

void TMPK_BRV_FRM_CopyRight::lb_lianxiUrMouseMove(QObject*, Qt::KeyboardModifiers, QPointF) {
    ShowHovered(lb_lianxiUr);
}

void TMPK_BRV_FRM_CopyRight::lb_lianxiUrMouseLeave(QObject*) {
    ShowAtRest(lb_lianxiUr, kBlue);
}

void TMPK_BRV_FRM_CopyRight::lb_lianxiUrClick(QObject*) {
    rokal::ShellOpen(QStringLiteral("mailto:") + Text(rokal::credits::kMailAddress));
}

void TMPK_BRV_FRM_CopyRight::cbt_updateClick(QObject*) {
    rokal::ShellOpen(Text(rokal::credits::kUpdateAddress));
}

// Hides the window on a press in any other window of the program. The press goes
// on to its own window as usual.
bool TMPK_BRV_FRM_CopyRight::eventFilter(QObject* watched, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && isVisible()) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() != this) {
            hide();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMPK_BRV_FRM_CopyRight::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        CentreOnScreen();
    }
    QWidget::showEvent(event);
}

// Centres the window on the screen under the pointer, which is the screen of the
// "©" button that was just clicked.
void TMPK_BRV_FRM_CopyRight::CentreOnScreen() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
