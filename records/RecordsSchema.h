#pragma once

#include <QString>
#include <QStringList>

// The layout of the records file. The columns keep this order because the viewer
// and the clipboard text address them by position: the record number first, the
// threshold last (it was added to the table after the first files went out).
namespace RecordsSchema {

inline const QString FileName = QStringLiteral("Brackmere_Data.mdb");
inline const QString TableName = QStringLiteral("tblBrackmere");
inline const QString RateThresholdColumn = QStringLiteral("RateThreshold");

// Columns 1 to 9, in table order; every one is written from a text.
QStringList TextColumns();

// Writes a new records file at `path` holding the empty table as the program is
// shipped with it (without RateThreshold, which the program adds on first use).
// Never touches an existing file: returns true without writing when one is
// there. On failure returns false and sets `error`.
bool CreateRecordsFile(const QString& path, QString& error);

}  // namespace RecordsSchema
