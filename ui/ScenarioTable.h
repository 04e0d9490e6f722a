#pragma once

#include <QFrame>
#include <QString>
#include <array>

#include "calc/Calculation.h"

class QLabel;

// Where a table's row 0 stands in the window's cell arrays (lblAir1 and the others):
// the 0.1 table at 0, the 0.2 table at 4, the threshold-in-force table at 8.
constexpr int FirstCellIndex(ScenarioBlock block)
{
    return 4 * static_cast<int>(block);
}

// One variation-scenario table: a title, five column headings and four rows, one
// per varied input, each with the four input cells, an arrow and the rate. The
// cells keep the names of the window's cell arrays, with their index.
struct ScenarioTableDescription {
    QString frameName;
    ScenarioBlock block;
    QString titleName;
    bool titleUnderlined;
    std::array<QString, 5> headingNames;
    QString rateName;                  // "Label13" or "lblUserRate"
    int firstRateIndex;
};

class ScenarioTable : public QFrame {
    Q_OBJECT
public:
    ScenarioTable(QWidget* parent, const ScenarioTableDescription& description);

    static constexpr int Height = 94;

    // The column headings in the system shown.
    void ShowUnits(UnitSystem units);
    QLabel* cell(Input varied, Input column) const;

    QLabel* title;
    // The input cells by column, each a row per varied input; the rate column.
    ReadingsOf<std::array<QLabel*, 4>> columns{};
    std::array<QLabel*, 4> rate{};

private:
    std::array<QLabel*, 5> headings_{};
};
