#include "ui/ReportViews.h"

#include <QStringList>
#include <utility>

#include "ui/widgets/ReportView.h"

namespace rokal {

ReportViews::ReportViews(const ReportLog& log, ReportView* text, ReportView* table,
                         std::function<void()> onStateChanged)
    : log_(log), text_(text), table_(table), onStateChanged_(std::move(onStateChanged)) {}

ReportView* ReportViews::ViewOf(ReportDocument doc) const {
    return doc == ReportDocument::Text ? text_ : table_;
}

void ReportViews::LinesAppended(ReportDocument doc, std::size_t first, std::size_t count) {
    const Lines& lines = log_.Document(doc);
    QStringList added;
    added.reserve(static_cast<qsizetype>(count));
    for (std::size_t i = first; i < first + count && i < lines.size(); ++i) {
        added.append(QString::fromStdU16String(lines[i]));
    }
    ViewOf(doc)->AppendLines(added);
}

void ReportViews::LineRemoved(ReportDocument doc, std::size_t index) {
    ViewOf(doc)->RemoveLine(static_cast<int>(index));
}

void ReportViews::Cleared(ReportDocument doc) {
    ViewOf(doc)->ClearLines();
}

void ReportViews::CaretToStart(ReportDocument doc) {
    ViewOf(doc)->CaretToStart();
}

void ReportViews::StateChanged() {
    onStateChanged_();
}

}  // namespace rokal
