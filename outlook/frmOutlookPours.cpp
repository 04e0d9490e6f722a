#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "outlook/OutlookTable.h"
#include "outlook/PlannedPoursPanel.h"
#include "outlook/SiteSearch.h"
#include "outlook/frmOutlook.h"

void frmOutlook::BuildPlannedPours(QVBoxLayout* layout)
{
    siteSearch_ = new SiteSearch({}, this);
    pours_ = new PlannedPoursPanel(
        store_,
        [this] {
            const std::optional<Settings::Site> site = SiteFromFields();
            return PlannedPoursPanel::Current{.site = site ? site->name : QString(),
                                              .latitude = site ? site->latitude : 0,
                                              .longitude = site ? site->longitude : 0,
                                              .settings = model_->settings()};
        },
        this);
    auto* row = new QHBoxLayout;
    row->addWidget(siteSearch_);
    row->addWidget(pours_, 1);
    layout->addLayout(row);

    connect(siteSearch_, &SiteSearch::chosen, this, [this](const Geocoding::Place& place) {
        cboSite->setEditText(place.Label());
        txtLatitude->setText(QString::number(place.latitude, 'f', 4));
        txtLongitude->setText(QString::number(place.longitude, 'f', 4));
    });
    connect(siteSearch_, &SiteSearch::problem, this, [this](const QString& message) { Report(message, true); });
    connect(pours_, &PlannedPoursPanel::problem, this, [this](const QString& message) { Report(message, true); });
    connect(pours_, &PlannedPoursPanel::pourChosen, this, [this](const PlannedPour& pour) {
        cboSite->setEditText(pour.site);
        txtLatitude->setText(QString::number(pour.latitude, 'f', 4));
        txtLongitude->setText(QString::number(pour.longitude, 'f', 4));
        if (const std::optional<Forecast::Answer> kept = ForecastCache::Load(CacheFolder(), pour.latitude, pour.longitude))
            ShowForecast(*kept, true);
        const std::vector<OutlookHour>& hours = model_->hours();
        const auto first = std::find_if(hours.begin(), hours.end(),
                                        [&pour](const OutlookHour& hour) { return hour.reading.time >= pour.start; });
        if (first != hours.end())
            tblHours->selectRow(int(first - hours.begin()));
    });
}

void frmOutlook::ShowPlannedPour(qint64 id)
{
    pours_->Reload();
    pours_->ShowPour(id);
}
