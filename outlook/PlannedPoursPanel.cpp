#include "outlook/PlannedPoursPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/PourState.h"
#include "outlook/frmPlanPour.h"
#include "records/RecordsStore.h"
#include "settings/Settings.h"
#include "ui/QtText.h"
#include <QCoreApplication>

QString LastCheckText(const PlannedPour& pour)
{
    const std::optional<Settings::PourCheckState> last = Settings::LastPourState(pour.id);
    const std::optional<PourState> state = last ? PourStateCoded(Std(last->state)) : std::nullopt;
    if (!state)
        return QCoreApplication::translate("PlannedPoursPanel", "not checked yet");
    return QCoreApplication::translate("PlannedPoursPanel", "%1 (checked %2)")
        .arg(Q(EntryOf(*state).name),
             QLocale::c().toString(last->checked.toLocalTime(), QStringLiteral("ddd d MMM HH:mm")));
}

PlannedPoursPanel::PlannedPoursPanel(RecordsStore& store, std::function<Current()> current, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("PlannedPoursPanel", "Planned Pours"), parent),
      store_(store),
      current_(std::move(current))
{
    setObjectName(QStringLiteral("fraPlannedPours"));
    lblNextPour = new QLabel(this);
    lblNextPour->setObjectName(QStringLiteral("lblNextPour"));
    lblNextPour->setWordWrap(true);
    lstPlannedPours = new QListWidget(this);
    lstPlannedPours->setObjectName(QStringLiteral("lstPlannedPours"));
    lstPlannedPours->setAccessibleName(title());
    // A few lines: the hours below need the room more, and the list scrolls.
    lstPlannedPours->setMaximumHeight(lstPlannedPours->fontMetrics().height() * 4);
    cmdPlanPour = new QPushButton(QCoreApplication::translate("PlannedPoursPanel", "Plan a Pour…"), this);
    cmdPlanPour->setObjectName(QStringLiteral("cmdPlanPour"));
    cmdDeletePour = new QPushButton(QCoreApplication::translate("PlannedPoursPanel", "Delete Pour"), this);
    cmdDeletePour->setObjectName(QStringLiteral("cmdDeletePour"));
    for (QPushButton* button : {cmdPlanPour, cmdDeletePour})
        button->setAutoDefault(false);
    auto* next = new QHBoxLayout;
    next->addWidget(lblNextPour, 1);
    next->addWidget(cmdPlanPour);
    next->addWidget(cmdDeletePour);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(next);
    layout->addWidget(lstPlannedPours);

    connect(cmdPlanPour, &QPushButton::clicked, this, &PlannedPoursPanel::PlanPour);
    connect(cmdDeletePour, &QPushButton::clicked, this, &PlannedPoursPanel::DeletePour);
    connect(lstPlannedPours, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = lstPlannedPours->row(item);
        if (row >= 0 && row < int(pours_.size()))
            emit pourChosen(pours_[std::size_t(row)]);
    });
    Reload();
}

void PlannedPoursPanel::Reload()
{
    pours_.clear();
    lstPlannedPours->clear();
    std::vector<PlannedPour> all;
    const QSqlError error = store_.isOpen() ? PlannedPours::List(store_.database(), all) : QSqlError();
    if (error.isValid()) {
        lblNextPour->setText(
            QCoreApplication::translate("PlannedPoursPanel", "The planned pours could not be read from %1: %2")
                .arg(store_.describe(), error.text()));
        return;
    }
    pours_ = PlannedPours::Coming(all, QDateTime::currentDateTimeUtc());
    for (const PlannedPour& pour : pours_)
        lstPlannedPours->addItem(QStringLiteral("%1: %2").arg(PlannedPours::Title(pour), LastCheckText(pour)));
    lblNextPour->setText(pours_.empty() ? QCoreApplication::translate("PlannedPoursPanel", "No pour is planned.")
                                        : QCoreApplication::translate("PlannedPoursPanel", "Next: %1: %2")
                                              .arg(PlannedPours::Title(pours_.front()), LastCheckText(pours_.front())));
    cmdDeletePour->setEnabled(!pours_.empty());
    lstPlannedPours->setVisible(!pours_.empty());  // the line above says there is none
}

bool PlannedPoursPanel::ShowPour(qint64 id)
{
    const auto pour = std::find_if(pours_.begin(), pours_.end(), [id](const PlannedPour& p) { return p.id == id; });
    if (pour == pours_.end()) {
        emit problem(
            QCoreApplication::translate("PlannedPoursPanel", "Planned pour %1 is not among the coming pours in %2.")
                .arg(id)
                .arg(store_.describe()));
        return false;
    }
    lstPlannedPours->setCurrentRow(int(pour - pours_.begin()));
    emit pourChosen(*pour);
    return true;
}

void PlannedPoursPanel::PlanPour()
{
    if (!store_.isOpen()) {
        emit problem(
            QCoreApplication::translate("PlannedPoursPanel", "Pours are planned in the records, and %1 is not open.")
                .arg(store_.describe()));
        return;
    }
    const Current now = current_();
    frmPlanPour dialog(now.site, now.latitude, now.longitude, now.settings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString why;
    std::optional<PlannedPour> pour = dialog.pour(why);
    if (!pour)
        return;
    if (const QSqlError error = PlannedPours::Add(store_.database(), *pour); error.isValid()) {
        emit problem(QCoreApplication::translate("PlannedPoursPanel", "The pour was not planned in %1: %2")
                         .arg(store_.describe(), error.text()));
        return;
    }
    Reload();
    ShowPour(pour->id);
}

void PlannedPoursPanel::DeletePour()
{
    const int row = lstPlannedPours->currentRow();
    if (row < 0 || row >= int(pours_.size())) {
        emit problem(QCoreApplication::translate("PlannedPoursPanel", "Choose the pour to delete in the list."));
        return;
    }
    if (const QSqlError error = PlannedPours::Remove(store_.database(), pours_[std::size_t(row)].id); error.isValid()) {
        emit problem(QCoreApplication::translate("PlannedPoursPanel", "The pour was not deleted from %1: %2")
                         .arg(store_.describe(), error.text()));
        return;
    }
    Reload();
}
