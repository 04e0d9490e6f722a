#pragma once

#include <QCollator>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSortFilterProxyModel>
#include <QTime>

#include <vector>

#include "records/RecordsDisplay.h"
#include "records/RecordsFilter.h"
#include "records/RecordsSchema.h"

// Stands between the records table and the viewer's grid: shows the records the filter
// lets through, in the order of the column the user sorted by, and changes nothing
// stored. Columns are known by their names in the records schema, whose kinds say how
// they sort: numbers (the record number, readings and rates) as numbers, the record's
// date as dates (then by time), its time as times, the rest as text in the locale's
// order. Values that cannot be read sort after those that can. Readings and rates are
// shown in the units chosen and sorted by what they measure, records of both systems in
// one order; editing is left to the values shown as they are stored.
class RecordsProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    // The column's name alone, whatever its heading shows.
    static constexpr int ColumnNameRole = Qt::UserRole;
    // A value or heading as exports and copies write it (see RecordsDisplay::Exported).
    static constexpr int ExportRole = Qt::UserRole + 1;

    explicit RecordsProxy(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;

    void setShowUnits(ShowUnits shown);
    ShowUnits showUnits() const { return shown_; }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Row `row` shown as exports and copies write it (ExportRole), every column read at once;
    // a null value is empty.
    QStringList exportedRow(int row) const;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setFilter(const RecordsFilter& filter);
    const RecordsFilter& filter() const { return filter_; }

    // Records of the chosen site that the date range leaves out only because their date
    // cannot be read (looks at every record read so far), and the first `named` of them
    // by number and date: "4 \"someday\"".
    int unreadableDates(QStringList* names = nullptr, int named = 3) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    enum class SortAs { Text, Number, Date, Time };
    // What a row is sorted by in the sorted column.
    struct SortKey {
        bool known = false;
        bool readable = false;  // as a number, date or time
        double value = 0.0;
        QString text;
    };
    void FindColumns();
    bool SiteMatches(int sourceRow) const;
    RecordsSchema::Kind KindOf(int column) const;
    UnitSystem UnitsOf(int sourceRow) const;
    QString Text(int sourceRow, int column) const;
    QDate DateOf(int sourceRow) const;
    QTime TimeOf(int sourceRow) const;
    const SortKey& KeyOf(int sourceRow, int column) const;
    void ForgetKeys(int firstRow = 0) const;

    RecordsFilter filter_;
    QList<QMetaObject::Connection> sourceConnections_;
    std::vector<SortAs> sortAs_;
    std::vector<RecordsSchema::Kind> kinds_;
    ShowUnits shown_ = ShowUnits::US;
    int unitsColumn_ = -1;
    int siteColumn_ = -1;
    int dateColumn_ = -1;
    int timeColumn_ = -1;
    QCollator collator_;
    // A sort compares each row many times: its key is read once, and many records share
    // a date or a time, whose texts are read once too.
    mutable int keyColumn_ = -1;
    mutable std::vector<SortKey> keys_;
    // Each row's unit system, read once (-1: not yet).
    mutable std::vector<signed char> units_;
    mutable QHash<QString, QDate> dates_;
    mutable QHash<QString, QTime> times_;
};
