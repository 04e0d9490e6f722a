#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct NewRecord;

// The layout of the records file, each column once. The columns keep their order:
// the record number first, then the columns of the first files, then those added
// since, in the order they were added (older files gain them on opening).
namespace RecordsSchema {

inline const QString FileName = QStringLiteral("Brackmere_Data.mdb");
inline const QString TableName = QStringLiteral("tblBrackmere");

struct Column {
    QString name;
    const char* sqliteType;
    const char* serverType;
    // The field of a new record the column is written from; none for the record number,
    // which the engine fills.
    QString NewRecord::*field;
    // Added to a file that lacks it when the file is opened; what its rows then read
    // there (an SQL literal), or nothing for null.
    bool appended = false;
    const char* appendedDefault = nullptr;
    // How a text is handed to a server: as it stands, as its number, or as null when empty
    // (a key that must not repeat). A records file keeps every text as it stands.
    enum class ToServer { Text, Number, NullWhenEmpty };
    ToServer toServer = ToServer::Text;
};

const std::vector<Column>& Columns();
const Column& RecordNumber();
// The column a record copied from a records file to a server keeps its origin in.
inline const QString CopiedFromColumn = QStringLiteral("CopiedFrom");
// The column the save dialog lists the values of; indexed so that listing them does not
// read every record.
inline const QString SiteColumn = QStringLiteral("Site");
// The columns a saved record writes, in table order.
std::vector<Column> WrittenColumns();
std::vector<Column> AppendedColumns();

// Writes a new records file at `path` holding the empty table as the program is
// shipped with it (without the appended columns, which the program adds on first use).
// Never touches an existing file: returns true without writing when one is
// there. On failure returns false and sets `error`.
bool CreateRecordsFile(const QString& path, QString& error);

}  // namespace RecordsSchema
