// Another copy of the program saving records: appends `count` records (0: until it
// is killed) tagged with `tag`, each a whole record the tests can recognise.

#include <QCoreApplication>
#include <QTextStream>

#include "calc/ProgramError.h"
#include "records/RecordsStore.h"
#include "tests/records/WriterRecord.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: records_writer <file> <tag> <count>\n";
        return 2;
    }
    RecordsStore store;
    store.UseDatabasePath(args[1]);
    try {
        store.OpenDatabase();
        store.AddRateThresholdField();
        store.OpenRecordsTable();
    } catch (const ProgramError& error) {
        err << error.what() << "\n";
        return 1;
    }
    out << "ready" << Qt::endl;
    const int count = args[3].toInt();
    for (int i = 0; count == 0 || i < count; ++i) {
        const QSqlError error = store.AddRecord(WriterRecord(args[2], i));
        if (error.isValid()) {
            err << "record " << i << ": " << error.text() << "\n";
            return 1;
        }
    }
    return 0;
}
