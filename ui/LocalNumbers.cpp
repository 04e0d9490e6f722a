#include "ui/LocalNumbers.h"

#include "ui/Language.h"
#include "ui/QtText.h"

namespace LocalNumbers {
namespace {

QChar Separator()
{
    const QString point = Language::Numbers().decimalPoint();
    return point.size() == 1 ? point.front() : QChar(u'.');
}

}  // namespace

QString Shown(const QString& coreText)
{
    const QChar separator = Separator();
    if (separator == u'.')
        return coreText;
    QString text = coreText;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const bool digitAfter = text[i + 1].isDigit();
        const bool numberBefore = i == 0 || text[i - 1].isDigit() || text[i - 1].isSpace() || text[i - 1] == u'-'
                                  || text[i - 1] == u'(';
        if (text[i] == u'.' && digitAfter && numberBefore)
            text[i] = separator;
    }
    return text;
}

QString Shown(std::string_view coreText)
{
    return Shown(Q(coreText));
}

std::string Typed(const QString& text)
{
    const QChar separator = Separator();
    if (separator == u'.')
        return Std(text);
    QString typed = text;
    typed.replace(separator, u'.');
    return Std(typed);
}

}  // namespace LocalNumbers
