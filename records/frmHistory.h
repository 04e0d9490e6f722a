#pragma once

#include <QDialog>
#include <vector>

#include "records/RecordsHistory.h"
#include "records/RecordsPermissions.h"

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class RecordsStore;

// "History of Record N": the record as it is now, then each version the history kept of
// it; or "Deleted Records": every deleted record as it was deleted. Each line says what
// happened, who did it and when (UTC), with the values. An editor restores the version
// selected, which the history keeps as a restore. The store must outlive the window.
class frmHistory : public QDialog {
    Q_OBJECT
public:
    enum class Shows { Record, Deleted };
    frmHistory(RecordsStore& store, Shows shows, qint64 recordNumber, const RecordsPermissions& permissions,
               QWidget* parent = nullptr);

    // Whether a restore changed the records while the window was open.
    bool restored() const { return restored_; }

private:
    void Load();
    void UpdateRestore();
    void cmdRestore_Click();
    const RecordVersion* Selected() const;

    RecordsStore& store_;
    Shows shows_;
    qint64 recordNumber_;
    RecordsPermissions permissions_;
    std::vector<RecordVersion> versions_;
    bool restored_ = false;
    QStandardItemModel* model_;
    QLabel* lblHistory;
    QTableView* grdHistory;
    QLabel* lblPermissions;
    QPushButton* cmdRestore;
    QPushButton* cmdClose;
};
