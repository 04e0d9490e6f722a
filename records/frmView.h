#pragma once

#include <QDialog>
#include <QList>
#include <QSqlRecord>
#include <QTimer>

#include "records/RecordsPermissions.h"
#include "calc/UnitSystems.h"
#include "records/ReturnedInputs.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class RecordsProxy;
class RecordsStore;
struct RecordsCount;

// The modal "Saved Records" viewer: the records in an editable grid, filtered by site and
// date, sorted by any column and shown in one unit system or as saved, without changing
// what is stored; their count; export of the records shown as a CSV file or a PDF report,
// copy of the records shown to the clipboard, import of records from a CSV file, deletion
// of one record or of those shown, and return of a record's inputs to the calculator.
// The store must outlive the viewer.
class frmView : public QDialog {
    Q_OBJECT
public:
    // `units` is the system the readings are shown in at first (the main window's).
    explicit frmView(RecordsStore& store, QWidget* parent = nullptr, UnitSystem units = UnitSystem::US);
    ~frmView() override;

    // Fits the columns to their headers and to the values of the first rows read (within
    // reason) in the viewer's font, hides the record number, gives the note column room
    // for the longest message and the last column the rest of the grid's width (never less
    // than its header).
    void FitDBGrid(QTableView* DG);

    // Closing writes an edit still pending in the grid.
    void done(int result) override;

signals:
    // The user chose "Return Record Inputs to Calculator"; the viewer closes next.
    void recordReturned(const ReturnedInputs& inputs);
    // The user asked for a pour report of the selected records, given as the table holds them.
    void pourReportRequested(const QList<QSqlRecord>& records);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildElements();
    QLayout* BuildFilterElements();
    void FillLastColumn(QTableView* DG);
    // The numbers of the records shown, in the order shown.
    QList<qint64> ShownRecordNumbers() const;
    void LoadRecords();
    void ReloadRecords();
    void FetchRemainingRows();
    void FetchAllRows();
    void FillSites();
    void ApplyFilter();
    RecordsCount Count() const;
    void UpdateCount();
    void UpdateRowButtons();
    // The table row of the record selected in the grid, or -1.
    int SelectedRow() const;
    bool SubmitPendingEdit();
    void ReportFailure(const QString& what, const QString& reason);

    void cmdCopy_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void cmdReturn_Click();
    void cmdExportCsv_Click();
    void cmdExportPdf_Click();
    void cmdImport_Click();

    // A login that may not change or delete records finds those actions disabled, and why.
    void ApplyPermissions();
    void cmdHistory_Click();
    void cmdShowDeleted_Click();
    void cmdPourReport_Click();

    RecordsStore& store_;
    QTimer fetchTimer_;
    RecordsProxy* proxy_;
    QLabel* lblDB;
    QComboBox* cboFilterSite;
    QComboBox* cboShowUnits;
    QCheckBox* chkFilterDates;
    QDateEdit* dtFrom;
    QDateEdit* dtTo;
    QTableView* DBGrid1;
    QLabel* lblCount;
    QPushButton* cmdExportCsv;
    QPushButton* cmdExportPdf;
    QPushButton* cmdImport;
    QGroupBox* Frame1;
    QCheckBox* chkHeaders;
    QCheckBox* chkRecID;
    QPushButton* cmdCopy;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* cmdDelete;
    QPushButton* cmdDeleteAll;
    QPushButton* cmdReturn;
    QPushButton* cmdExit;
    QPushButton* cmdHistory;
    QPushButton* cmdShowDeleted;
    QPushButton* cmdPourReport;
    QPushButton* cmdPourReports;
    QLabel* lblPermissions;
    RecordsPermissions permissions_;
};
