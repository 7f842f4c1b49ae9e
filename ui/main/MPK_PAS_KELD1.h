#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "book/BookPile.h"
#include "engine/Formatting.h"
#include "engine/PileInput.h"
#include "report/ReportLog.h"
#include "ui/platform/PermissionService.h"
#include "ui/schedule/ScheduleWindowHandle.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class TMPK_BRV_FRM_CopyRight;

namespace rokal {
class LogoStrip;
class MainWindowKeys;
struct PrintBook;
class ReportView;
class ReportViews;
class RoundedButton;
struct RowResult;
}  // namespace rokal

// The main window: the input layer with the five inputs and three key results,
// and the result layer with the two report views and their tools.
class TMPK_FRM_KELD1 : public QWidget {
    Q_OBJECT
  public:
    explicit TMPK_FRM_KELD1(QWidget* parent = nullptr);
    ~TMPK_FRM_KELD1() override;

    // The program-wide main window reference: set at start-up, cleared on close.
    static TMPK_FRM_KELD1* MainWindow();
    static void SetMainWindow(TMPK_FRM_KELD1* window);

    // Controls, owned by the window; each also carries its name as objectName.
    QLabel* lb_cxm = nullptr;
    QLabel* lb_guifan = nullptr;
    QLabel* lb_dd = nullptr;
    QLabel* lb_hr = nullptr;
    QLabel* lb_hnt = nullptr;
    QComboBox* cbe_dd = nullptr;
    QLabel* lb_frk = nullptr;
    QComboBox* cbe_hnt = nullptr;
    QGroupBox* gpb_srcs = nullptr;
    QGroupBox* gpb_scjg = nullptr;
    rokal::RoundedButton* cbt_compute = nullptr;
    rokal::RoundedButton* cbt_tuichu = nullptr;
    QComboBox* cbe_hr = nullptr;
    QLineEdit* edt_frk = nullptr;
    QLabel* lb_czgy = nullptr;
    QComboBox* cbb_czgy = nullptr;
    QLabel* lb_ra = nullptr;
    QLabel* lb_rc = nullptr;
    QLineEdit* edt_ra = nullptr;
    QLineEdit* edt_rc = nullptr;
    rokal::LogoStrip* img_Logo = nullptr;
    QLabel* lb_kesair = nullptr;
    QLineEdit* edt_kesair = nullptr;
    QWidget* MainFormLayer = nullptr;
    QLabel* lb_shuoming = nullptr;
    QWidget* JieGuo_DocLayer = nullptr;
    rokal::RoundedButton* cbt_Exit = nullptr;
    rokal::RoundedButton* cbt_Save = nullptr;
    rokal::ReportView* meo_jisuanjieguo_Doc = nullptr;
    QLabel* lb_jisuanjieguo = nullptr;
    rokal::RoundedButton* cbt_View = nullptr;
    QSlider* tcb_meoFontSize = nullptr;
    rokal::RoundedButton* cbt_CopyRight = nullptr;
    rokal::ReportView* meo_jisuanjieguo_Xls = nullptr;
    rokal::RoundedButton* cbt_PageBook = nullptr;
    rokal::RoundedButton* cbt_JingDu = nullptr;
    QComboBox* popbox_jingdu = nullptr;
    rokal::RoundedButton* cbt_sanchu = nullptr;

    // Event handlers.
    void FormCreate();
    void FormClose();
    void cbe_ddChange();
    void cbe_hrChange();
    void edt_frkChange();
    void cbe_hntChange();
    void cbb_czgyChange();
    void cbt_computeClick();
    void cbt_ViewClick();
    void cbt_ExitClick();
    void cbt_tuichuClick();
    void cbt_CopyRightClick();
    void cbt_JingDuClick();
    void popbox_jingduChange();
    void tcb_meoFontSizeChange();
    void cbt_PageBookClick();
    void cbt_sanchuClick();
    void cbt_SaveClick();
    // MainWindowPrint.cpp: "导出PDF…", "打印预览…" and "打印…" of the shown form.
    void ExportPdfClick();
    void PrintPreviewClick();
    void PrintClick();

    // Answers of the permission service to the save's request.
    void SaveReportPermissionResult(const QStringList& permissions,
                                    const std::vector<rokal::PermissionStatus>& statuses);
    void DisplayRationale(const QStringList& permissions, const std::function<void()>& next);

    const rokal::ReportLog& Log() const { return log_; }
    // The About window, or nullptr before the first "©" click.
    TMPK_BRV_FRM_CopyRight* CopyRightWindow() const { return copyRight_.get(); }

    // MainWindowSchedule.cpp
    // Shows the schedule window "桩表计算" (one at a time) and, given a path, opens
    // that schedule file in it.
    void OpenScheduleWindow(const std::filesystem::path& path = {});
    // The schedule window, or nullptr before it was first opened.
    rokal::ScheduleWindow* ScheduleWindowIfAny() const { return schedule_.get(); }
    // Appends a schedule's piles to the book in order, each under its own mark, and
    // offers "结果" as "计算" does.
    void AppendSchedule(std::vector<rokal::BookPile> piles);

    // The track bar's scale: its integer positions are hundredths of a pixel.
    static constexpr int kFontSizeSteps = 100;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // MainWindowLayout.cpp
    void BuildLayout();
    void BuildLayers();
    void BuildLabels();
    void BuildButtons();
    void BuildInputs();
    void BuildResultEdits();
    void BuildReportTools();

    // MPK_PAS_KELD1.cpp
    void OfferCompute();
    void ClearResults(std::initializer_list<QLineEdit*> edits);
    void CheckInput(QWidget* input, const QString& text, rokal::InputErrorKind kind,
                    bool zeroPasses);
    void ReportInputError(const QString& message, QWidget* input);
    void ShowStatus(const QString& text, QColor colour);
    rokal::PileInput ReadInputs() const;
    rokal::PrecisionMode SelectedPrecision() const;
    QWidget* InputOf(rokal::InputErrorKind kind) const;
    void Compute();

    // MainWindowSchedule.cpp
    void BuildScheduleAccess();

    // MainWindowReports.cpp
    void ApplyLogState();
    void SetReportTextSize(double pixels);
    void SaveShownReport();
    void SaveShownDocument();

    // MainWindowPrint.cpp
    void BuildPrintActions();
    void UpdatePrintActions();
    rokal::PrintBook ShownPrintBook() const;
    void ExportShownPdf();
    void PrintShownBook();
    void PreviewShownBook();

    // MainWindowBook.cpp: the typeset book of the piles in the log.
    void BuildBookActions();
    void KeepBookPiles();

    QString FPermissionReadExternalStorage;
    QString FPermissionWriteExternalStorage;

    rokal::ReportLog log_;
    std::unique_ptr<rokal::ReportViews> views_;
    std::unique_ptr<TMPK_BRV_FRM_CopyRight> copyRight_;
    // Keyboard and mouse; destroyed before the controls it watches.
    std::unique_ptr<rokal::MainWindowKeys> keys_;
    QList<QAction*> printActions_;
    // The log's piles with their inputs, results and any loads, newest last, for
    // the typeset book; as many as the log counts.
    std::vector<rokal::book::BookPile> bookPiles_;
    rokal::ScheduleWindowHandle schedule_;
};
