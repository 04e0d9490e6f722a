#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "outlook/OutlookHours.h"

// The outlook's hours as a table: the time and the four readings, which can be edited,
// how many of a meter's readings an hour averages, both rates, the concrete temperature
// that brings the rate down to the threshold in force, whether the hour is borderline, and
// the message (or why the hour cannot be computed). The window and the printouts read each
// cell's text and heading from here.
class OutlookTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Time, Air, Humidity, Wind, Concrete, ReadingCount, Nomograph, Equation, CoolTo, Band, Message, ColumnCount
    };

    explicit OutlookTable(QObject* parent = nullptr);

    void setReadings(std::vector<HourlyReading> readings);
    void appendReadings(const std::vector<HourlyReading>& readings);
    void removeHours(std::vector<int> rows);
    void setSettings(const OutlookSettings& settings);

    const std::vector<HourlyReading>& readings() const { return readings_; }
    const std::vector<OutlookHour>& hours() const { return hours_; }
    const OutlookSettings& settings() const { return settings_; }
    // Counts every change of the readings.
    int revision() const { return revision_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // "ddd yyyy-MM-dd HH:mm", the form the time column shows and reads back, the site's
    // wall clock with its zone's abbreviation where that is not the computer's zone.
    static QString TimeText(const QDateTime& time);
    // A cell's text as the table shows it, and a column's heading in `units`.
    static QString Text(const OutlookHour& hour, Column column);
    static QString Heading(Column column, UnitSystem units);
    // "borderline", the band column's mark.
    static QString BorderlineMark();
    // Why an hour is borderline: its band against the threshold in force.
    static QString BandWords(const OutlookHour& hour);
    // Whether the hour's value in `column` was assumed rather than given by the source: a
    // concrete temperature set by the rule, a wind scaled from a 10 m forecast. Shown in italics.
    static bool IsAssumed(const OutlookHour& hour, Column column);
    // A time as wide as the widest the hours show, for sizing their column.
    static QString WidestTimeText(const std::vector<OutlookHour>& hours);

signals:
    // The hours were computed again (readings or settings changed).
    void hoursChanged();
    // The user typed a value into an hour.
    void readingEdited(int row);

private:
    void evaluate();

    std::vector<HourlyReading> readings_;
    std::vector<OutlookHour> hours_;
    OutlookSettings settings_;
    int revision_ = 0;
};
