// The main window's controls, built from tables: name, place on the 331 x 621
// design surface, texts, look, start state and bound handler.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/platform/Locale.h"
#include "ui/widgets/LogoStrip.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/ReportView.h"
#include "ui/widgets/RoundedButton.h"

using rokal::LogoStrip;
using rokal::ReportView;
using rokal::RoundedButton;
using Window = TMPK_FRM_KELD1;

namespace {

constexpr QSize kDesignSize(331, 621);
constexpr QRgb kDefault = 0;  // keep the platform's colour
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kBlueViolet = 0xFF8A2BE2;
constexpr QRgb kDodgerBlue = 0xFF1E90FF;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignCenter;

// The parent a control is placed on.
enum class Host { InputLayer, ResultLayer, Inputs, Outputs };

struct Look {
    int size = 0;  // design units (device-independent pixels); 0 keeps the default
    bool bold = false;
    QRgb colour = kDefault;
    Qt::Alignment align = kLeft;
};

struct LabelItem {
    QLabel* Window::*member;
    const char* name;
    Host host;
    QRect rect;
    const char* text;
    Look look;
};

struct ButtonItem {
    RoundedButton* Window::*member;
    const char* name;
    Host host;
    QRect rect;
    const char* text;
    int radius;
    const char* hint;
    bool visible;
    bool enabled;
    void (Window::*onClick)();
};

struct ComboItem {
    QComboBox* Window::*member;
    const char* name;
    Host host;
    QRect rect;
    QStringList (*items)();
    bool editable;
    bool bold;
    int selected;
    bool visible;
    void (Window::*onChange)();
};

struct EditItem {
    QLineEdit* Window::*member;
    const char* name;
    QRect rect;
};

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList DiameterItems() {
    QStringList items;
    for (int d = 1000; d <= 2000; d += 100) {
        items << QString::number(d);
    }
    return items;
}

// hr is read with the locale's decimal separator, so the offered multiples of d
// are written with it ("1,5d" under a comma locale).
QStringList HrItems() {
    QStringList items = {"1.0d", "1.5d", "2.0d", "2.5d", "3.0d", "3.5d",
                         "4.0d", "1000", "1500", "2000", "2500", "3000"};
    const QChar separator(rokal::DecimalSeparator());
    for (QString& item : items) {
        item.replace(u'.', separator);
    }
    return items;
}

// The item texts of an enumeration, in its order.
template <typename Enum>
QStringList EnumItems(int count, const std::u16string& (*text)(Enum)) {
    QStringList items;
    for (int i = 0; i < count; ++i) {
        items << QString::fromStdU16String(text(static_cast<Enum>(i)));
    }
    return items;
}

QStringList GradeItems() {
    return EnumItems(rokal::kConcreteGradeCount, &rokal::ConcreteGradeText);
}

QStringList ProcessItems() {
    return EnumItems(rokal::kConstructionProcessCount, &rokal::ConstructionProcessText);
}

QStringList PrecisionItems() {
    return EnumItems(rokal::kPrecisionModeCount, &rokal::PrecisionModeText);
}

const LabelItem kLabels[] = {
    {&Window::lb_cxm,
     "lb_cxm",
     Host::InputLayer,
     {68, 24, 209, 33},
     "Rokal",
     {24, true, kBlueViolet}},
    {&Window::lb_shuoming,
     "lb_shuoming",
     Host::InputLayer,
     {20, 584, 300, 25},
     "",
     {0, false, kRed}},
    {&Window::lb_jisuanjieguo,
     "lb_jisuanjieguo",
     Host::ResultLayer,
     {68, 24, 192, 33},
     "计算结果",
     {24, true, kBlue, kCentred}},
    {&Window::lb_dd, "lb_dd", Host::Inputs, {8, 33, 206, 32}, "桩  身   直   径    d (mm)", {}},
    {&Window::lb_hr, "lb_hr", Host::Inputs, {8, 73, 206, 32}, "桩身嵌岩深度   hr (mm)", {}},
    {&Window::lb_frk, "lb_frk", Host::Inputs, {8, 113, 206, 32}, "岩石抗压强度 frk (MPa)", {}},
    {&Window::lb_hnt, "lb_hnt", Host::Inputs, {8, 153, 206, 32}, "桩身混凝土强度等级", {}},
    {&Window::lb_czgy, "lb_czgy", Host::Inputs, {8, 193, 81, 32}, "成桩工艺", {}},
    {&Window::lb_kesair, "lb_kesair", Host::Outputs, {8, 33, 193, 33}, "侧阻和端阻综合系数 ζr", {}},
    {&Window::lb_ra, "lb_ra", Host::Outputs, {8, 73, 193, 33}, "单桩竖向承载力 Ra(kN)", {}},
    {&Window::lb_rc, "lb_rc", Host::Outputs, {8, 113, 193, 33}, "桩  身  承  载  力 Rc(kN)", {}},
    {&Window::lb_guifan,
     "lb_guifan",
     Host::Outputs,
     {2, 154, 313, 25},
     "《贵州建筑地基基础设计规范》(DBJ52/45-2018)",
     {12, false, kDefault, kCentred}},
};

const ButtonItem kButtons[] = {
    {&Window::cbt_CopyRight,
     "cbt_CopyRight",
     Host::InputLayer,
     {296, 6, 21, 21},
     "©",
     3,
     "版权信息",
     true,
     true,
     &Window::cbt_CopyRightClick},
    {&Window::cbt_compute,
     "cbt_compute",
     Host::InputLayer,
     {40, 536, 89, 33},
     "计算",
     10,
     "",
     true,
     true,
     &Window::cbt_computeClick},
    {&Window::cbt_View,
     "cbt_View",
     Host::InputLayer,
     {40, 536, 89, 33},
     "结果",
     10,
     "",
     false,
     true,
     &Window::cbt_ViewClick},
    {&Window::cbt_tuichu,
     "cbt_tuichu",
     Host::InputLayer,
     {192, 536, 89, 33},
     "退出",
     10,
     "",
     true,
     true,
     &Window::cbt_tuichuClick},
    {&Window::cbt_JingDu,
     "cbt_JingDu",
     Host::Outputs,
     {280, 10, 21, 21},
     "≈",
     3,
     "调整精度",
     true,
     true,
     &Window::cbt_JingDuClick},
    {&Window::cbt_PageBook,
     "cbt_PageBook",
     Host::ResultLayer,
     {296, 6, 21, 21},
     "1",
     3,
     "切换计算书",
     true,
     true,
     &Window::cbt_PageBookClick},
    {&Window::cbt_sanchu,
     "cbt_sanchu",
     Host::ResultLayer,
     {304, 524, 16, 16},
     "x",
     3,
     "删除最末数据",
     true,
     false,
     &Window::cbt_sanchuClick},
    {&Window::cbt_Exit,
     "cbt_Exit",
     Host::ResultLayer,
     {40, 536, 89, 33},
     "返回",
     10,
     "",
     true,
     true,
     &Window::cbt_ExitClick},
    {&Window::cbt_Save,
     "cbt_Save",
     Host::ResultLayer,
     {192, 536, 89, 33},
     "保存",
     10,
     "",
     true,
     true,
     &Window::cbt_SaveClick},
};

const ComboItem kCombos[] = {
    {&Window::cbe_dd,
     "cbe_dd",
     Host::Inputs,
     {216, 33, 89, 32},
     &DiameterItems,
     true,
     true,
     0,
     true,
     &Window::cbe_ddChange},
    {&Window::cbe_hr,
     "cbe_hr",
     Host::Inputs,
     {216, 73, 89, 32},
     &HrItems,
     true,
     true,
     0,
     true,
     &Window::cbe_hrChange},
    {&Window::cbe_hnt,
     "cbe_hnt",
     Host::Inputs,
     {216, 153, 89, 32},
     &GradeItems,
     false,
     false,
     1,
     true,
     &Window::cbe_hntChange},
    {&Window::cbb_czgy,
     "cbb_czgy",
     Host::Inputs,
     {96, 193, 209, 32},
     &ProcessItems,
     false,
     false,
     1,
     true,
     &Window::cbb_czgyChange},
    {&Window::popbox_jingdu,
     "popbox_jingdu",
     Host::Outputs,
     {190, 0, 90, 32},
     &PrecisionItems,
     false,
     false,
     2,
     false,
     &Window::popbox_jingduChange},
};

const EditItem kResultEdits[] = {
    {&Window::edt_kesair, "edt_kesair", {208, 31, 97, 32}},
    {&Window::edt_ra, "edt_ra", {208, 71, 97, 32}},
    {&Window::edt_rc, "edt_rc", {208, 111, 97, 32}},
};

QWidget* HostWidget(const Window& window, Host host) {
    switch (host) {
        case Host::InputLayer:
            return window.MainFormLayer;
        case Host::ResultLayer:
            return window.JieGuo_DocLayer;
        case Host::Inputs:
            return window.gpb_srcs;
        case Host::Outputs:
            break;
    }
    return window.gpb_scjg;
}

void SetDesignFont(QWidget* widget, int size, bool bold) {
    QFont font = widget->font();
    if (size > 0) {
        font.setPixelSize(size);
    }
    font.setBold(bold);
    widget->setFont(font);
}

void Place(QWidget* widget, const char* name, QRect rect) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
}

// Typed inputs draw in a font colour of their own, black at start, and ask for a
// numeric keypad where the platform has one.
void MakeTypedInput(QWidget* input) {
    input->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    rokal::SetTextColour(input, QColor::fromRgba(kBlack));
}

}  // namespace

void TMPK_FRM_KELD1::BuildLayout() {
    setFixedSize(kDesignSize);
    rokal::ApplyVerticalGradient(this, {{0.0, QColor::fromRgba(kDodgerBlue)}, {1.0, Qt::white}});
    BuildLayers();
    BuildLabels();
    BuildButtons();
    BuildInputs();
    BuildResultEdits();
    BuildReportTools();
}

void TMPK_FRM_KELD1::BuildLayers() {
    MainFormLayer = new QWidget(this);
    Place(MainFormLayer, "MainFormLayer", QRect(QPoint(0, 0), kDesignSize));
    JieGuo_DocLayer = new QWidget(this);
    Place(JieGuo_DocLayer, "JieGuo_DocLayer", QRect(QPoint(0, 0), kDesignSize));
    JieGuo_DocLayer->hide();

    gpb_srcs = new QGroupBox(Text("输入参数"), MainFormLayer);
    Place(gpb_srcs, "gpb_srcs", {8, 72, 315, 241});
    gpb_scjg = new QGroupBox(Text("输出结果"), MainFormLayer);
    Place(gpb_scjg, "gpb_scjg", {8, 328, 315, 185});
    for (QGroupBox* group : {gpb_srcs, gpb_scjg}) {
        rokal::SetTextColour(group, QColor::fromRgba(kBlack));
    }

    img_Logo = new LogoStrip(MainFormLayer);
    Place(img_Logo, "img_Logo", {0, 584, 329, 33});
}

void TMPK_FRM_KELD1::BuildLabels() {
    for (const LabelItem& row : kLabels) {
        auto* label = new QLabel(Text(row.text), HostWidget(*this, row.host));
        Place(label, row.name, row.rect);
        SetDesignFont(label, row.look.size, row.look.bold);
        label->setAlignment(row.look.align);
        if (row.look.colour != kDefault) {
            rokal::SetTextColour(label, QColor::fromRgba(row.look.colour));
        }
        this->*row.member = label;
    }
    lb_shuoming->hide();
}

void TMPK_FRM_KELD1::BuildButtons() {
    for (const ButtonItem& row : kButtons) {
        auto* button = new RoundedButton(Text(row.text), row.radius, HostWidget(*this, row.host));
        Place(button, row.name, row.rect);
        button->setToolTip(Text(row.hint));
        button->setVisible(row.visible);
        button->setEnabled(row.enabled);
        connect(button, &QPushButton::clicked, this, row.onClick);
        this->*row.member = button;
    }
}

void TMPK_FRM_KELD1::BuildInputs() {
    for (const ComboItem& row : kCombos) {
        auto* combo = new QComboBox(HostWidget(*this, row.host));
        Place(combo, row.name, row.rect);
        combo->setEditable(row.editable);
        combo->addItems(row.items());
        combo->setCurrentIndex(row.selected);
        SetDesignFont(combo, 0, row.bold);
        combo->setVisible(row.visible);
        if (row.editable) {
            // A typed value is free text: never added to the list, never completed.
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            MakeTypedInput(combo);
            connect(combo, &QComboBox::editTextChanged, this, row.onChange);
        } else {
            connect(combo, &QComboBox::currentIndexChanged, this, row.onChange);
        }
        this->*row.member = combo;
    }
    edt_frk = new QLineEdit(Text("25"), gpb_srcs);
    Place(edt_frk, "edt_frk", {216, 113, 89, 32});
    SetDesignFont(edt_frk, 0, true);
    MakeTypedInput(edt_frk);
    connect(edt_frk, &QLineEdit::textChanged, this, &Window::edt_frkChange);
}

void TMPK_FRM_KELD1::BuildResultEdits() {
    for (const EditItem& row : kResultEdits) {
        auto* edit = new QLineEdit(gpb_scjg);
        Place(edit, row.name, row.rect);
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetDesignFont(edit, 18, true);
        rokal::SetTextColour(edit, QColor::fromRgba(kGreen));
        this->*row.member = edit;
    }
    // The rounding box sits over the group's top edge, above everything in it.
    popbox_jingdu->raise();
}

void TMPK_FRM_KELD1::BuildReportTools() {
    meo_jisuanjieguo_Doc = new ReportView(JieGuo_DocLayer);
    Place(meo_jisuanjieguo_Doc, "meo_jisuanjieguo_Doc", {8, 72, 315, 449});
    meo_jisuanjieguo_Xls = new ReportView(JieGuo_DocLayer);
    Place(meo_jisuanjieguo_Xls, "meo_jisuanjieguo_Xls", {8, 72, 315, 449});
    meo_jisuanjieguo_Xls->hide();

    tcb_meoFontSize = new QSlider(Qt::Horizontal, JieGuo_DocLayer);
    Place(tcb_meoFontSize, "tcb_meoFontSize", {40, 576, 241, 32});
    tcb_meoFontSize->setRange(4 * kFontSizeSteps, 24 * kFontSizeSteps);
    tcb_meoFontSize->setValue(12 * kFontSizeSteps);
    tcb_meoFontSize->setSingleStep(kFontSizeSteps / 2);
    tcb_meoFontSize->setPageStep(2 * kFontSizeSteps);
    tcb_meoFontSize->setToolTip(Text("调整字体大小"));
    connect(tcb_meoFontSize, &QSlider::valueChanged, this, &Window::tcb_meoFontSizeChange);
}
