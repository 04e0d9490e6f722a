#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Which saved records the viewer shows: those of one site (or of every site) and, while
// the date range is on, those dated from `from` to `to`, both days included. A record
// whose date cannot be read is left out while the range is on.
struct RecordsFilter {
    QString site;  // empty: every site
    bool datesOn = false;
    QDate from;
    QDate to;

    bool active() const { return !site.isEmpty() || datesOn; }
    // "All sites, all dates", "Site: North slab; 1/2/26 to 1/31/26", dates in the
    // locale's short form.
    QString words() const;
    // What an active filter keeps, for a question: "site North slab, 1/2/26 to 1/31/26".
    QString brief() const;
};

// How many records the viewer reads and shows.
struct RecordsCount {
    int shown = 0;
    int all = 0;
    int unreadableDates = 0;  // left out by the date range only because their date cannot be read
    QStringList unreadableNames;  // the first of them, by number and date
    bool reading = false;     // the grid has not read every record yet
    bool filtered = false;

    // "3 records", "2 of 3 records shown (1 left out: date cannot be read, record 4
    // "someday")", or while reading "Reading records: 510 read so far".
    QString words() const;
};
