#pragma once

#include <QDialog>
#include <array>

#include "book/ProjectInfo.h"

class QLineEdit;

namespace rokal {

// The project's fields as the user last gave them, remembered per user.
book::ProjectInfo LoadProjectInfo();
void SaveProjectInfo(const book::ProjectInfo& info);

// "工程信息": the title page's fields of the calculation book. Each edit holds
// one line; "确定" keeps the fields (spaces at the ends removed) for the user.
class ProjectInfoDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ProjectInfoDialog(QWidget* parent = nullptr);

    // The field's edit; each also carries "edt_" and the field's key as objectName.
    QLineEdit* Edit(book::ProjectField field) const {
        return edits_[static_cast<std::size_t>(field)];
    }
    // The fields as the edits hold them.
    book::ProjectInfo Info() const;

    void accept() override;

  private:
    std::array<QLineEdit*, book::kProjectFieldCount> edits_{};
};

}  // namespace rokal
