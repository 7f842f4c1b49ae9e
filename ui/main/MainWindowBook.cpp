// The typeset calculation book of the result layer: "导出计算书…", "计算书打印预览…",
// "打印计算书…" and "工程信息…" in the report views' context menu, for the piles
// in the book.
#include <QAction>

#include "ui/book/BookActions.h"
#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/platform/Locale.h"
#include "ui/widgets/GuardedHandler.h"

using rokal::RunGuarded;

void TMPK_FRM_KELD1::BuildBookActions() {
    auto* separator = new QAction(JieGuo_DocLayer);
    separator->setSeparator(true);
    printActions_.append(separator);
    const struct {
        const char* name;
        const char16_t* text;
        rokal::BookUse use;
    } uses[] = {
        {"act_ExportBook", u"导出计算书…", rokal::BookUse::Export},
        {"act_PreviewBook", u"计算书打印预览…", rokal::BookUse::Preview},
        {"act_PrintBook", u"打印计算书…", rokal::BookUse::Print},
    };
    for (const auto& item : uses) {
        auto* action = new QAction(QString::fromUtf16(item.text), JieGuo_DocLayer);
        action->setObjectName(QString::fromLatin1(item.name));
        const rokal::BookUse use = item.use;
        connect(action, &QAction::triggered, this, [this, use] {
            RunGuarded([this, use] {
                KeepBookPiles();
                const auto piles = [this](bool) { return bookPiles_; };
                rokal::RunBookUse(this, use, piles, false, SelectedPrecision(),
                                  rokal::DecimalSeparator());
            });
        });
        printActions_.append(action);
    }
    auto* project = new QAction(QStringLiteral("工程信息…"), JieGuo_DocLayer);
    project->setObjectName(QStringLiteral("act_ProjectInfo"));
    connect(project, &QAction::triggered, this,
            [this] { RunGuarded([this] { rokal::EditProjectInfo(this); }); });
    printActions_.append(project);
}

// The log may have dropped its newest piles (x) or all of them.
void TMPK_FRM_KELD1::KeepBookPiles() {
    const auto count = static_cast<std::size_t>(std::max(0, log_.PileCount()));
    if (bookPiles_.size() > count) {
        bookPiles_.resize(count);
    }
}
