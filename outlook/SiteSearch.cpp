#include "outlook/SiteSearch.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/Settings.h"
#include <QCoreApplication>

SiteSearch::SiteSearch(const QString& prefix, QWidget* parent)
    : QWidget(parent),
      txtSearch(new QLineEdit(this)),
      cmdSearch(new QPushButton(QCoreApplication::translate("SiteSearch", "Find Site"), this)),
      lstMatches(new QListWidget(this))
{
    txtSearch->setObjectName(QStringLiteral("txt%1SiteSearch").arg(prefix));
    cmdSearch->setObjectName(QStringLiteral("cmd%1FindSite").arg(prefix));
    lstMatches->setObjectName(QStringLiteral("lst%1SiteMatches").arg(prefix));
    txtSearch->setAccessibleName(cmdSearch->text());
    lstMatches->setAccessibleName(QCoreApplication::translate("SiteSearch", "Place name or postcode"));
    txtSearch->setPlaceholderText(QCoreApplication::translate("SiteSearch", "Place name or postcode"));
    // Room for the hint in every language, which is longer in some than in English.
    txtSearch->setMinimumWidth(txtSearch->fontMetrics().horizontalAdvance(txtSearch->placeholderText()) + 16);
    cmdSearch->setAutoDefault(false);
    lstMatches->setVisible(false);
    lstMatches->setMaximumHeight(lstMatches->fontMetrics().height() * 6);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(txtSearch, 1);
    row->addWidget(cmdSearch);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(lstMatches);

    connect(cmdSearch, &QPushButton::clicked, this, [this] { search(txtSearch->text()); });
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] { search(txtSearch->text()); });
    connect(&client_, &GeocodingClient::found, this, &SiteSearch::show);
    connect(&client_, &GeocodingClient::failed, this, [this](const QString& message) {
        cmdSearch->setEnabled(true);
        emit problem(message);
    });
    connect(lstMatches, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = lstMatches->row(item);
        if (row >= 0 && row < int(places_.size())) {
            lstMatches->setVisible(false);
            emit chosen(places_[std::size_t(row)]);
        }
    });
}

void SiteSearch::search(const QString& name)
{
    txtSearch->setText(name);
    if (name.trimmed().size() < 2) {
        emit problem(QCoreApplication::translate("SiteSearch",
                                                 "Type at least 2 letters or digits of the place's name or postcode."));
        return;
    }
    cmdSearch->setEnabled(false);
    client_.search(Settings::GeocodingServer(), name);
}

void SiteSearch::show(const std::vector<Geocoding::Place>& places)
{
    cmdSearch->setEnabled(true);
    places_ = places;
    lstMatches->clear();
    for (const Geocoding::Place& place : places)
        lstMatches->addItem(QStringLiteral("%1 (%2, %3)")
                                .arg(place.Label())
                                .arg(place.latitude, 0, 'f', 4)
                                .arg(place.longitude, 0, 'f', 4));
    lstMatches->setVisible(!places.empty());
    if (places.empty())
        emit problem(QCoreApplication::translate("SiteSearch", "No place called \"%1\" was found.")
                         .arg(txtSearch->text().trimmed()));
}
