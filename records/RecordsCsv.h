#pragma once

#include <QString>

class QAbstractItemModel;

// Writes the rows of a records model as comma-separated text (RFC 4180, lines ending in
// CR LF) in UTF-8: a row of column names, then one line a row, every column in the
// model's order, each value as stored (a null one empty). The file is replaced whole or
// not at all. On failure returns false and says why in `failure`.
bool WriteRecordsCsv(const QAbstractItemModel& rows, const QString& path, QString& failure);
