#include "output/Csv.h"

#include <QRegularExpression>

namespace Csv {

bool IsNumber(const QString& value)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?$)"));
    return number.match(value).hasMatch();
}

QString Field(const QString& value, QChar separator)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    QString field = value;
    if (!field.isEmpty() && formulaStarts.contains(field.front()) && !IsNumber(field))
        field.prepend(u'\'');
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

QString Line(const QStringList& fields, const QString& lineEnd)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& field : fields)
        written << Field(field);
    return written.join(u',') + lineEnd;
}

}  // namespace Csv
