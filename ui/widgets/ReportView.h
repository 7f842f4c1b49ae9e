#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace rokal {

// A read-only report view that holds its document as a list of lines. It changes
// by whole lines at a time, so a long report never has to be refilled.
class ReportView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit ReportView(QWidget* parent = nullptr);

    void AppendLines(const QStringList& lines);
    void RemoveLine(int index);
    void ClearLines();
    void CaretToStart();

    int LineCount() const { return lineCount_; }
    QString Line(int index) const;

    // Text size in points; any real value.
    void SetTextSize(double points);
    double TextSize() const { return font().pointSizeF(); }

  private:
    int lineCount_ = 0;
};

// The report font: a Chinese character takes exactly two Latin cells.
QFont ReportFont(double points);

}  // namespace rokal
