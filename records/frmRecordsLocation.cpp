#include "records/frmRecordsLocation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "records/RecordsStore.h"
#include "settings/Settings.h"
#include "ui/MessageBox.h"

frmRecordsLocation::frmRecordsLocation(const QString& defaultFile, QWidget* parent)
    : QDialog(parent), defaultFile_(defaultFile)
{
    setObjectName(QStringLiteral("frmRecordsLocation"));
    setWindowTitle(tr("Records Location"));

    lblEnvironment = new QLabel(this);
    lblEnvironment->setObjectName(QStringLiteral("lblEnvironment"));
    lblEnvironment->setWordWrap(true);
    const QString fromEnvironment = qEnvironmentVariable(RecordsLocationVariable).trimmed();
    lblEnvironment->setText(
        tr("On this computer the environment variable %1 sets where records live: \"%2\". The choice "
           "below is kept for when it is not set.")
            .arg(QString::fromLatin1(RecordsLocationVariable), RecordsLocation::FromText(fromEnvironment).shown()));
    lblEnvironment->setVisible(!fromEnvironment.isEmpty());

    optRecordsFile =
        new QRadioButton(tr("This computer's records file: \"%1\"").arg(QDir::toNativeSeparators(defaultFile)), this);
    optRecordsFile->setObjectName(QStringLiteral("optRecordsFile"));
    optRecordsServer = new QRadioButton(tr("A records server (PostgreSQL), for a team's one log:"), this);
    optRecordsServer->setObjectName(QStringLiteral("optRecordsServer"));
    txtServerUri = new QLineEdit(this);
    txtServerUri->setObjectName(QStringLiteral("txtServerUri"));
    txtServerUri->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/database"));
    txtServerUri->setMinimumWidth(380);
    auto* passwordNote =
        new QLabel(tr("No password is kept here: the server's password comes from libpq's password file "
                      "(~/.pgpass) or PGPASSWORD, or is asked for once each time the program starts."),
                   this);
    passwordNote->setWordWrap(true);
    cmdTestConnection = new QPushButton(tr("Test Connection"), this);
    cmdTestConnection->setObjectName(QStringLiteral("cmdTestConnection"));
    cmdTestConnection->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblEnvironment);
    layout->addWidget(optRecordsFile);
    layout->addWidget(optRecordsServer);
    layout->addWidget(txtServerUri);
    layout->addWidget(passwordNote);
    layout->addWidget(cmdTestConnection, 0, Qt::AlignLeft);
    layout->addWidget(buttons);

    const RecordsLocation saved = RecordsLocation::FromText(Settings::RecordsLocation());
    (saved.isServer() ? optRecordsServer : optRecordsFile)->setChecked(true);
    if (saved.isServer())
        txtServerUri->setText(saved.shown());

    connect(optRecordsServer, &QRadioButton::toggled, this, &frmRecordsLocation::UpdateEnabled);
    connect(cmdTestConnection, &QPushButton::clicked, this, &frmRecordsLocation::cmdTestConnection_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmRecordsLocation::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateEnabled();
}

RecordsLocation frmRecordsLocation::chosen() const
{
    if (optRecordsServer->isChecked())
        return RecordsLocation::FromText(txtServerUri->text());
    return RecordsLocation::File(defaultFile_);
}

QString frmRecordsLocation::Problem() const
{
    if (!optRecordsServer->isChecked())
        return {};
    const RecordsLocation location = chosen();
    if (!location.isServer() || !location.server.isValid() || location.server.host().isEmpty()
        || location.server.path().size() < 2)
        return tr("Type the server's address as postgresql://user@host:5432/database.");
    return location.problem();
}

void frmRecordsLocation::accept()
{
    if (const QString problem = Problem(); !problem.isEmpty()) {
        Msg::Box(this, problem, Msg::Buttons::Ok, Msg::Icon::Exclamation, windowTitle());
        return;
    }
    Settings::SetRecordsLocation(optRecordsServer->isChecked() ? chosen().text() : QString());
    QDialog::accept();
}

void frmRecordsLocation::cmdTestConnection_Click()
{
    if (const QString problem = Problem(); !problem.isEmpty()) {
        Msg::Box(this, problem, Msg::Buttons::Ok, Msg::Icon::Exclamation, windowTitle());
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool reached = false;
    const QString result = RecordsStore::TestConnection(chosen(), reached);
    QApplication::restoreOverrideCursor();
    Msg::Box(this, result, Msg::Buttons::Ok, reached ? Msg::Icon::Information : Msg::Icon::Exclamation,
             tr("Test Connection"));
}

void frmRecordsLocation::UpdateEnabled()
{
    txtServerUri->setEnabled(optRecordsServer->isChecked());
}
