#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "calc/PourWindow.h"
#include "calc/Units.h"
#include "outlook/OutlookHours.h"

class QPainter;

// Both rates against time, each reading at its hour, the equation's with the ±40 % band
// of measured rates about it; the 0.1 / 0.2 lines (0.5 / 1.0 in SI) and the threshold in
// force, the hours above it shaded and the safe pour windows marked. The same drawing
// serves the window and the printed page.
struct OutlookChartData {
    struct Point {
        QDateTime time;
        std::optional<double> nomograph;  // rates in the units shown; none where the hour has no result
        std::optional<double> equation;
        bool above = false;               // computed and above the threshold in force
        bool borderline = false;          // its band reaches across the threshold in force
        Readings used;                    // as computed, for the hour's tooltip
        bool concreteAssumed = false;     // set by the concrete rule
        bool windAssumed = false;         // scaled from a 10 m forecast
    };
    std::vector<Point> points;
    UnitSystem units = UnitSystem::US;
    double may = 0.1;
    double shall = 0.2;
    std::optional<double> inForce;  // an alternate threshold in force
    PourWindow::Found windows;
    int minimumHours = 4;           // the length the next window was looked for with
    double heightFactor = 1;        // shown beside the chart
    bool windAdjusted = false;      // whether the wind came from a 10 m forecast
    QString concreteRule;           // the rule's words when it set a concrete temperature shown

    static OutlookChartData From(const std::vector<OutlookHour>& hours, const OutlookSettings& settings,
                                 const PourWindow::Found& windows);
};

class OutlookChart : public QWidget {
    Q_OBJECT
public:
    explicit OutlookChart(QWidget* parent = nullptr);

    void setData(OutlookChartData data);
    const OutlookChartData& data() const { return data_; }

    static void Paint(QPainter& painter, const QRectF& area, const OutlookChartData& data);
    // The hour nearest to x within `area`, or nothing when there are no hours.
    static std::optional<std::size_t> HourAt(const QRectF& area, const OutlookChartData& data, double x);
    // The hour's time, readings (assumed ones in italics) and rates, as rich text.
    static QString HourTip(const OutlookChartData& data, std::size_t hour);

signals:
    void hourClicked(std::size_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    OutlookChartData data_;
};
