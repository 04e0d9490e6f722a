#pragma once

#include <QGroupBox>
#include <functional>
#include <vector>

#include "outlook/OutlookHours.h"
#include "records/PlannedPours.h"

class QLabel;
class QListWidget;
class QPushButton;
class RecordsStore;

// What the last watch found of the pour: "at risk (checked Mon 7 Dec 14:00)", or "not
// checked yet".
QString LastCheckText(const PlannedPour& pour);

// The outlook's planned pours: the coming ones listed with the state the last watch found,
// the next one named above them; "Plan a Pour…" adds one to the records, and choosing one
// shows its site's forecast.
class PlannedPoursPanel : public QGroupBox {
    Q_OBJECT
public:
    // `current` gives the outlook's site (name, latitude, longitude; empty name for none) and
    // settings when a pour is planned.
    struct Current {
        QString site;
        double latitude = 0;
        double longitude = 0;
        OutlookSettings settings;
    };
    PlannedPoursPanel(RecordsStore& store, std::function<Current()> current, QWidget* parent = nullptr);

    // Reads the pours from the records again.
    void Reload();
    // Selects the pour and shows its site; false when there is no such coming pour.
    bool ShowPour(qint64 id);
    const std::vector<PlannedPour>& pours() const { return pours_; }

    void PlanPour();
    void DeletePour();

signals:
    void pourChosen(const PlannedPour& pour);
    void problem(const QString& message);

private:
    RecordsStore& store_;
    std::function<Current()> current_;
    std::vector<PlannedPour> pours_;  // the coming ones, as listed
    QLabel* lblNextPour;
    QListWidget* lstPlannedPours;
    QPushButton* cmdPlanPour;
    QPushButton* cmdDeletePour;
};
