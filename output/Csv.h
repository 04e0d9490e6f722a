#pragma once

#include <QString>
#include <QStringList>

// Comma-separated text as RFC 4180 writes it: a field holding a comma, a double quote or a
// line break is quoted, its quotes doubled.
namespace Csv {

QString Field(const QString& value);
QString Line(const QStringList& fields, const QString& lineEnd = QStringLiteral("\r\n"));

}  // namespace Csv
