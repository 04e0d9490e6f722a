#include "outlook/sources/CsvTokenizer.h"

#include <QString>
#include <algorithm>
#include <utility>

namespace CsvImport {
namespace {

bool IsBlank(const Record& record)
{
    return std::all_of(record.fields.cbegin(), record.fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

// A line ends at CR LF, LF or CR; CR LF counts once, at its LF.
bool EndsLine(QStringView text, qsizetype i)
{
    return text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
}

}  // namespace

bool RecordReader::next(Record& record)
{
    while (pos_ < text_.size()) {
        read(record);
        if (!IsBlank(record))
            return true;
    }
    return false;
}

void RecordReader::read(Record& record)
{
    record.line = line_;
    record.fields.clear();
    QString field;
    qsizetype openQuote = -1;  // where the open quote of `field` stands; -1 outside quotes
    int openQuoteLine = 0;
    for (; pos_ < text_.size(); ++pos_) {
        const QChar c = text_[pos_];
        const bool lineEnd = EndsLine(text_, pos_);
        line_ += lineEnd ? 1 : 0;
        if (openQuote >= 0) {
            if (c != u'"')
                field += c;
            else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"')
                field += text_[pos_++];
            else
                openQuote = -1;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            // Blanks before an opening quote are not part of the field.
            field.clear();
            openQuote = pos_;
            openQuoteLine = line_;
        } else if (c == separator_) {
            record.fields.append(std::exchange(field, QString()));
        } else if (lineEnd) {
            ++pos_;
            break;
        } else if (c != u'\r') {
            field += c;
        }
        // A quote never closed is an ordinary character, so that the lines after it stay lines.
        if (openQuote >= 0 && pos_ + 1 == text_.size()) {
            pos_ = openQuote;
            line_ = openQuoteLine;
            field = QStringLiteral("\"");
            openQuote = -1;
        }
    }
    record.fields.append(field);
}

// A tie goes to the tab of a pasted block, then to the semicolon of texts that write a
// decimal comma.
QChar SeparatorOf(QStringView text)
{
    QChar best = u',';
    qsizetype most = 0;
    for (const QChar candidate : {u'\t', u';', u','}) {
        Record first;
        if (RecordReader(text, candidate).next(first) && first.fields.size() > most) {
            most = first.fields.size();
            best = candidate;
        }
    }
    return best;
}

std::optional<int> BinaryLine(QStringView text)
{
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (EndsLine(text, i))
            ++line;
        else if (c < 0x20 && c != u'\t' && c != u'\r')
            return line;
    }
    return std::nullopt;
}

}  // namespace CsvImport
