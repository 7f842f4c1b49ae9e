#include "ui/book/ProjectInfoDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace rokal {

namespace {

QSettings UserSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Rokal"),
                     QStringLiteral("Rokal"));
}

QString KeyOf(const book::ProjectFieldEntry& entry) {
    return QStringLiteral("project/") + QString::fromLatin1(entry.key);
}

}  // namespace

book::ProjectInfo LoadProjectInfo() {
    QSettings settings = UserSettings();
    book::ProjectInfo info;
    for (const book::ProjectFieldEntry& entry : book::ProjectFieldEntries()) {
        info.Set(entry.field,
                 book::CleanProjectField(settings.value(KeyOf(entry)).toString().toStdU16String()));
    }
    return info;
}

void SaveProjectInfo(const book::ProjectInfo& info) {
    QSettings settings = UserSettings();
    for (const book::ProjectFieldEntry& entry : book::ProjectFieldEntries()) {
        settings.setValue(KeyOf(entry), QString::fromStdU16String(info.Get(entry.field)));
    }
}

ProjectInfoDialog::ProjectInfoDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProjectInfoDialog"));
    setWindowTitle(QStringLiteral("工程信息"));
    const book::ProjectInfo info = LoadProjectInfo();
    for (const book::ProjectFieldEntry& entry : book::ProjectFieldEntries()) {
        auto* edit = new QLineEdit(QString::fromStdU16String(info.Get(entry.field)), this);
        edit->setObjectName(QStringLiteral("edt_") + QString::fromLatin1(entry.key));
        edit->setMaxLength(static_cast<int>(book::kMaxProjectFieldLength));
        edits_[static_cast<std::size_t>(entry.field)] = edit;
    }
    auto* project = new QFormLayout;
    for (const book::ProjectFieldEntry& entry : book::ProjectFieldEntries()) {
        if (entry.field > book::ProjectField::Organisation) {
            break;
        }
        Edit(entry.field)->setMinimumWidth(320);
        project->addRow(QString::fromStdU16String(entry.label), Edit(entry.field));
    }

    auto* signatures = new QGroupBox(QStringLiteral("签名"), this);
    auto* grid = new QGridLayout(signatures);
    grid->addWidget(new QLabel(QStringLiteral("姓名"), signatures), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("日期"), signatures), 0, 2);
    int row = 1;
    for (const book::SignatureRole& role : book::SignatureRoles()) {
        grid->addWidget(new QLabel(QString::fromStdU16String(role.role), signatures), row, 0);
        grid->addWidget(Edit(role.name), row, 1);
        grid->addWidget(Edit(role.date), row, 2);
        ++row;
    }

    auto* date = new QFormLayout;
    Edit(book::ProjectField::Date)->setPlaceholderText(QStringLiteral("留空：导出当天的日期"));
    date->addRow(QStringLiteral("计算书日期"), Edit(book::ProjectField::Date));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(project);
    layout->addWidget(signatures);
    layout->addLayout(date);
    layout->addWidget(
        new QLabel(QStringLiteral("这些信息印在计算书的封面和页眉上，下次打开时保留。"), this));
    layout->addWidget(buttons);
}

book::ProjectInfo ProjectInfoDialog::Info() const {
    book::ProjectInfo info;
    for (const book::ProjectFieldEntry& entry : book::ProjectFieldEntries()) {
        info.Set(entry.field, book::CleanProjectField(Edit(entry.field)->text().toStdU16String()));
    }
    return info;
}

void ProjectInfoDialog::accept() {
    SaveProjectInfo(Info());
    QDialog::accept();
}

}  // namespace rokal
