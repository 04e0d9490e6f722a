// Build step: places the empty records file beside the program when none is there.
// An existing file is never replaced, so rebuilding keeps every saved record.

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "records/RecordsSchema.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: " << args.value(0) << " <records file>\n";
        return 2;
    }
    QString error;
    if (!RecordsSchema::CreateRecordsFile(args[1], error)) {
        err << "cannot create the records file " << QDir::toNativeSeparators(args[1]) << ": " << error << "\n";
        return 1;
    }
    return 0;
}
