#pragma once

#include <QDialog>
#include <QString>

#include "calc/Calculation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordsStore;

// The modal "Save" dialog: shows what the record of the calculation holds, offers
// today's date and the current time for editing, a site and a note, and appends the
// record on Accept.
class frmSave : public QDialog {
    Q_OBJECT
public:
    static constexpr int NoteMaxLength = 255;

    frmSave(const Calculation& calculation, RecordsStore& store, QWidget* parent = nullptr);

signals:
    // The record was written; the main window disables its save button.
    void recordAdded();

private:
    void cmdAccept_Click();
    QLabel* AddCaption(const char* name, const QString& caption);
    QLabel* AddValue(const char* name, const QString& text);

    RecordsStore& store_;
    const Calculation calculation_;
    QLineEdit* txtDate;
    QLineEdit* txtTime;
    QComboBox* cboSite;
    QLineEdit* txtNote;
    QPushButton* cmdAccept;
    QPushButton* cmdCancel;
};
