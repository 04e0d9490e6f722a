#include "records/RecordsCsv.h"

#include <QAbstractItemModel>
#include <QSaveFile>

#include "output/Csv.h"
#include "records/RecordsProxy.h"

namespace {

// Spreadsheet programs take a CSV file without a byte order mark for the system's
// 8-bit code page, which garbles °, ² and any accented site name; with the mark they
// read UTF-8, and programs that read UTF-8 anyway skip it.
const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
constexpr qsizetype WriteChunk = 1 << 16;

QString Heading(const QAbstractItemModel& rows, int column)
{
    return rows.headerData(column, Qt::Horizontal, RecordsProxy::ExportRole).toString();
}

QString Value(const QAbstractItemModel& rows, int row, int column)
{
    const QVariant value = rows.index(row, column).data(RecordsProxy::ExportRole);
    return value.isNull() ? QString() : value.toString();
}

}  // namespace

QString RecordsClipboardText(const QAbstractItemModel& rows, bool headings, bool recordNumber)
{
    const int first = recordNumber ? 0 : 1;
    QString text;
    if (headings) {
        for (int column = first; column < rows.columnCount(); ++column)
            text += Csv::Field(Heading(rows, column), u'\t') + u'\t';
        text += u'\r';
    }
    for (int row = 0; row < rows.rowCount(); ++row) {
        for (int column = first; column < rows.columnCount(); ++column)
            text += Csv::Field(Value(rows, row, column), u'\t') + u'\t';
        text += u'\r';
    }
    return text;
}

bool WriteRecordsCsv(const QAbstractItemModel& rows, const QString& path, QString& failure)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
        return false;
    }
    const int columns = rows.columnCount();
    QStringList fields;
    fields.reserve(columns);
    for (int column = 0; column < columns; ++column)
        fields << Heading(rows, column);
    QByteArray chunk = ByteOrderMark + Csv::Line(fields).toUtf8();
    for (int row = 0; row < rows.rowCount(); ++row) {
        fields.clear();
        for (int column = 0; column < columns; ++column)
            fields << Value(rows, row, column);
        chunk += Csv::Line(fields).toUtf8();
        if (chunk.size() >= WriteChunk) {
            if (file.write(chunk) != chunk.size())
                break;
            chunk.clear();
        }
    }
    if (file.error() == QFileDevice::NoError && file.write(chunk) == chunk.size() && file.commit())
        return true;
    // An uncommitted file leaves whatever stood under its name untouched.
    failure = file.errorString();
    return false;
}
