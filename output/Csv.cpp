#include "output/Csv.h"

namespace Csv {

QString Field(const QString& value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString Line(const QStringList& fields, const QString& lineEnd)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << Field(field);
    return quoted.join(u',') + lineEnd;
}

}  // namespace Csv
