#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// Another running copy of the program saving records: the records_writer program,
// started on a file with a tag that marks its records.
class WriterProcess {
public:
    // `count` and `seconds` limit the saving as records_writer describes; 0 for both
    // saves until the process is killed.
    WriterProcess(const QString& path, const QString& tag, int count, int seconds = 0);
    ~WriterProcess();
    WriterProcess(const WriterProcess&) = delete;
    WriterProcess& operator=(const WriterProcess&) = delete;

    const QString& tag() const { return tag_; }
    // Waits until the writer has opened the file and is about to save.
    bool WaitUntilReady();
    // Kills the writer outright (SIGKILL), wherever it is in a save.
    void Kill();
    bool WaitForExit(int timeoutMs);
    // True when the writer ended by itself without an error.
    bool FinishedCleanly() const;
    // How many records the writer reported written: records 0 to n-1.
    int ReportedSaves();

private:
    QProcess process_;
    QString tag_;
    QByteArray output_;
};

// The rows of a file that writers filled, sorted out: how often each record of
// each writer is there, and how many rows are not exactly a record a writer made.
struct WriterRecordTally {
    std::map<QString, std::map<int, int>> found;  // tag -> record number -> copies
    int damaged = 0;
    int rows = 0;

    // How many of records 0 to reported-1 of `tag` are missing.
    int Missing(const QString& tag, int reported) const;
    // How many records of `tag` are there more than once.
    int Duplicated(const QString& tag) const;
};
WriterRecordTally TallyWriterRecords(const QList<QStringList>& rows);
