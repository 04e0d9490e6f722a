#include "tests/support/RecordsFiles.h"

#include <QDir>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include "calc/ProgramError.h"
#include "records/RecordsSchema.h"
#include "tests/support/MessageRecorder.h"

OtherConnection::OtherConnection(const QString& path, int busyTimeoutMs, bool readOnly)
    : name_(QUuid::createUuid().toString())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs)
                         + (readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    db.open();  // a failure shows in the first statement
}

OtherConnection::~OtherConnection()
{
    database().close();
    QSqlDatabase::removeDatabase(name_);
}

bool OtherConnection::Exec(const QString& sql)
{
    QSqlQuery query(database());
    return query.exec(sql);
}

namespace {

QList<QStringList> RowsOf(QSqlQuery& query)
{
    QList<QStringList> rows;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << (query.value(i).isNull() ? QStringLiteral("<null>") : query.value(i).toString());
        rows << row;
    }
    return rows;
}

}  // namespace

ReadOnlyLook LookReadOnly(const QString& path)
{
    ReadOnlyLook look;
    OtherConnection reader(path, 5000, /*readOnly=*/true);
    QSqlQuery query(reader.database());
    if (!query.exec(QStringLiteral("PRAGMA integrity_check"))) {
        look.error = query.lastError().text();
        return look;
    }
    QStringList verdict;
    while (query.next())
        verdict << query.value(0).toString();
    look.integrity = verdict.join(u'\n');
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM tblBrackmere")))
        look.error = query.lastError().text();
    look.rows = RowsOf(query);
    if (query.lastError().isValid())
        look.error = query.lastError().text();
    return look;
}

RecordsFile::RecordsFile() : path_(dir_.filePath(RecordsSchema::FileName))
{
    QString error;
    if (!RecordsSchema::CreateRecordsFile(path_, error))
        ADD_FAILURE() << error.toStdString();
}

void ExecSql(const QString& path, const QString& sql, const QStringList& values)
{
    OtherConnection connection(path, 5000);
    QSqlQuery query(connection.database());
    query.prepare(sql);
    for (const QString& value : values)
        query.addBindValue(value);
    if (!query.exec())
        ADD_FAILURE() << sql.toStdString() << ": " << query.lastError().text().toStdString();
}

QList<QStringList> RecordsFile::Query(const QString& sql) const
{
    OtherConnection connection(path_, 5000);
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        ADD_FAILURE() << sql.toStdString() << ": " << query.lastError().text().toStdString();
    return RowsOf(query);
}

QList<QStringList> RecordsFile::Rows() const
{
    const ReadOnlyLook look = LookReadOnly(path_);
    if (!look.error.isEmpty())
        ADD_FAILURE() << look.error.toStdString();
    return look.rows;
}

std::vector<int> OpenStore(RecordsStore& store, const QString& pathOrUri, QStringList* texts)
{
    std::vector<int> errors;
    store.UseLocation(RecordsLocation::FromText(pathOrUri));
    for (void (*step)(RecordsStore&) : {+[](RecordsStore& s) { s.OpenDatabase(); },
                                        +[](RecordsStore& s) { s.AddRateThresholdField(); },
                                        +[](RecordsStore& s) { s.OpenRecordsTable(); },
                                        +[](RecordsStore& s) { s.ColumnCount(); },
                                        +[](RecordsStore& s) { s.RecordCount(); }}) {
        try {
            step(store);
        } catch (const ProgramError& error) {
            errors.push_back(error.number());
            if (texts)
                *texts << QString::fromStdString(error.what());
        }
    }
    return errors;
}

NewRecord SampleRecord(const QString& date, const QString& threshold)
{
    NewRecord record;
    record.RecordDate = date;
    record.RecordTime = "10:11:12 AM";
    record.AirTemp = "85";
    record.ConcreteTemp = "90";
    record.RH = "50";
    record.WindVelocity = "10";
    record.EvapRate = "0.241";
    record.RateNote = "Measures may be needed.";
    record.MiscNote = "note " + date;
    record.RateThreshold = threshold;
    return record;
}

Calculation CalculationShowing(const NewRecord& shown)
{
    const auto text = [](const QString& s) { return s.toStdString(); };
    Calculation calculation;
    calculation.request.readings = {.air = text(shown.AirTemp), .humidity = text(shown.RH),
                                    .concrete = text(shown.ConcreteTemp), .wind = text(shown.WindVelocity)};
    calculation.request.units = Units::FromCode(text(shown.Units));
    // The threshold as shown: the system's default, or an alternate rate.
    calculation.request.alternateText = text(shown.RateThreshold);
    if (calculation.request.alternateText != ThresholdsOf(calculation.request.units).shallText)
        calculation.request.choice = ThresholdChoice::Alternate;
    calculation.eqnCaption = text(shown.EvapRate);
    calculation.answer = text(shown.RateNote);
    return calculation;
}

void TypeDateTimeNote(QWidget& dialog, const NewRecord& record)
{
    Element<QLineEdit>(dialog, "txtDate")->setText(record.RecordDate);
    Element<QLineEdit>(dialog, "txtTime")->setText(record.RecordTime);
    Element<QLineEdit>(dialog, "txtNote")->setText(record.MiscNote);
}

void ExpectSaveRefused(QWidget& dialog, const MessageRecorder& messages, const QString& path, const char* reason,
                       const NewRecord& typed)
{
    ASSERT_EQ(messages.messages().size(), 1u);
    const Msg::Request& shown = messages.messages()[0];
    EXPECT_EQ(shown.icon, Msg::Icon::Critical);
    EXPECT_EQ(shown.title, "Save");
    EXPECT_TRUE(shown.text.startsWith(
        QStringLiteral("The record could not be saved in \"%1\".").arg(QDir::toNativeSeparators(path))))
        << shown.text.toStdString();
    EXPECT_TRUE(shown.text.contains(QString::fromLatin1(reason))) << shown.text.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Element<QLineEdit>(dialog, "txtDate")->text(), typed.RecordDate);
    EXPECT_EQ(Element<QLineEdit>(dialog, "txtTime")->text(), typed.RecordTime);
    EXPECT_EQ(Element<QLineEdit>(dialog, "txtNote")->text(), typed.MiscNote);
}
