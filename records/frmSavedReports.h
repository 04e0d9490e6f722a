#pragma once

#include <QDialog>
#include <vector>

#include "records/SavedReport.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class RecordsStore;

// "Pour Reports": the pour reports kept beside the records, the latest first, each with
// its number, when and by whom it was saved, its site, title and digest. A digest typed or
// pasted from a printed copy is looked up among them, so the copy can be checked. The
// store must outlive the window.
class frmSavedReports : public QDialog {
    Q_OBJECT
public:
    explicit frmSavedReports(RecordsStore& store, QWidget* parent = nullptr);

    // The saved report whose digest is `digest` (letter case and blanks aside), if any,
    // said in words and selected in the list.
    QString CheckDigest(const QString& digest);

private:
    std::vector<SavedReport> reports_;
    QTableWidget* grdReports;
    QLineEdit* txtDigest;
    QLabel* lblCheck;
};
