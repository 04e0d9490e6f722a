#include "outlook/OutlookTable.h"

#include <QColor>
#include <QFont>
#include <QLocale>
#include <algorithm>

#include "calc/ConcreteAtMost.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/RateBand.h"
#include "outlook/SiteTime.h"
#include "ui/Colors.h"
#include "ui/CoreTexts.h"
#include "ui/UnitCaptions.h"
#include "ui/QtText.h"
#include <QCoreApplication>

namespace {

Input InputOf(OutlookTable::Column column)
{
    switch (column) {
    case OutlookTable::Air: return Input::AirTemp;
    case OutlookTable::Humidity: return Input::RelativeHumidity;
    case OutlookTable::Concrete: return Input::ConcreteTemp;
    default: break;
    }
    return Input::WindVelocity;
}

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm");

}  // namespace

bool OutlookTable::IsAssumed(const OutlookHour& hour, Column column)
{
    return (column == Concrete && hour.concreteAssumed) || (column == Wind && hour.windAssumed());
}

OutlookTable::OutlookTable(QObject* parent) : QAbstractTableModel(parent) {}

QString OutlookTable::TimeText(const QDateTime& time)
{
    return time.isValid() ? QLocale::c().toString(time, QStringLiteral("ddd ") + TimeFormat) + SiteTime::ZoneLabel(time)
                          : QString();
}

QString OutlookTable::WidestTimeText(const std::vector<OutlookHour>& hours)
{
    QString zone;
    for (const OutlookHour& hour : hours) {
        const QString label = SiteTime::ZoneLabel(hour.reading.time);
        if (label.size() > zone.size())
            zone = label;
    }
    return QStringLiteral("Wed 2026-12-07 14:00") + zone;
}

void OutlookTable::setReadings(std::vector<HourlyReading> readings)
{
    beginResetModel();
    readings_ = std::move(readings);
    ++revision_;
    hours_ = Evaluate(readings_, settings_);
    endResetModel();
    emit hoursChanged();
}

void OutlookTable::appendReadings(const std::vector<HourlyReading>& readings)
{
    if (readings.empty())
        return;
    beginInsertRows({}, int(readings_.size()), int(readings_.size() + readings.size()) - 1);
    readings_.insert(readings_.end(), readings.begin(), readings.end());
    ++revision_;
    const std::vector<OutlookHour> added = Evaluate(readings, settings_);
    hours_.insert(hours_.end(), added.begin(), added.end());
    endInsertRows();
    emit hoursChanged();
}

void OutlookTable::removeHours(std::vector<int> rows)
{
    std::sort(rows.rbegin(), rows.rend());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        beginRemoveRows({}, row, row);
        readings_.erase(readings_.begin() + row);
        hours_.erase(hours_.begin() + row);
        endRemoveRows();
    }
    ++revision_;
    emit hoursChanged();
}

void OutlookTable::setSettings(const OutlookSettings& settings)
{
    settings_ = settings;
    evaluate();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void OutlookTable::evaluate()
{
    hours_ = Evaluate(readings_, settings_);
    if (!hours_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit hoursChanged();
}

int OutlookTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(hours_.size());
}

int OutlookTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OutlookTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const OutlookHour& hour = hours_[std::size_t(index.row())];
    const bool computed = hour.result.valid;
    if (role == Qt::EditRole && index.column() == Time)
        return hour.reading.time.toString(TimeFormat);
    if (role == Qt::DisplayRole && index.column() == Message && computed)
        return CoreText(hour.result.answer);  // the kept message stays English
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return Text(hour, Column(index.column()));
    if (role == Qt::ForegroundRole && index.column() == Message) {
        const bool warning = !computed || hour.result.precaution == Precaution::Shall;
        return QColor(Colors::toQColor(warning ? Colors::MessageWarning : Colors::MessageNormal));
    }
    if (role == Qt::FontRole && IsAssumed(hour, Column(index.column()))) {
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    if (role == Qt::ToolTipRole && index.column() == ReadingCount && hour.reading.averaged.leftOut > 0)
        return QCoreApplication::translate("OutlookTable", "Left out of the means: %1")
            .arg(hour.reading.averaged.firstLeftOut);
    if (role == Qt::ToolTipRole && !hour.problem.isEmpty())
        return hour.problem;
    if (role == Qt::ToolTipRole && index.column() == Band && hour.borderline)
        return BandWords(hour);
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == Message || index.column() == Time ? Qt::AlignLeft : Qt::AlignRight)
                   | Qt::AlignVCenter);
    return {};
}

QString OutlookTable::Text(const OutlookHour& hour, Column column)
{
    const bool computed = hour.result.valid;
    switch (column) {
    case Time: return TimeText(hour.reading.time);
    case Air:
    case Humidity:
    case Wind:
    case Concrete: return Q(hour.used[InputOf(column)]);
    case ReadingCount: return hour.reading.averaged.any() ? hour.reading.averaged.text() : QString();
    case Nomograph: return computed ? Q(hour.result.nomoCaption) : QString();
    case Equation: return computed ? Q(hour.result.eqnCaption) : QString();
    case CoolTo: return hour.concreteAtMost ? Q(ConcreteAtMostFigure(*hour.concreteAtMost)) : QString();
    case Band: return hour.borderline ? BorderlineMark() : QString();
    case Message: return computed ? Q(hour.result.answer) : hour.problem;
    case ColumnCount: break;
    }
    return {};
}

QString OutlookTable::BorderlineMark()
{
    return QStringLiteral("borderline");
}

QString OutlookTable::BandWords(const OutlookHour& hour)
{
    if (!hour.result.valid)
        return {};
    const UnitSystem units = hour.result.request.units;
    const RateBand band = BandAround(ReadNumber(hour.result.eqnCaption));
    const QString unit = UnitCaptions::Symbol(Quantity::Rate, units);
    return QCoreApplication::translate(
               "OutlookTable",
               "Measured rates differ from the equation's by up to ±%1 %: %2 to %3 %4 here, on both sides "
               "of the threshold in force, %5 %4.")
        .arg(int(EquationSpread * 100))
        .arg(QString::fromStdString(RateText(band.low, units)), QString::fromStdString(RateText(band.high, units)),
             unit, QString::fromStdString(RateText(hour.result.threshold, units)));
}

QVariant OutlookTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    // The widest headings put their unit on a second line, leaving the message room in a small window.
    if (role == Qt::DisplayRole && section >= 0 && section < ColumnCount) {
        const QString heading = Heading(Column(section), settings_.units);
        const bool wide = section == Nomograph || section == Equation || section == CoolTo;
        return wide ? QString(heading).replace(QStringLiteral(" ("), QStringLiteral("\n(")) : heading;
    }
    if (role == Qt::ToolTipRole && section == CoolTo)
        return QCoreApplication::translate(
            "OutlookTable",
            "Above the threshold in force: the concrete temperature that brings the equation's rate "
            "down to it, the other readings held. Blank where none in range does.");
    if (role == Qt::ToolTipRole && section == Band)
        return QCoreApplication::translate(
                   "OutlookTable",
                   "Measured evaporation differs from the equation's rate by up to ±%1 %. An hour whose "
                   "band reaches across the threshold in force is borderline.")
            .arg(int(EquationSpread * 100));
    return {};
}

QString OutlookTable::Heading(Column column, UnitSystem units)
{
    switch (column) {
        case Time:
            return QCoreApplication::translate("OutlookTable", "Time");
        case Air:
            return QCoreApplication::translate("OutlookTable", "Air (%1)")
                .arg(UnitCaptions::Symbol(Quantity::Temperature, units));
        case Humidity:
            return QCoreApplication::translate("OutlookTable", "RH (%)");
        case Wind:
            return QCoreApplication::translate("OutlookTable", "Wind (%1)")
                .arg(UnitCaptions::Symbol(Quantity::Wind, units));
        case Concrete:
            return QCoreApplication::translate("OutlookTable", "Concrete (%1)")
                .arg(UnitCaptions::Symbol(Quantity::Temperature, units));
        case ReadingCount:
            return QCoreApplication::translate("OutlookTable", "Readings");
        case Nomograph:
            return QCoreApplication::translate("OutlookTable", "Nomograph (%1)")
                .arg(UnitCaptions::Symbol(Quantity::Rate, units));
        case Equation:
            return QCoreApplication::translate("OutlookTable", "Equation (%1)")
                .arg(UnitCaptions::Symbol(Quantity::Rate, units));
        case CoolTo:
            return QCoreApplication::translate("OutlookTable", "Concrete at most (%1)")
                .arg(UnitCaptions::Symbol(Quantity::Temperature, units));
        case Band:
            return QStringLiteral("±%1 %").arg(int(EquationSpread * 100));
        case Message:
            return QCoreApplication::translate("OutlookTable", "Message");
        case ColumnCount:
            break;
    }
    return {};
}

Qt::ItemFlags OutlookTable::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() <= Concrete ? flags | Qt::ItemIsEditable : flags;
}

bool OutlookTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() > Concrete)
        return false;
    HourlyReading& reading = readings_[std::size_t(index.row())];
    const QString text = value.toString().trimmed();
    switch (index.column()) {
    case Time: {
        // Typed as the wall clock of the hour's own zone, or of a file, never the computer's.
        const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QDate date = QDate::fromString(parts.value(0), QStringLiteral("yyyy-MM-dd"));
        const QTime clock = QTime::fromString(parts.value(1), QStringLiteral("HH:mm"));
        const QDateTime time = reading.time.timeSpec() == Qt::TimeZone
                                   ? QDateTime(date, clock, reading.time.timeZone())
                                   : SiteWallClock(date, clock);
        if (parts.size() != 2 || !time.isValid())
            return false;
        reading.time = time;
        break;
    }
    default: reading.readings[InputOf(Column(index.column()))] = Std(text); break;
    }
    // A wind typed over the forecast's is measured.
    if (index.column() == Wind)
        reading.windFactor.reset();
    // The hour is read again as it now stands.
    reading.problem.clear();
    ++revision_;
    hours_[std::size_t(index.row())] = Evaluate({reading}, settings_).front();
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    emit readingEdited(index.row());
    emit hoursChanged();
    return true;
}
