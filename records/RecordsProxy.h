#pragma once

#include <QDate>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QTime>

#include <optional>
#include <vector>

#include "records/RecordsFilter.h"

// Stands between the records table and the viewer's grid: shows the records the filter
// lets through, in the order of the column the user sorted by, and changes nothing
// stored. Columns are known by their names: RecID and the readings sort as numbers,
// RecordDate as dates (then by time), RecordTime as times, the rest as text in the
// locale's order. Values that cannot be read sort after those that can.
class RecordsProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit RecordsProxy(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;

    void setFilter(const RecordsFilter& filter);
    const RecordsFilter& filter() const { return filter_; }

    // Records of the chosen site that the date range leaves out only because their date
    // cannot be read (looks at every record read so far).
    int unreadableDates() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    enum class Kind { Text, Number, Date, Time };
    void FindColumns();
    bool SiteMatches(int sourceRow) const;
    QString Text(int sourceRow, int column) const;
    QDate DateOf(int sourceRow) const;
    QTime TimeOf(int sourceRow) const;
    std::optional<double> NumberOf(int sourceRow, int column) const;

    RecordsFilter filter_;
    QMetaObject::Connection sourceReset_;
    std::vector<Kind> kinds_;
    int siteColumn_ = -1;
    int dateColumn_ = -1;
    int timeColumn_ = -1;
    // Many records share a date or a time; reading each text once keeps sorting and
    // filtering large tables quick.
    mutable QHash<QString, QDate> dates_;
    mutable QHash<QString, QTime> times_;
};
