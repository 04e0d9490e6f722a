#include "tests/records/WriterProcess.h"

#include "tests/records/WriterRecord.h"

WriterProcess::WriterProcess(const QString& path, const QString& tag, int count, int seconds) : tag_(tag)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{path, tag, QString::number(count)};
    if (seconds > 0)
        arguments << QString::number(seconds);
    process_.start(QStringLiteral(BRACKMERE_RECORDS_WRITER), arguments);
}

WriterProcess::~WriterProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(30000);
    }
}

bool WriterProcess::WaitUntilReady()
{
    while (!process_.canReadLine())
        if (!process_.waitForReadyRead(30000))
            return false;
    return process_.readLine().trimmed() == "ready";
}

void WriterProcess::Kill()
{
    process_.kill();
}

bool WriterProcess::WaitForExit(int timeoutMs)
{
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}

bool WriterProcess::FinishedCleanly() const
{
    return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit
           && process_.exitCode() == 0;
}

int WriterProcess::ReportedSaves()
{
    output_ += process_.readAllStandardOutput();
    // The writer reports its records in order, so the count is the last number + 1.
    // Anything after the last line end was cut short by the kill: never a promise.
    const QList<QByteArray> lines = output_.split('\n');
    int reported = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].startsWith("saved "))
            reported = lines[i].mid(6).toInt() + 1;
    return reported;
}

int WriterRecordTally::Missing(const QString& tag, int reported) const
{
    const auto records = found.find(tag);
    int missing = 0;
    for (int i = 0; i < reported; ++i)
        if (records == found.end() || !records->second.contains(i))
            ++missing;
    return missing;
}

int WriterRecordTally::Duplicated(const QString& tag) const
{
    const auto records = found.find(tag);
    int duplicated = 0;
    if (records != found.end())
        for (const auto& [number, copies] : records->second)
            duplicated += copies > 1;
    return duplicated;
}

namespace {

// A whole record is exactly the one its writer made from its tag and number; the
// record number (column 0) is the file's own.
bool IsWhole(const QStringList& row)
{
    if (row.size() != 11)
        return false;
    bool isNumber = false;
    const int number = row[2].toInt(&isNumber);
    if (!isNumber)
        return false;
    const NewRecord made = WriterRecord(row[1], number);
    return row.mid(1) == QStringList{made.RecordDate, made.RecordTime, made.AirTemp, made.ConcreteTemp, made.RH,
                                      made.WindVelocity, made.EvapRate, made.RateNote, made.MiscNote,
                                      made.RateThreshold};
}

}  // namespace

WriterRecordTally TallyWriterRecords(const QList<QStringList>& rows)
{
    WriterRecordTally tally;
    for (const QStringList& row : rows) {
        ++tally.rows;
        if (IsWhole(row))
            ++tally.found[row[1]][row[2].toInt()];
        else
            ++tally.damaged;
    }
    return tally;
}
