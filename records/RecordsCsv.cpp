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

QString Heading(const RecordsProxy& rows, int column)
{
    return rows.headerData(column, Qt::Horizontal, RecordsProxy::ExportRole).toString();
}

}  // namespace

QString RecordsClipboardText(const RecordsProxy& rows, bool headings, bool recordNumber)
{
    const int first = recordNumber ? 0 : 1;
    QString text;
    if (headings) {
        for (int column = first; column < rows.columnCount(); ++column)
            text += Csv::Field(Heading(rows, column), u'\t') + u'\t';
        text += u'\r';
    }
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QStringList values = rows.exportedRow(row);
        for (qsizetype column = first; column < values.size(); ++column) {
            text += Csv::Field(values[column], u'\t');
            text += u'\t';
        }
        text += u'\r';
    }
    return text;
}

bool WriteRecordsCsv(const RecordsProxy& rows, const QString& path, QString& failure)
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
        chunk += Csv::Line(rows.exportedRow(row)).toUtf8();
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
