#include "records/RecordsProxy.h"

#include "records/RecordReading.h"

namespace {

// Orders two values of which either may be unreadable: readable ones first, by value.
// Returns nothing when both are unreadable, for the caller to decide.
template <typename T>
std::optional<bool> ReadableLess(const T& left, bool leftRead, const T& right, bool rightRead)
{
    if (leftRead && rightRead)
        return left < right;
    if (leftRead != rightRead)
        return leftRead;
    return std::nullopt;
}

}  // namespace

RecordsProxy::RecordsProxy(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortLocaleAware(true);
}

void RecordsProxy::setSourceModel(QAbstractItemModel* source)
{
    disconnect(sourceReset_);
    QSortFilterProxyModel::setSourceModel(source);
    FindColumns();
    if (source)
        sourceReset_ = connect(source, &QAbstractItemModel::modelReset, this, &RecordsProxy::FindColumns);
}

void RecordsProxy::FindColumns()
{
    kinds_.clear();
    siteColumn_ = dateColumn_ = timeColumn_ = -1;
    const QAbstractItemModel* source = sourceModel();
    if (!source)
        return;
    static const QStringList numbers{QStringLiteral("RecID"),        QStringLiteral("AirTemp"),
                                     QStringLiteral("ConcreteTemp"), QStringLiteral("RH"),
                                     QStringLiteral("WindVelocity"), QStringLiteral("EvapRate"),
                                     QStringLiteral("RateThreshold")};
    for (int column = 0; column < source->columnCount(); ++column) {
        const QString name = source->headerData(column, Qt::Horizontal).toString();
        Kind kind = numbers.contains(name) ? Kind::Number : Kind::Text;
        if (name == QStringLiteral("RecordDate")) {
            kind = Kind::Date;
            dateColumn_ = column;
        } else if (name == QStringLiteral("RecordTime")) {
            kind = Kind::Time;
            timeColumn_ = column;
        } else if (name == QStringLiteral("Site")) {
            siteColumn_ = column;
        }
        kinds_.push_back(kind);
    }
}

void RecordsProxy::setFilter(const RecordsFilter& filter)
{
    filter_ = filter;
    invalidateRowsFilter();
}

int RecordsProxy::unreadableDates() const
{
    const QAbstractItemModel* source = sourceModel();
    if (!filter_.datesOn || !source)
        return 0;
    int unreadable = 0;
    for (int row = 0; row < source->rowCount(); ++row) {
        if (SiteMatches(row) && !DateOf(row).isValid())
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
    const int column = left.column();
    const Kind kind = column >= 0 && column < static_cast<int>(kinds_.size()) ? kinds_[column] : Kind::Text;
    std::optional<bool> less;
    switch (kind) {
    case Kind::Number: {
        const auto a = NumberOf(left.row(), column);
        const auto b = NumberOf(right.row(), column);
        less = ReadableLess(a.value_or(0.0), a.has_value(), b.value_or(0.0), b.has_value());
        break;
    }
    case Kind::Date: {
        const QDate a = DateOf(left.row());
        const QDate b = DateOf(right.row());
        if (a.isValid() && a == b) {
            const QTime ta = TimeOf(left.row());
            const QTime tb = TimeOf(right.row());
            less = ReadableLess(ta, ta.isValid(), tb, tb.isValid());
            if (!less)
                return false;
        } else {
            less = ReadableLess(a, a.isValid(), b, b.isValid());
        }
        break;
    }
    case Kind::Time: {
        const QTime a = TimeOf(left.row());
        const QTime b = TimeOf(right.row());
        less = ReadableLess(a, a.isValid(), b, b.isValid());
        break;
    }
    case Kind::Text:
        break;
    }
    if (less)
        return *less;
    return QString::localeAwareCompare(Text(left.row(), column), Text(right.row(), column)) < 0;
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

std::optional<double> RecordsProxy::NumberOf(int sourceRow, int column) const
{
    return RecordReading::Number(sourceModel()->index(sourceRow, column).data());
}
