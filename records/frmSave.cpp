#include "records/frmSave.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

#include "records/NewRecord.h"
#include "records/RecordTime.h"
#include "records/RecordsStore.h"
#include "settings/Settings.h"
#include "ui/MessageBox.h"
#include "ui/UnitCaptions.h"
#include "ui/QtText.h"

frmSave::frmSave(const Calculation& calculation, RecordsStore& store, QWidget* parent)
    : QDialog(parent), store_(store), calculation_(calculation)
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(tr("Save"));
    setModal(true);

    auto* values = new QGridLayout;
    const auto addRow = [values](QWidget* caption, QWidget* value) {
        const int row = values->rowCount();
        values->addWidget(caption, row, 0);
        values->addWidget(value, row, 1);
    };
    const UnitSystem units = calculation_.request.units;
    const auto caption = [this, units](const char* name, Input input) {
        return AddCaption(name, UnitCaptions::InputCaption(input, units));
    };
    // Shown as the record will hold them.
    const NewRecord shown = RecordOf(calculation_, {});
    addRow(caption("Label3", Input::AirTemp), AddValue("lblAT", shown.AirTemp));
    addRow(caption("Label1", Input::RelativeHumidity), AddValue("lblRH", shown.RH));
    addRow(caption("Label2", Input::ConcreteTemp), AddValue("lblCT", shown.ConcreteTemp));
    addRow(caption("Label4", Input::WindVelocity), AddValue("lblWV", shown.WindVelocity));
    // Each rate with its unit beside it.
    const auto addUnit = [this, values, units](const char* name) {
        values->addWidget(AddCaption(name, UnitCaptions::Symbol(Quantity::Rate, units)), values->rowCount() - 1, 2);
    };
    addRow(AddCaption("Label6", tr("Selected Threshold Evap. Rate")), AddValue("lblSelected", shown.RateThreshold));
    addUnit("lblSelectedUnit");
    addRow(AddCaption("lblMixCaption", tr("Mix")), AddValue("lblMix", Q(PresetOf(calculation_.request.mix).name)));
    addRow(AddCaption("lvlererer", tr("Calculated Evaporation Rate")), AddValue("lblER", shown.EvapRate));
    addUnit("lblERUnit");
    addRow(AddCaption("Label10", tr("Calculation Response")), AddValue("lblAnswer", shown.RateNote));

    txtDate = new QLineEdit(RecordTime::DateText(QDate::currentDate()), this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    addRow(AddCaption("Label7", tr("Record Date")), txtDate);
    txtTime = new QLineEdit(RecordTime::TimeText(QTime::currentTime()), this);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    addRow(AddCaption("Label8", tr("Record Time")), txtTime);
    // Where the readings were taken, for a team's log: chosen from those saved before or typed.
    cboSite = new QComboBox(this);
    cboSite->setObjectName(QStringLiteral("cboSite"));
    cboSite->setEditable(true);
    cboSite->setInsertPolicy(QComboBox::NoInsert);
    QStringList sites = Settings::RecordSites();
    for (const QString& site : store.Sites()) {
        if (!sites.contains(site))
            sites << site;
    }
    cboSite->addItems(sites);
    cboSite->setCurrentText(Settings::RecordSites().value(0));
    cboSite->lineEdit()->setMaxLength(NoteMaxLength);
    addRow(AddCaption("lblSiteCaption", tr("Site")), cboSite);

    txtNote = new QLineEdit(this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setMaxLength(NoteMaxLength);
    values->addWidget(AddCaption("Label5", tr("Note")), values->rowCount(), 0, 1, -1);
    values->addWidget(txtNote, values->rowCount(), 0, 1, -1);

    cmdAccept = new QPushButton(tr("Accept"), this);
    cmdAccept->setObjectName(QStringLiteral("cmdAccept"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdAccept, cmdCancel}) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        // Enter in a box must not accept the record behind the user's back.
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);

    setTabOrder(txtDate, txtTime);
    setTabOrder(txtTime, cboSite);
    setTabOrder(cboSite, txtNote);
    setTabOrder(txtNote, cmdAccept);
    setTabOrder(cmdAccept, cmdCancel);
    txtDate->setFocus();

    connect(cmdAccept, &QPushButton::clicked, this, &frmSave::cmdAccept_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel* frmSave::AddCaption(const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* frmSave::AddValue(const char* name, const QString& text)
{
    auto* label = AddCaption(name, text);
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

void frmSave::cmdAccept_Click()
{
    // A date or time that cannot be read would drop out of the viewer's date filter.
    const std::optional<QString> date = RecordTime::StoredDate(txtDate->text());
    const std::optional<QString> time = RecordTime::StoredTime(txtTime->text());
    if (!date || !time) {
        QLineEdit* box = date ? txtTime : txtDate;
        Msg::Box(
            this,
            date
                ? tr("The record time \"%1\" cannot be read. Type it as %2.").arg(box->text(), RecordTime::TimeForms())
                : tr("The record date \"%1\" cannot be read. Type it as %2.").arg(box->text(), RecordTime::DateForms()),
            Msg::Buttons::Ok, Msg::Icon::Exclamation, tr("Save"));
        box->setFocus();
        box->selectAll();
        return;
    }
    const NewRecord record = RecordOf(calculation_, {.date = *date,
                                                     .time = *time,
                                                     .note = txtNote->text(),
                                                     .site = cboSite->currentText().trimmed()});
    const QSqlError error = store_.AddRecord(record);
    if (error.isValid()) {
        // Everything typed stays in the dialog, so the user can try again.
        Msg::Box(this, tr("The record could not be saved in \"%1\".\n%2").arg(store_.databasePath(), error.text()),
                 Msg::Buttons::Ok, Msg::Icon::Critical, tr("Save"));
        return;
    }
    Settings::RememberRecordSite(record.Site);
    Msg::Box(this, tr("Record added."), Msg::Buttons::Ok, Msg::Icon::Information, tr("Saved"));
    emit recordAdded();
    accept();
}
