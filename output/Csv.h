#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Text for spreadsheets: comma-separated as RFC 4180 writes it, or tab-separated for the
// clipboard. Every field goes through Field, so no text reaches a spreadsheet as a formula.
namespace Csv {

// Whether a field is a plain number ("-5", "0.241", "1e-3", "27,4"): such a field is
// written as it stands, whatever its first character.
bool IsNumber(const QString& value);

// One field: a text beginning with =, +, -, @, a tab or a carriage return gets a leading
// apostrophe, as spreadsheet programs would otherwise run it as a formula (a number stays
// a number); then a field holding the separator, a double quote or a line break is
// quoted, its quotes doubled.
QString Field(const QString& value, QChar separator = u',');
QString Line(const QStringList& fields, const QString& lineEnd = QStringLiteral("\r\n"));

// A field as Field wrote it, its apostrophe before a formula's first character taken off.
QString Unescaped(const QString& field);

// The records of comma-separated text as RFC 4180 reads them (quoted fields may hold
// commas, quotes and line breaks; a byte order mark at the start is skipped), each with
// the number of the line it starts on, from 1. Lines without any character are skipped.
struct Record {
    int line = 0;
    QStringList fields;
};
QList<Record> Records(const QString& text);

}  // namespace Csv
