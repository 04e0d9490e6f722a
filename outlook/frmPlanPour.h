#pragma once

#include <QDialog>
#include <optional>

#include "outlook/OutlookHours.h"
#include "records/PlannedPours.h"

class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class SiteSearch;

// "Plan a Pour…": the site (found by name or postcode, or typed with its coordinates), the
// start and end in the site's time, the threshold or mix preset, and the concrete rule.
class frmPlanPour : public QDialog {
    Q_OBJECT
public:
    // Starts from the outlook's site and settings.
    frmPlanPour(const QString& site, double latitude, double longitude, const OutlookSettings& settings,
                QWidget* parent = nullptr);

    // The pour as filled in; nothing, with `why`, when a field cannot be used.
    std::optional<PlannedPour> pour(QString& why) const;
    SiteSearch* search() const { return search_; }

private:
    void ChooseMix();
    void SetZone(const QString& zone);

    UnitSystem units_;
    QString zone_;
    SiteSearch* search_;
    QLineEdit* txtPourSite;
    QLineEdit* txtPourLatitude;
    QLineEdit* txtPourLongitude;
    QLabel* lblPourZone;
    QDateTimeEdit* dtpPourStart;
    QDateTimeEdit* dtpPourEnd;
    QComboBox* cboPourMix;
    QLineEdit* txtPourThreshold;
    QRadioButton* optPourConcreteOffset;
    QRadioButton* optPourConcreteConstant;
    QDoubleSpinBox* txtPourConcrete;
};
