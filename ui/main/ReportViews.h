#pragma once

#include <functional>

#include "report/ReportLog.h"

namespace rokal {

class ReportView;

// Keeps the two report views in step with the report log, line by line, and
// tells the window when the log's counters or shown page change.
class ReportViews : public ReportLogListener {
  public:
    ReportViews(const ReportLog& log, ReportView* text, ReportView* table,
                std::function<void()> onStateChanged);

    void LinesAppended(ReportDocument doc, std::size_t first, std::size_t count) override;
    void LineRemoved(ReportDocument doc, std::size_t index) override;
    void Cleared(ReportDocument doc) override;
    void CaretToStart(ReportDocument doc) override;
    void StateChanged() override;

  private:
    ReportView* ViewOf(ReportDocument doc) const;

    const ReportLog& log_;
    ReportView* text_;
    ReportView* table_;
    std::function<void()> onStateChanged_;
};

}  // namespace rokal
