#pragma once

#include <QString>

class RecordsProxy;

// Writes the rows of the viewer's records model as comma-separated text (RFC 4180, lines
// ending in CR LF) in UTF-8: a row of headings, then one line a row, every column in the
// model's order, each value as exported (see RecordsProxy::ExportRole; a null one empty).
// The file is replaced whole or not at all. On failure returns false and says why in
// `failure`.
bool WriteRecordsCsv(const RecordsProxy& rows, const QString& path, QString& failure);

// The same rows as the clipboard takes them: the headings if asked, then the rows, a tab
// after every value and a carriage return after every line, from the record number on if
// asked, otherwise from the column after it.
QString RecordsClipboardText(const RecordsProxy& rows, bool headings, bool recordNumber);
