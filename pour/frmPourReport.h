#pragma once

#include <QDialog>

#include "output/PrintJob.h"
#include "pour/PourReport.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class RecordsStore;

// "Pour Report": the fields a report needs (site, pour or element, date, who prepared it),
// the measures planned and taken ticked from the list, other measures and remarks; then
// the report is saved as a PDF file or printed, and kept beside the records with the
// digest its pages print. The store must outlive the dialog.
class frmPourReport : public QDialog {
    Q_OBJECT
public:
    frmPourReport(PourReport report, RecordsStore& store, QWidget* parent = nullptr);

    // The report as the fields now make it.
    PourReport report() const;

    // Writes or prints the report and keeps it; the outcome of the writing or printing.
    output::PrintOutcome SavePdf();
    output::PrintOutcome Print();

private:
    void BuildElements();
    // Keeps a report that was written or printed beside the records, and says so.
    void Keep(const PourReport& report, const QString& done);

    PourReport report_;
    RecordsStore& store_;
    QLineEdit* txtSite;
    QLineEdit* txtPour;
    QDateEdit* dtpDate;
    QLineEdit* txtPreparedBy;
    QLabel* lblThreshold;
    QLabel* lblHours;
    QTableWidget* grdMeasures;
    QPlainTextEdit* txtOtherMeasures;
    QPlainTextEdit* txtRemarks;
    QPushButton* cmdSavePdf;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;
};
