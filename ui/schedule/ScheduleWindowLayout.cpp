// The schedule window's place on the screen, its actions, menus, tool bar, table,
// chart and status bar.
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

#include "ui/schedule/CapacityChart.h"
#include "ui/schedule/ScheduleColumns.h"
#include "ui/schedule/ScheduleDelegate.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/SchedulePlacement.h"
#include "ui/schedule/ScheduleSortProxy.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/ToolBarSetting.h"
#include "ui/widgets/WheelGuard.h"

namespace rokal {
namespace {

using Window = ScheduleWindow;

constexpr QSize kDefaultSize(1260, 800);
constexpr int kTableShare = 56;  // percent of the height the table starts with

struct ActionItem {
    QAction* Window::*member;
    const char* name;
    const char* text;
    char mnemonic;     // the letter that picks the action in its menu
    const char* keys;  // portable key sequences separated by "; "
    const char* tip;
    void (Window::*onTrigger)();
};

const ActionItem kActions[] = {
    {&Window::act_open, "act_open", "打开…", 'O', "Ctrl+O", "打开桩表：CSV 文件或 .xlsx 工作簿",
     &Window::OpenClick},
    {&Window::act_save, "act_save", "保存", 'S', "Ctrl+S", "保存桩表", &Window::SaveClick},
    {&Window::act_saveAs, "act_saveAs", "另存为…", 'A', "Ctrl+Shift+S", "把桩表保存为另一个文件",
     &Window::SaveAsClick},
    {&Window::act_export, "act_export", "导出结果…", 'E', "Ctrl+E",
     "把计算结果写成 CSV 文件或 .xlsx 工作簿", &Window::ExportClick},
    {&Window::act_exportBook, "act_exportBook", "导出计算书…", 'B', "",
     "把全部或选中的桩写成排版的计算书（PDF 或 Word 文档）", &Window::ExportBookClick},
    {&Window::act_previewBook, "act_previewBook", "计算书打印预览…", 'V', "", "预览排版的计算书",
     &Window::PreviewBookClick},
    {&Window::act_printBook, "act_printBook", "打印计算书…", 'P', "", "打印排版的计算书",
     &Window::PrintBookClick},
    {&Window::act_projectInfo, "act_projectInfo", "工程信息…", 'I', "",
     "计算书封面与页眉上的工程名称、编号、签名等", &Window::ProjectInfoClick},
    {&Window::act_close, "act_close", "关闭", 'C', "Ctrl+W", "关闭桩表计算窗口", nullptr},
    {&Window::act_undo, "act_undo", "撤销", 'U', "Ctrl+Z", "撤销上一步编辑", nullptr},
    {&Window::act_redo, "act_redo", "重做", 'R', "Ctrl+Y; Ctrl+Shift+Z", "重做撤销的编辑", nullptr},
    {&Window::act_cut, "act_cut", "剪切", 'T', "Ctrl+X", "复制选中的单元格，并清空其中的输入单元格",
     &Window::CutClick},
    {&Window::act_copy, "act_copy", "复制", 'C', "Ctrl+C", "把选中的单元格复制为制表符分隔的文本",
     &Window::CopyClick},
    {&Window::act_paste, "act_paste", "粘贴", 'P', "Ctrl+V",
     "从当前单元格起粘贴表格软件复制的单元格；多出的行添加到桩表末尾，首行是表头时按列名对应",
     &Window::PasteClick},
    {&Window::act_clear, "act_clear", "清除", 'L', "Del", "清空选中的输入单元格",
     &Window::ClearClick},
    {&Window::act_fillDown, "act_fillDown", "向下填充", 'D', "Ctrl+D",
     "把选中区域每列最上面的单元格填入下面选中的单元格；只选一行时取上一行",
     &Window::FillDownClick},
    {&Window::act_selectRows, "act_selectRows", "选择整行", 'W', "Shift+Space",
     "选中选区所在的整行", &Window::SelectRowsClick},
    {&Window::act_selectColumns, "act_selectColumns", "选择整列", 'K', "Ctrl+Space",
     "选中选区所在的整列", &Window::SelectColumnsClick},
    {&Window::act_addRow, "act_addRow", "添加行", 'N', "Ctrl+N", "在当前行下面添加一行",
     &Window::AddRowClick},
    {&Window::act_deleteRows, "act_deleteRows", "删除行", 'M', "Ctrl+Del", "删除选中的行",
     &Window::DeleteRowsClick},
    {&Window::act_dropSurplus, "act_dropSurplus", "删除多出的字段", 'F', "",
     "删去选中各行比表头多出的字段，这些行才能计算（可撤销）；要留的内容请先改到该在的列里",
     &Window::DropSurplusClick},
    {&Window::act_sortAscending, "act_sortAscending", "按当前列升序", 'A', "",
     "按当前单元格所在的列从小到大显示各行", &Window::SortAscendingClick},
    {&Window::act_sortDescending, "act_sortDescending", "按当前列降序", 'D', "",
     "按当前单元格所在的列从大到小显示各行", &Window::SortDescendingClick},
    {&Window::act_scheduleOrder, "act_scheduleOrder", "按桩表顺序", 'S', "",
     "取消排序，按桩表本来的顺序显示", &Window::ScheduleOrderClick},
    {&Window::act_showProposals, "act_showProposals", "显示建议", 'S', "",
     "显示满足 Nk 的建议嵌岩深度和满足 N 的建议混凝土等级", nullptr},
    {&Window::act_takeProposals, "act_takeProposals", "采用建议深度", 'T', "",
     "把选中各行（未选中时为验算不满足或嵌岩不足的各行）的建议嵌岩深度填入嵌岩深度，"
     "先说明要改几行（可撤销）",
     &Window::TakeProposalsClick},
    {&Window::act_shortenPassing, "act_shortenPassing", "也缩短已满足的桩", 'H', "",
     "采用建议深度时，建议深度比现有的浅的桩也改为建议深度", nullptr},
    {&Window::act_appendToBook, "act_appendToBook", "加入计算书", 'B', "Ctrl+B",
     "把计算成功的各行按桩表顺序加入主窗口的计算书", &Window::AppendToBookClick},
};

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A menu entry's text with its letter, as Chinese menus write it: "打开(&O)…".
QString MenuText(const QString& text, char mnemonic) {
    const QString letter = QStringLiteral("(&%1)").arg(QLatin1Char(mnemonic));
    const QString ellipsis = QStringLiteral("…");
    return text.endsWith(ellipsis) ? text.chopped(1) + letter + ellipsis : text + letter;
}

// Width of a column: its usual texts or its header's longest line, whichever is wider.
int ColumnWidth(const QFontMetrics& metrics, int column) {
    int width = metrics.horizontalAdvance(QLatin1Char('0')) * ColumnWidthInChars(column);
    for (const QString& line : ColumnHeader(column).split(QLatin1Char('\n'))) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    return width + 14;
}

}  // namespace

void ScheduleWindow::BuildLayout() {
    setObjectName(QStringLiteral("ScheduleWindow"));
    resize(kDefaultSize);
    setAcceptDrops(true);
    BuildTable();
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    GuardWheels(this);  // as in the calculator: no list changes under a passing wheel
}

void ScheduleWindow::PlaceBeside(QWidget& calculator) {
    const QScreen* screen = calculator.screen();
    if (screen == nullptr) {
        return;
    }
    // Frames as the window system draws them, the calculator's own a fair estimate of
    // this window's before it is shown.
    QSize decoration = calculator.frameGeometry().size() - calculator.size();
    if (decoration.isEmpty()) {
        decoration.rheight() += style()->pixelMetric(QStyle::PM_TitleBarHeight);
    }
    const SchedulePlacement place =
        PlaceBesideCalculator(kDefaultSize + decoration, kMinOpeningWidth,
                              calculator.frameGeometry(), screen->availableGeometry());
    if (!place.calculatorShift.isNull()) {
        calculator.move(calculator.pos() + place.calculatorShift);
    }
    resize(place.schedule.size() - decoration);
    move(place.schedule.topLeft());
}

void ScheduleWindow::BuildActions() {
    for (const ActionItem& item : kActions) {
        auto* action = new QAction(MenuText(Text(item.text), item.mnemonic), this);
        action->setIconText(Text(item.text));  // the tool bar's buttons go without the letter
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(item.keys)));
        action->setToolTip(Text(item.tip));
        action->setStatusTip(Text(item.tip));
        if (item.onTrigger) {
            connect(action, &QAction::triggered, this, item.onTrigger);
        }
        this->*item.member = action;
    }
    connect(act_close, &QAction::triggered, this, &QWidget::close);
    connect(act_undo, &QAction::triggered, undo_, &QUndoStack::undo);
    connect(act_redo, &QAction::triggered, undo_, &QUndoStack::redo);
    connect(undo_, &QUndoStack::canUndoChanged, act_undo, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, act_redo, &QAction::setEnabled);
    act_undo->setEnabled(false);
    act_redo->setEnabled(false);
    act_showProposals->setCheckable(true);
    act_shortenPassing->setCheckable(true);
    connect(act_showProposals, &QAction::toggled, this, &Window::ShowProposalsToggle);
    // Spaces in an editor stay spaces.
    for (QAction* action : {act_selectRows, act_selectColumns}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        table->addAction(action);
    }
}

void ScheduleWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addActions({act_open, act_save, act_saveAs, act_export});
    file->addSeparator();
    file->addActions({act_exportBook, act_previewBook, act_printBook, act_projectInfo});
    file->addSeparator();
    file->addAction(act_close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    edit->addActions({act_undo, act_redo});
    edit->addSeparator();
    edit->addActions({act_cut, act_copy, act_paste, act_clear, act_fillDown});
    edit->addSeparator();
    edit->addActions({act_selectRows, act_selectColumns});
    edit->addSeparator();
    edit->addActions({act_addRow, act_deleteRows, act_dropSurplus});

    QMenu* sort = menuBar()->addMenu(QStringLiteral("排序(&O)"));
    sort->addActions({act_sortAscending, act_sortDescending});
    sort->addSeparator();
    sort->addAction(act_scheduleOrder);

    QMenu* design = menuBar()->addMenu(QStringLiteral("设计(&D)"));
    design->addActions({act_showProposals, act_takeProposals, act_shortenPassing});
    design->addSeparator();
    design->addAction(act_appendToBook);
}

// The actions on one row and the settings on a row of their own below, so that
// neither hides the other's end on a small screen.
void ScheduleWindow::BuildToolBar() {
    const auto newBar = [this](const QString& title, const QString& name) {
        QToolBar* bar = addToolBar(title);
        bar->setObjectName(name);
        bar->setMovable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return bar;
    };
    QToolBar* actions = newBar(QStringLiteral("桩表"), QStringLiteral("tbr_schedule"));
    actions->addActions({act_open, act_save});
    actions->addSeparator();
    actions->addActions({act_undo, act_redo});
    actions->addSeparator();
    actions->addActions({act_addRow, act_deleteRows});
    actions->addSeparator();
    actions->addActions({act_appendToBook, act_export});
    addToolBarBreak();

    QToolBar* bar = newBar(QStringLiteral("设计"), QStringLiteral("tbr_design"));
    cbb_precision = new QComboBox(bar);
    cbb_precision->setObjectName(QStringLiteral("cbb_precision"));
    for (int i = 0; i < kPrecisionModeCount; ++i) {
        cbb_precision->addItem(
            QString::fromStdU16String(PrecisionModeText(static_cast<PrecisionMode>(i))));
    }
    cbb_precision->setCurrentIndex(static_cast<int>(model_->Precision()));
    cbb_precision->setToolTip(QStringLiteral("结果的取整方式，加入计算书时也用它"));
    connect(cbb_precision, &QComboBox::currentIndexChanged, this, &Window::PrecisionChange);
    AddToolBarSetting(bar, QStringLiteral("结果精度(&P)"), cbb_precision, table);
    bar->addSeparator();

    cbe_step = new QComboBox(bar);
    cbe_step->setObjectName(QStringLiteral("cbe_step"));
    cbe_step->setEditable(true);
    cbe_step->setInsertPolicy(QComboBox::NoInsert);
    cbe_step->addItems({QStringLiteral("0.1d"), QStringLiteral("0.5d"), QStringLiteral("50mm"),
                        QStringLiteral("100mm")});
    cbe_step->setMinimumContentsLength(7);
    cbe_step->lineEdit()->setAcceptDrops(false);  // a dropped file opens, wherever it lands
    cbe_step->setToolTip(
        QStringLiteral("建议嵌岩深度向上取整的步长：d 的倍数如 0.1d，或毫米数如 100mm"));
    connect(cbe_step, &QComboBox::currentTextChanged, this, &Window::StepChange);
    AddToolBarSetting(bar, QStringLiteral("深度取整(&R)"), cbe_step, table);
    bar->addSeparator();

    cbe_minSocket = new QComboBox(bar);
    cbe_minSocket->setObjectName(QStringLiteral("cbe_minSocket"));
    cbe_minSocket->setEditable(true);
    cbe_minSocket->setInsertPolicy(QComboBox::NoInsert);
    cbe_minSocket->addItems({QString::fromStdU16String(MinSocketText(kDefaultMinSocket)),
                             QStringLiteral("0.2d,200mm")});
    cbe_minSocket->setMinimumContentsLength(10);
    cbe_minSocket->lineEdit()->setAcceptDrops(false);
    cbe_minSocket->setToolTip(QStringLiteral(
        "最小嵌岩深度：d 的倍数与毫米数取大者，如 0.4d,500mm；嵌入平整、完整的"
        "坚硬岩和较硬岩可用 0.2d,200mm。建议深度不小于它，嵌岩深度小于它的行给出警告"));
    // Applied once typed (Enter or leaving the box) or picked, never half typed: a
    // half-typed "0" would lift every warning for a moment.
    connect(cbe_minSocket->lineEdit(), &QLineEdit::editingFinished, this, &Window::MinSocketChange);
    connect(cbe_minSocket, &QComboBox::textActivated, this, &Window::MinSocketChange);
    connect(cbe_minSocket, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        SetTextColour(cbe_minSocket, ReadMinSocket(text.toStdU16String()) ? Qt::black : Qt::red);
    });
    AddToolBarSetting(bar, QStringLiteral("最小嵌岩(&M)"), cbe_minSocket, table);
    bar->addActions({act_showProposals, act_takeProposals});
}

void ScheduleWindow::BuildTable() {
    table = new ScheduleTableView(this);
    table->setObjectName(QStringLiteral("tbl_schedule"));
    table->setModel(proxy_);
    table->setItemDelegate(new ScheduleDelegate(table));
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    table->setAlternatingRowColors(false);
    table->setWordWrap(false);

    QHeaderView* header = table->horizontalHeader();
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorClearable(true);
    header->setDefaultAlignment(Qt::AlignCenter);
    const QFontMetrics metrics = table->fontMetrics();
    for (int column = 0; column < kTableColumnCount; ++column) {
        header->resizeSection(column, ColumnWidth(metrics, column));
        table->setColumnHidden(column, IsProposalColumn(column));
    }
    table->setSortingEnabled(true);
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(metrics.height() + 8);

    chart = new CapacityChart(this);
    chart->setObjectName(QStringLiteral("chv_capacity"));
    // A file dropped on the chart opens like anywhere else in the window.
    chart->setAcceptDrops(false);
    chart->viewport()->setAcceptDrops(false);

    splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("spl_schedule"));
    splitter->addWidget(table);
    splitter->addWidget(chart);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({kDefaultSize.height() * kTableShare / 100,
                        kDefaultSize.height() * (100 - kTableShare) / 100});
    setCentralWidget(splitter);
    table->setFocus();  // keys go to the table when the window comes up
}

void ScheduleWindow::BuildStatusBar() {
    lb_summary = new QLabel(this);
    lb_summary->setObjectName(QStringLiteral("lb_summary"));
    statusBar()->addPermanentWidget(lb_summary);
}

}  // namespace rokal
