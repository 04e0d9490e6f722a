#pragma once

#include <QDialog>

#include "records/RecordsLocation.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Records Location": this computer's records file or a records server (PostgreSQL),
// with a test of the connection. A location the environment variable BRACKMERE_RECORDS
// names wins over the choice made here, and the dialog says so.
class frmRecordsLocation : public QDialog {
    Q_OBJECT
public:
    frmRecordsLocation(const QString& defaultFile, QWidget* parent = nullptr);

    // The location chosen; the file one when the server address is empty.
    RecordsLocation chosen() const;
    // Why the typed address cannot be used; empty when it can.
    QString Problem() const;

    void accept() override;

private:
    void cmdTestConnection_Click();
    void UpdateEnabled();

    QString defaultFile_;
    QLabel* lblEnvironment;
    QRadioButton* optRecordsFile;
    QRadioButton* optRecordsServer;
    QLineEdit* txtServerUri;
    QPushButton* cmdTestConnection;
};
