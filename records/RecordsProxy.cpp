#include "records/RecordsProxy.h"

#include <QSqlQuery>
#include <QSqlTableModel>

#include "records/RecordReading.h"
#include "records/RecordsSchema.h"
#include "ui/QtText.h"

RecordsProxy::RecordsProxy(QObject* parent) : QSortFilterProxyModel(parent)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void RecordsProxy::setSourceModel(QAbstractItemModel* source)
{
    for (const QMetaObject::Connection& connection : std::as_const(sourceConnections_))
        disconnect(connection);
    sourceConnections_.clear();
    ForgetKeys();
    // Connected before the proxy's own handlers, so that a sort they start never reads a
    // key the change made stale.
    if (source) {
        const auto forgetAll = [this] { ForgetKeys(); };
        sourceConnections_ = {
            connect(source, &QAbstractItemModel::dataChanged, this,
                    [this](const QModelIndex& first) { ForgetKeys(first.row()); }),
            connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
                    [this](const QModelIndex&, int first) { ForgetKeys(first); }),
            connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, forgetAll),
            connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this, forgetAll),
            connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, forgetAll),
            connect(source, &QAbstractItemModel::modelAboutToBeReset, this, forgetAll),
        };
    }
    QSortFilterProxyModel::setSourceModel(source);
    FindColumns();
    if (source)
        sourceConnections_ << connect(source, &QAbstractItemModel::modelReset, this, &RecordsProxy::FindColumns);
}

void RecordsProxy::FindColumns()
{
    sortAs_.clear();
    kinds_.clear();
    siteColumn_ = dateColumn_ = timeColumn_ = unitsColumn_ = -1;
    const QAbstractItemModel* source = sourceModel();
    if (!source)
        return;
    for (int column = 0; column < source->columnCount(); ++column) {
        const QString name = source->headerData(column, Qt::Horizontal).toString();
        const RecordsSchema::Column* known = RecordsSchema::Find(name);
        const RecordsSchema::Kind kind = known ? known->kind : RecordsSchema::Kind::Text;
        SortAs sortAs = RecordsSchema::IsNumeric(kind) ? SortAs::Number : SortAs::Text;
        if (kind == RecordsSchema::Kind::Date && dateColumn_ < 0) {
            sortAs = SortAs::Date;
            dateColumn_ = column;
        } else if (kind == RecordsSchema::Kind::Time && timeColumn_ < 0) {
            sortAs = SortAs::Time;
            timeColumn_ = column;
        } else if (name == RecordsSchema::SiteColumn) {
            siteColumn_ = column;
        } else if (kind == RecordsSchema::Kind::Units && unitsColumn_ < 0) {
            unitsColumn_ = column;
        }
        sortAs_.push_back(sortAs);
        kinds_.push_back(kind);
    }
}

void RecordsProxy::setShowUnits(ShowUnits shown)
{
    if (shown == shown_)
        return;
    shown_ = shown;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
}

RecordsSchema::Kind RecordsProxy::KindOf(int column) const
{
    return column >= 0 && column < static_cast<int>(kinds_.size()) ? kinds_[column] : RecordsSchema::Kind::Text;
}

// Records saved before the unit system was kept were saved in US customary units.
UnitSystem RecordsProxy::UnitsOf(int sourceRow) const
{
    if (sourceRow >= static_cast<int>(units_.size()))
        units_.resize(std::max<std::size_t>(sourceRow + 1, sourceModel()->rowCount()), -1);
    signed char& known = units_[sourceRow];
    if (known < 0)
        known = static_cast<signed char>(Units::FromCode(Std(Text(sourceRow, unitsColumn_).trimmed())));
    return static_cast<UnitSystem>(known);
}

QVariant RecordsProxy::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != ExportRole))
        return QSortFilterProxyModel::data(index, role);
    const QVariant stored = QSortFilterProxyModel::data(index, Qt::DisplayRole);
    const RecordsSchema::Kind kind = KindOf(index.column());
    if (stored.isNull() || (!RecordsDisplay::QuantityOf(kind) && kind != RecordsSchema::Kind::Units))
        return stored;
    const UnitSystem saved = UnitsOf(mapToSource(index).row());
    return role == ExportRole ? RecordsDisplay::Exported(kind, stored.toString(), saved, shown_)
                              : RecordsDisplay::Shown(kind, stored.toString(), saved, shown_);
}

QStringList RecordsProxy::exportedRow(int row) const
{
    const int sourceRow = mapToSource(index(row, 0)).row();
    // A table's query, on the row, reads its values several times faster than the table cell
    // by cell; the table holds no edit it has not written, as the viewer writes edits first.
    const auto* table = qobject_cast<const QSqlTableModel*>(sourceModel());
    QSqlQuery query = table && !table->isDirty() ? table->query() : QSqlQuery();
    const bool onRow = query.isActive() && query.seek(sourceRow);
    const auto stored = [&](int column) {
        return onRow ? query.value(column) : sourceModel()->index(sourceRow, column).data();
    };
    const UnitSystem saved = unitsColumn_ < 0 ? UnitSystem::US
                                              : Units::FromCode(Std(stored(unitsColumn_).toString().trimmed()));
    QStringList values;
    values.reserve(columnCount());
    for (int column = 0; column < columnCount(); ++column) {
        const QVariant value = stored(column);
        const RecordsSchema::Kind kind = KindOf(column);
        if (value.isNull())
            values << QString();
        else if (RecordsDisplay::QuantityOf(kind) || kind == RecordsSchema::Kind::Units)
            values << RecordsDisplay::Exported(kind, value.toString(), saved, shown_);
        else
            values << value.toString();
    }
    return values;
}

QVariant RecordsProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != ColumnNameRole && role != ExportRole))
        return QSortFilterProxyModel::headerData(section, orientation, role);
    const QString name = QSortFilterProxyModel::headerData(section, orientation, Qt::DisplayRole).toString();
    return role == ColumnNameRole ? name : RecordsDisplay::Heading(name, shown_);
}

Qt::ItemFlags RecordsProxy::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QSortFilterProxyModel::flags(index);
    if (!index.isValid() || RecordsDisplay::ShownAsStored(KindOf(index.column()), UnitsOf(mapToSource(index).row()), shown_))
        return flags;
    return flags & ~Qt::ItemIsEditable;
}

void RecordsProxy::setFilter(const RecordsFilter& filter)
{
    filter_ = filter;
    invalidateRowsFilter();
}

int RecordsProxy::unreadableDates(QStringList* names, int named) const
{
    const QAbstractItemModel* source = sourceModel();
    if (!filter_.datesOn || !source)
        return 0;
    int unreadable = 0;
    for (int row = 0; row < source->rowCount(); ++row) {
        if (!SiteMatches(row) || DateOf(row).isValid())
            continue;
        if (names && unreadable < named)
            *names << QStringLiteral("%1 \"%2\"").arg(Text(row, 0), Text(row, dateColumn_));
        ++unreadable;
    }
    return unreadable;
}

bool RecordsProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (!SiteMatches(sourceRow))
        return false;
    if (!filter_.datesOn)
        return true;
    const QDate date = DateOf(sourceRow);
    return date.isValid() && date >= filter_.from && date <= filter_.to;
}

bool RecordsProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const SortKey& a = KeyOf(left.row(), left.column());
    const SortKey& b = KeyOf(right.row(), right.column());
    if (a.readable && b.readable)
        return a.value < b.value;
    if (a.readable != b.readable)
        return a.readable;
    return collator_.compare(a.text, b.text) < 0;
}

const RecordsProxy::SortKey& RecordsProxy::KeyOf(int sourceRow, int column) const
{
    if (column != keyColumn_) {
        ForgetKeys();
        keyColumn_ = column;
    }
    if (sourceRow >= static_cast<int>(keys_.size()))
        keys_.resize(std::max<std::size_t>(sourceRow + 1, sourceModel()->rowCount()));
    SortKey& key = keys_[sourceRow];
    if (key.known)
        return key;
    key.known = true;
    const SortAs sortAs =
        column >= 0 && column < static_cast<int>(sortAs_.size()) ? sortAs_[column] : SortAs::Text;
    const QVariant value = sourceModel()->index(sourceRow, column).data();
    key.text = value.toString();
    switch (sortAs) {
    case SortAs::Number:
        if (const std::optional<double> number = RecordReading::Number(value)) {
            key.readable = true;
            key.value = RecordsDisplay::InModelUnits(KindOf(column), *number, UnitsOf(sourceRow));
        }
        break;
    case SortAs::Date:
        // Records of one day in the order of their times, those without a readable time last.
        if (const QDate date = DateOf(sourceRow); date.isValid()) {
            constexpr double MsPerDay = 86400000.0;
            const QTime time = TimeOf(sourceRow);
            key.readable = true;
            key.value = static_cast<double>(date.toJulianDay()) * MsPerDay
                        + (time.isValid() ? time.msecsSinceStartOfDay() : MsPerDay);
        }
        break;
    case SortAs::Time:
        if (const QTime time = TimeOf(sourceRow); time.isValid()) {
            key.readable = true;
            key.value = time.msecsSinceStartOfDay();
        }
        break;
    case SortAs::Text:
        break;
    }
    return key;
}

void RecordsProxy::ForgetKeys(int firstRow) const
{
    if (firstRow <= 0) {
        keys_.clear();
        units_.clear();
        return;
    }
    if (firstRow < static_cast<int>(keys_.size()))
        keys_.resize(firstRow);
    if (firstRow < static_cast<int>(units_.size()))
        units_.resize(firstRow);
}

bool RecordsProxy::SiteMatches(int sourceRow) const
{
    return filter_.site.isEmpty() || Text(sourceRow, siteColumn_) == filter_.site;
}

QString RecordsProxy::Text(int sourceRow, int column) const
{
    if (column < 0)
        return {};
    return sourceModel()->index(sourceRow, column).data().toString();
}

QDate RecordsProxy::DateOf(int sourceRow) const
{
    const QString text = Text(sourceRow, dateColumn_);
    auto found = dates_.constFind(text);
    if (found == dates_.constEnd())
        found = dates_.insert(text, RecordReading::Date(text));
    return *found;
}

QTime RecordsProxy::TimeOf(int sourceRow) const
{
    const QString text = Text(sourceRow, timeColumn_);
    auto found = times_.constFind(text);
    if (found == times_.constEnd())
        found = times_.insert(text, RecordReading::Time(text));
    return *found;
}
