// Another copy of the program saving records through the save dialog's store call:
//   records_writer <file or server URI> <tag> <seconds> [pause ms]
// Appends WriterRecord(tag, 0), (tag, 1), ... for `seconds` or, with 0, until killed,
// pausing after each save. Prints "ready" once the records are open and "saved <n>" as soon
// as record n is written, so a test knows which records it was promised.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

#include "calc/ProgramError.h"
#include "records/RecordsStore.h"
#include "tests/records/WriterRecord.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 4 && args.size() != 5) {
        err << "usage: records_writer <file or server URI> <tag> <seconds> [pause ms]\n";
        return 2;
    }
    const qint64 limitMs = args[3].toLongLong() * 1000;
    const unsigned long pauseMs = args.value(4).toULong();

    RecordsStore store;
    store.UseLocation(RecordsLocation::FromText(args[1]));
    try {
        store.OpenDatabase();
        store.AddRateThresholdField();
        store.OpenRecordsTable();
    } catch (const ProgramError& error) {
        err << error.what() << "\n";
        return 1;
    }
    out << "ready" << Qt::endl;

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; limitMs == 0 || clock.elapsed() < limitMs; ++i) {
        const QSqlError error = store.AddRecord(WriterRecord(args[2], i));
        if (error.isValid()) {
            err << "record " << i << ": " << error.text() << "\n";
            return 1;
        }
        out << "saved " << i << Qt::endl;
        if (pauseMs > 0)
            QThread::msleep(pauseMs);
    }
    return 0;
}
