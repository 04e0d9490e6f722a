#include "ui/ScenarioTable.h"

#include <QLabel>

#include "ui/Colors.h"
#include "ui/UnitCaptions.h"
#include "ui/WidgetColors.h"

namespace {

// Column lefts and widths: four input cells, the arrow, the rate.
constexpr std::array<int, 6> ColumnLeft{2, 52, 102, 152, 204, 236};
constexpr std::array<int, 6> ColumnWidth{48, 48, 48, 48, 30, 96};
constexpr int HeadingTop = 16;
constexpr int FirstRowTop = 32;
constexpr int RowPitch = 15;

QLabel* MakeCell(QWidget* parent, const QString& name, int column, int row)
{
    auto* cell = new QLabel(parent);
    cell->setObjectName(name);
    cell->setGeometry(ColumnLeft[column], FirstRowTop + row * RowPitch, ColumnWidth[column], RowPitch + 1);
    cell->setAlignment(Qt::AlignCenter);
    return cell;
}

}  // namespace

ScenarioTable::ScenarioTable(QWidget* parent, const ScenarioTableDescription& d) : QFrame(parent)
{
    setObjectName(d.frameName);
    setFrameShape(QFrame::Box);  // the window takes the border away when it starts
    resize(ColumnLeft[5] + ColumnWidth[5] + 2, Height);

    title = new QLabel(this);
    title->setObjectName(d.titleName);
    title->setGeometry(2, 0, width() - 4, 15);
    QFont titleFont = title->font();
    titleFont.setUnderline(d.titleUnderlined);
    titleFont.setBold(!d.titleUnderlined);
    title->setFont(titleFont);

    for (int column = 0; column < 5; ++column) {
        const int left = column < 4 ? ColumnLeft[column] : ColumnLeft[5];
        const int width = column < 4 ? ColumnWidth[column] : ColumnWidth[5];
        headings_[column] = new QLabel(this);
        headings_[column]->setObjectName(d.headingNames[column]);
        headings_[column]->setGeometry(left, HeadingTop, width, 15);
        headings_[column]->setAlignment(Qt::AlignCenter);
    }

    const ReadingsOf<QString> cellArrays{QStringLiteral("lblAir1"), QStringLiteral("lblRH1"), QStringLiteral("lblConc1"),
                                         QStringLiteral("lblWind1")};
    for (int row = 0; row < 4; ++row) {
        const int index = FirstCellIndex(d.block) + row;
        for (Input column : AllInputs) {
            QLabel* cell = MakeCell(this, QStringLiteral("%1(%2)").arg(cellArrays[column]).arg(index),
                                    static_cast<int>(column), row);
            cell->setFrameShape(QFrame::Box);
            WidgetColors::SetBackColor(cell, Colors::FixedInput);
            columns[column][row] = cell;
        }
        MakeCell(this, QStringLiteral("Label10(%1)").arg(index), 4, row)->setText(QStringLiteral("==>"));
        rate[row] = MakeCell(this, QStringLiteral("%1(%2)").arg(d.rateName).arg(d.firstRateIndex + row), 5, row);
    }
    ShowUnits(UnitSystem::US);
}

void ScenarioTable::ShowUnits(UnitSystem units)
{
    for (Input input : AllInputs)
        headings_[static_cast<int>(input)]->setText(UnitCaptions::ScenarioHeading(input, units));
    headings_[4]->setText(UnitCaptions::ScenarioRateHeading(units));
}

QLabel* ScenarioTable::cell(Input varied, Input column) const
{
    return columns[column][static_cast<std::size_t>(varied)];
}
