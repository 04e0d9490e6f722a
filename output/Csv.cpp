#include "output/Csv.h"

#include <QRegularExpression>

namespace Csv {
namespace {

const QString FormulaStarts = QStringLiteral("=+-@\t\r");

}  // namespace

bool IsNumber(const QString& value)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?$)"));
    return number.match(value).hasMatch();
}

QString Field(const QString& value, QChar separator)
{
    QString field = value;
    if (!field.isEmpty() && FormulaStarts.contains(field.front()) && !IsNumber(field))
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

QString Unescaped(const QString& field)
{
    if (field.size() >= 2 && field.front() == u'\'' && FormulaStarts.contains(field[1]) && !IsNumber(field.mid(1)))
        return field.mid(1);
    return field;
}

QList<Record> Records(const QString& text)
{
    QList<Record> records;
    Record record;
    QString field;
    bool quoted = false;
    bool any = false;  // the record holds a character, a separator or a quote
    int line = 1;
    const auto endField = [&] {
        record.fields << field;
        field.clear();
    };
    const auto endRecord = [&] {
        endField();
        if (any)
            records << record;
        record = {};
        any = false;
    };
    qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!any && record.fields.isEmpty() && field.isEmpty())
            record.line = line;
        if (c == u'\n')
            ++line;
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        if (c == u'"') {
            quoted = any = true;
        } else if (c == u',') {
            endField();
            any = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                continue;
            endRecord();
        } else {
            field += c;
            any = true;
        }
    }
    endRecord();
    return records;
}

}  // namespace Csv
