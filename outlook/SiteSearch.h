#pragma once

#include <QWidget>

#include "outlook/Geocoding.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// A search box that finds sites by name or postcode through the geocoding service named in
// the settings and offers the matches; choosing one reports it with its coordinates and zone.
class SiteSearch : public QWidget {
    Q_OBJECT
public:
    // `prefix` tells this box's elements from another's in the same window ("" or "Pour").
    explicit SiteSearch(const QString& prefix, QWidget* parent = nullptr);

    void search(const QString& name);
    QListWidget* matches() const { return lstMatches; }

signals:
    void chosen(const Geocoding::Place& place);
    // Why a search found nothing or failed, for the window to say.
    void problem(const QString& message);

private:
    void show(const std::vector<Geocoding::Place>& places);

    QLineEdit* txtSearch;
    QPushButton* cmdSearch;
    QListWidget* lstMatches;
    GeocodingClient client_;
    std::vector<Geocoding::Place> places_;
};
