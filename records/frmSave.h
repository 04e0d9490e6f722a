#pragma once

#include <QDialog>
#include <QString>

#include "calc/Units.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordsStore;

// What the main window shows at the moment "Save Data" is pressed.
struct SaveSnapshot {
    QString AirTemp;
    QString RelativeHumidity;
    QString ConcreteTemp;
    QString WindVelocity;
    QString RateThreshold;   // the threshold rate in force
    QString EvapRate;        // the equation rate as displayed
    QString Answer;          // the precaution message
    UnitSystem Units = UnitSystem::US;
};

// The modal "Save" dialog: shows the snapshot, offers today's date and the current
// time for editing and a note, and appends the record on Accept.
class frmSave : public QDialog {
    Q_OBJECT
public:
    static constexpr int NoteMaxLength = 255;

    frmSave(const SaveSnapshot& snapshot, RecordsStore& store, QWidget* parent = nullptr);

signals:
    // The record was written; the main window disables its save button.
    void recordAdded();

private:
    void cmdAccept_Click();
    QLabel* AddCaption(const char* name, const QString& caption);
    QLabel* AddValue(const char* name, const QString& text);

    RecordsStore& store_;
    QLabel* lblAT;
    QLabel* lblRH;
    QLabel* lblCT;
    QLabel* lblWV;
    QLabel* lblSelected;
    QLabel* lblER;
    QLabel* lblAnswer;
    UnitSystem units_;
    QLineEdit* txtDate;
    QLineEdit* txtTime;
    QComboBox* cboSite;
    QLineEdit* txtNote;
    QPushButton* cmdAccept;
    QPushButton* cmdCancel;
};
