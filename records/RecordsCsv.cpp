#include "records/RecordsCsv.h"

#include <QAbstractItemModel>
#include <QSaveFile>

#include "output/Csv.h"

namespace {

// Spreadsheet programs take a CSV file without a byte order mark for the system's
// 8-bit code page, which garbles °, ² and any accented site name; with the mark they
// read UTF-8, and programs that read UTF-8 anyway skip it.
const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
constexpr qsizetype WriteChunk = 1 << 16;

}  // namespace

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
        fields << rows.headerData(column, Qt::Horizontal).toString();
    QByteArray chunk = ByteOrderMark + Csv::Line(fields).toUtf8();
    for (int row = 0; row < rows.rowCount(); ++row) {
        fields.clear();
        for (int column = 0; column < columns; ++column) {
            const QVariant value = rows.index(row, column).data(Qt::EditRole);
            fields << (value.isNull() ? QString() : value.toString());
        }
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
