#include "ui/book/BookActions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <utility>

#include "docx/DocxBook.h"
#include "print/PrintBook.h"
#include "print/TypesetLayout.h"
#include "print/TypesetPdf.h"
#include "report/DiskSync.h"
#include "ui/book/ProjectInfoDialog.h"
#include "ui/main/PrintDialogs.h"
#include "ui/platform/DocumentsFolder.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/MessageBoxes.h"

namespace rokal {

namespace {

BookDialogs& Installed() {
    static BookDialogs dialogs;
    return dialogs;
}

const char* TitleOf(BookUse use) {
    switch (use) {
        case BookUse::Preview:
            return "计算书打印预览";
        case BookUse::Print:
            return "打印计算书";
        case BookUse::Export:
            break;
    }
    return "导出计算书";
}

QRadioButton* Radio(const char* name, const QString& text, QWidget* parent) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::fromLatin1(name));
    return radio;
}

std::optional<BookChoice> AskChoice(QWidget* parent, BookUse use, bool canSelect) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("BookDialog"));
    dialog.setWindowTitle(QString::fromUtf8(TitleOf(use)));
    auto* layout = new QVBoxLayout(&dialog);

    auto* rows = new QGroupBox(QStringLiteral("桩"), &dialog);
    auto* all = Radio("rdb_allRows", QStringLiteral("全部桩"), rows);
    auto* selected = Radio("rdb_selectedRows", QStringLiteral("选中的行"), rows);
    all->setChecked(true);
    selected->setEnabled(canSelect);
    auto* rowsLayout = new QVBoxLayout(rows);
    rowsLayout->addWidget(all);
    rowsLayout->addWidget(selected);
    rows->setVisible(canSelect);
    layout->addWidget(rows);

    auto* detail = new QGroupBox(QStringLiteral("单桩计算"), &dialog);
    auto* every = Radio("rdb_everyPile", QStringLiteral("每根桩都给出计算"), detail);
    auto* typical = Radio("rdb_typicalPiles", QStringLiteral("每种输入组合给出一根典型桩"), detail);
    every->setChecked(true);
    auto* perPage = new QCheckBox(QStringLiteral("每根桩另起一页"), detail);
    perPage->setObjectName(QStringLiteral("chk_pilePerPage"));
    auto* detailLayout = new QVBoxLayout(detail);
    detailLayout->addWidget(every);
    detailLayout->addWidget(typical);
    detailLayout->addWidget(perPage);
    layout->addWidget(detail);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* project =
        buttons->addButton(QStringLiteral("工程信息…"), QDialogButtonBox::ResetRole);
    project->setObjectName(QStringLiteral("btn_projectInfo"));
    QPushButton* ok = buttons->addButton(use == BookUse::Export  ? QStringLiteral("导出…")
                                         : use == BookUse::Print ? QStringLiteral("打印…")
                                                                 : QStringLiteral("预览"),
                                         QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    QObject::connect(project, &QPushButton::clicked, &dialog,
                     [&dialog] { RunGuarded([&dialog] { EditProjectInfo(&dialog); }); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    BookChoice choice;
    choice.selectedOnly = canSelect && selected->isChecked();
    choice.detail = typical->isChecked() ? book::Detail::Typical : book::Detail::All;
    choice.pilePerPage = perPage->isChecked();
    return choice;
}

QString AskPath(QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent, QStringLiteral("导出计算书"), proposed,
                       QStringLiteral("PDF 文件 (*.pdf);;Word 文档 (*.docx)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         dialog.setDefaultSuffix(filter.contains(QStringLiteral("docx"))
                                                     ? QStringLiteral("docx")
                                                     : QStringLiteral("pdf"));
                     });
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

bool AskProject(QWidget* parent) {
    ProjectInfoDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

// The wait cursor while a long book is laid out.
class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

void SetUpPrinter(QPrinter& printer, const book::Document& document) {
    printer.setPageLayout(TypesetPageLayout());
    printer.setDocName(QString::fromStdU16String(document.headerRight));
    printer.setCreator(QStringLiteral("Rokal"));
}

void Export(QWidget* parent, const book::Document& document) {
    const QString name =
        QString::fromStdU16String((document.headerLeft.empty() ? u"" : document.headerLeft + u" ") +
                                  document.headerRight + u".pdf");
    const QString folder = DocumentsFolder();
    const QString path =
        CurrentBookDialogs().path(parent, folder.isEmpty() ? name : QDir(folder).filePath(name));
    if (path.isEmpty()) {
        return;
    }
    BusyCursor busy;
    const std::filesystem::path target(path.toStdU16String());
    if (QFileInfo(path).suffix().compare(QStringLiteral("docx"), Qt::CaseInsensitive) == 0) {
        docx::WriteDocx(document, target, &SyncToDisk);
    } else {
        WriteTypesetPdf(document, target, &SyncToDisk);
    }
}

void Print(QWidget* parent, const book::Document& document) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, document);
    if (!CurrentPrintDialogs().print(parent, printer)) {
        return;
    }
    BusyCursor busy;
    PaintTypesetBook(printer, document);
    if (printer.printerState() == QPrinter::Error) {
        throw PrintError("打印失败：打印机报告了错误");
    }
}

void Preview(QWidget* parent, const book::Document& document) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, document);
    CurrentPrintDialogs().preview(parent, printer, [&document](QPrinter& target) {
        RunGuarded([&] { PaintTypesetBook(target, document); });
    });
}

}  // namespace

BookDialogs CurrentBookDialogs() {
    BookDialogs dialogs = Installed();
    if (!dialogs.choose) {
        dialogs.choose = &AskChoice;
    }
    if (!dialogs.path) {
        dialogs.path = &AskPath;
    }
    if (!dialogs.editProject) {
        dialogs.editProject = &AskProject;
    }
    return dialogs;
}

BookDialogs SetBookDialogs(BookDialogs dialogs) {
    return std::exchange(Installed(), std::move(dialogs));
}

void EditProjectInfo(QWidget* parent) {
    CurrentBookDialogs().editProject(parent);
}

void RunBookUse(QWidget* parent, BookUse use, const BookPileSource& piles, bool canSelect,
                PrecisionMode mode, char16_t decimalSeparator) {
    const std::optional<BookChoice> choice = CurrentBookDialogs().choose(parent, use, canSelect);
    if (!choice) {
        return;
    }
    const std::vector<book::BookPile> chosen = piles(choice->selectedOnly);
    if (std::none_of(chosen.begin(), chosen.end(),
                     [](const book::BookPile& pile) { return pile.result.Computed(); })) {
        ShowMessage(MessageKind::Information, QStringLiteral("没有算出的桩，计算书未生成。"),
                    parent);
        return;
    }
    book::BookOptions options;
    options.mode = mode;
    options.decimalSeparator = decimalSeparator;
    options.detail = choice->detail;
    options.pilePerPage = choice->pilePerPage;
    options.today = book::TodayDateText();
    const book::Document document = book::MakeCalculationBook(chosen, LoadProjectInfo(), options);
    switch (use) {
        case BookUse::Export:
            Export(parent, document);
            break;
        case BookUse::Preview:
            Preview(parent, document);
            break;
        case BookUse::Print:
            Print(parent, document);
            break;
    }
}

}  // namespace rokal
