#include "ui/main/ReportViews.h"

#include <utility>

#include "ui/widgets/ReportView.h"

namespace rokal {

ReportViews::ReportViews(const ReportLog& log, ReportView* text, ReportView* table,
                         std::function<void()> onStateChanged)
    : log_(log), text_(text), table_(table), onStateChanged_(std::move(onStateChanged)) {
    // The views read the log's lines where they are; the log outlives them.
    text_->SetLines(&log_.Document(ReportDocument::Text));
    table_->SetLines(&log_.Document(ReportDocument::Table));
}

ReportView* ReportViews::ViewOf(ReportDocument doc) const {
    return doc == ReportDocument::Text ? text_ : table_;
}

void ReportViews::LinesAppended(ReportDocument doc, std::size_t, std::size_t count) {
    ViewOf(doc)->LinesAppended(static_cast<int>(count));
}

void ReportViews::LineRemoved(ReportDocument doc, std::size_t index) {
    ViewOf(doc)->LineRemoved(static_cast<int>(index));
}

void ReportViews::Cleared(ReportDocument doc) {
    ViewOf(doc)->LinesCleared();
}

void ReportViews::CaretToStart(ReportDocument doc) {
    ViewOf(doc)->CaretToStart();
}

void ReportViews::StateChanged() {
    onStateChanged_();
}

}  // namespace rokal
