#pragma once

#include <QDialog>

#include "calc/Calculation.h"

class QLabel;

// The measures against plastic-shrinkage cracking for the class a calculation shows, in
// the order a crew applies them; above the threshold in force headed by the concrete
// temperature that brings the rate down to it. A pane beside its window, following it.
class frmMeasures : public QDialog {
    Q_OBJECT
public:
    explicit frmMeasures(QWidget* parent);

    void ShowFor(const Calculation& calculation);

private:
    QLabel* lblMessage;
    QLabel* lblSummary;
    QLabel* lblCoolTo;
    QLabel* lblMeasures;
};
