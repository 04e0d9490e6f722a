#pragma once

#include <QFrame>
#include <QString>
#include <array>

class QLabel;

// One variation-scenario table: a title, five column headings and four rows, one
// per varied input, each with the four input cells, an arrow and the rate. The
// cells keep the names of the window's cell arrays, with their index.
struct ScenarioTableDescription {
    QString frameName;
    int firstIndex;                    // index of row 0 in the cell arrays: 0, 4 or 8
    QString titleName, titleText;
    bool titleUnderlined;
    std::array<QString, 5> headingNames;
    QString rateName;                  // "Label13" or "lblUserRate"
    int firstRateIndex;
    QString rateText;
};

class ScenarioTable : public QFrame {
    Q_OBJECT
public:
    ScenarioTable(QWidget* parent, const ScenarioTableDescription& description);

    static constexpr int Height = 94;

    QLabel* title;
    std::array<QLabel*, 4> air{}, rh{}, conc{}, wind{}, rate{};
};
