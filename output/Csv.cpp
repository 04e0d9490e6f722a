#include "output/Csv.h"

#include <algorithm>

namespace Csv {

QString Field(const QString& value)
{
    if (std::none_of(value.cbegin(), value.cend(),
                     [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; }))
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
