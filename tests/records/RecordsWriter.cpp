// Another copy of the program saving records through the save dialog's store call:
//   records_writer <file or server URI> <tag> <seconds> [pause ms]
// Appends WriterRecord(tag, 0), (tag, 1), ... for `seconds` or, with 0, until killed,
// pausing after each save. Prints "ready" once the records are open and "saved <n>" as soon
// as record n is written, so a test knows which records it was promised.
//   records_writer change <file or server URI> <first> <last>
// Sets the note of each odd-numbered record from <first> to <last> to "changed" and deletes
// each even one, one write each, through the viewer's grid; prints "done <n>" as soon as
// record n's write is done.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlTableModel>
#include <QTextStream>
#include <QThread>

#include "calc/ProgramError.h"
#include "records/RecordsStore.h"
#include "tests/records/WriterRecord.h"

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

bool Open(RecordsStore& store, const QString& location)
{
    store.UseLocation(RecordsLocation::FromText(location));
    try {
        store.OpenDatabase();
        store.AddRateThresholdField();
        store.OpenRecordsTable();
    } catch (const ProgramError& error) {
        err << error.what() << "\n";
        return false;
    }
    out << "ready" << Qt::endl;
    return true;
}

int Change(RecordsStore& store, int first, int last)
{
    QSqlTableModel* table = store.recordsTable();
    const int note = table->fieldIndex(QStringLiteral("MiscNote"));
    const QString number =
        store.database().driver()->escapeIdentifier(QStringLiteral("RecID"), QSqlDriver::FieldName);
    for (int n = first; n <= last; ++n) {
        table->setFilter(QStringLiteral("%1 = %2").arg(number).arg(n));
        const bool done = table->select() && table->rowCount() == 1
                          && (n % 2 ? table->setData(table->index(0, note), QStringLiteral("changed"))
                                          && table->submitAll()
                                    : table->removeRow(0));
        if (!done) {
            err << "record " << n << ": " << table->lastError().text() << "\n";
            return 1;
        }
        out << "done " << n << Qt::endl;
    }
    return 0;
}

int Save(RecordsStore& store, const QString& tag, qint64 limitMs, unsigned long pauseMs)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; limitMs == 0 || clock.elapsed() < limitMs; ++i) {
        const QSqlError error = store.AddRecord(WriterRecord(tag, i));
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

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    RecordsStore store;
    if (args.value(1) == QStringLiteral("change") && args.size() == 5)
        return Open(store, args[2]) ? Change(store, args[3].toInt(), args[4].toInt()) : 1;
    if (args.size() == 4 || args.size() == 5)
        return Open(store, args[1]) ? Save(store, args[2], args[3].toLongLong() * 1000, args.value(4).toULong()) : 1;
    err << "usage: records_writer <file or server URI> <tag> <seconds> [pause ms]\n"
           "       records_writer change <file or server URI> <first> <last>\n";
    return 2;
}
