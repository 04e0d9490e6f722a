#include <QLabel>
#include <QStatusBar>

#include "app/frmMain.h"
#include "outlook/PlannedPoursPanel.h"
#include "records/PlannedPours.h"
#include "records/RecordsStore.h"
#include <QCoreApplication>

void frmMain::ShowNextPlannedPour()
{
    std::vector<PlannedPour> pours;
    if (!records_->isOpen() || PlannedPours::List(records_->database(), pours).isValid())
        return;
    const std::vector<PlannedPour> coming = PlannedPours::Coming(pours, QDateTime::currentDateTimeUtc());
    if (coming.empty())
        return;
    auto* next = new QLabel(QCoreApplication::translate("frmMain", "Next planned pour: %1: %2")
                                .arg(PlannedPours::Title(coming.front()), LastCheckText(coming.front())),
                            statusBar());
    next->setObjectName(QStringLiteral("lblMainNextPour"));
    statusBar()->addWidget(next, 1);
}
