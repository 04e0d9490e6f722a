#include <QDateTime>
#include <QSqlQuery>

#include "records/LoginName.h"
#include "records/RecordsEngine.h"
#include "records/RecordsStore.h"

namespace {

QString ColumnList(const QSqlDatabase& db, const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted << Quoted(db, name);
    return quoted.join(QStringLiteral(", "));
}

const QStringList ReportFields{RecordsSchema::SavedReportAtColumn,     RecordsSchema::SavedReportByColumn,
                               RecordsSchema::SavedReportSiteColumn,   RecordsSchema::SavedReportTitleColumn,
                               RecordsSchema::SavedReportDigestColumn, RecordsSchema::SavedReportContentColumn};

}  // namespace

QSqlError RecordsStore::AddSavedReport(SavedReport& report)
{
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    report.savedAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    report.savedBy = LoginName();
    report.digest = ReportDigest(report.content);
    QSqlQuery insert(RecordsDatabase);
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?, ?) RETURNING %3")
                       .arg(Quoted(RecordsDatabase, RecordsSchema::SavedReportsTableName),
                            ColumnList(RecordsDatabase, ReportFields),
                            Quoted(RecordsDatabase, RecordsSchema::SavedReportIdColumn)));
    for (const QString& value : {report.savedAt, report.savedBy, report.site, report.title, report.digest,
                                 report.content})
        insert.addBindValue(value);
    if (!insert.exec() || !insert.next()) {
        const QSqlError error = Explained(insert.lastError());
        ReconnectIfLost();
        return error;
    }
    report.id = insert.value(0).toLongLong();
    return {};
}

QSqlError RecordsStore::SavedReports(std::vector<SavedReport>& reports)
{
    reports.clear();
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    QSqlQuery select(RecordsDatabase);
    if (!select.exec(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1 DESC")
                         .arg(Quoted(RecordsDatabase, RecordsSchema::SavedReportIdColumn),
                              ColumnList(RecordsDatabase, ReportFields),
                              Quoted(RecordsDatabase, RecordsSchema::SavedReportsTableName)))) {
        const QSqlError error = Explained(select.lastError());
        ReconnectIfLost();
        return error;
    }
    while (select.next()) {
        reports.push_back({.id = select.value(0).toLongLong(),
                           .savedAt = select.value(1).toString(),
                           .savedBy = select.value(2).toString(),
                           .site = select.value(3).toString(),
                           .title = select.value(4).toString(),
                           .digest = select.value(5).toString(),
                           .content = select.value(6).toString()});
    }
    return {};
}
