#include "outlook/sources/CsvTokenizer.h"

#include <algorithm>
#include <array>

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

RecordReader::RecordReader(QString start, MoreText more, QChar separator)
    : buffer_(std::move(start)), more_(std::move(more)), text_(buffer_), separator_(separator)
{
}

bool RecordReader::next(Record& record)
{
    while (stopped_.isEmpty() && has()) {
        read(record);
        if (stopped_.isEmpty() && !IsBlank(record))
            return true;
    }
    return false;
}

bool RecordReader::has(qsizetype ahead)
{
    while (pos_ + ahead >= text_.size()) {
        if (!more_)
            return false;
        if (pos_ - start_ > LongestRecord) {
            stopped_ = QStringLiteral("Line %1 is longer than %2 characters; it was read no further.")
                           .arg(line_)
                           .arg(LongestRecord);
            more_ = nullptr;
            return false;
        }
        // What lies before the record being read is no longer needed.
        buffer_.remove(0, start_);
        pos_ -= start_;
        start_ = 0;
        if (!more_(buffer_))
            more_ = nullptr;
        text_ = buffer_;
    }
    return true;
}

// Whether the character at the position ends a line; a CR at the end of a piece waits
// for the next one to tell whether an LF follows.
bool RecordReader::endsLine()
{
    const QChar c = text_[pos_];
    if (c == u'\n')
        return true;
    return c == u'\r' && (!has(1) || text_[pos_ + 1] != u'\n');
}

void RecordReader::read(Record& record)
{
    start_ = pos_;
    record.line = line_;
    // The last record's fields lend their room to this one's.
    qsizetype count = 0;
    const auto nextField = [&record, &count]() -> QString& {
        if (count == record.fields.size())
            record.fields.emplaceBack();
        QString& field = record.fields[count++];
        field.resize(0);
        return field;
    };
    QString* field = &nextField();
    qsizetype run = 0;        // where the characters not yet added to the field start
    qsizetype quote = -1;     // where the open quote of the field stands; -1 outside quotes
    int quoteLine = 0;
    // Positions are kept from the record's start, which a stream's next piece may move.
    const auto flush = [&] { field->append(text_.sliced(start_ + run, pos_ - run - start_)); };
    for (; has(); ++pos_) {
        const QChar c = text_[pos_];
        if (quote >= 0) {
            const bool lineEnd = endsLine();
            line_ += lineEnd ? 1 : 0;
            if (c == u'"') {
                flush();
                // The second quote of a pair is a character of the field.
                const bool pair = has(1) && text_[pos_ + 1] == u'"';
                run = pos_ + 1 - start_;
                pos_ += pair ? 1 : 0;
                quote = pair ? quote : -1;
            }
            // A quote never closed, or open too long, is an ordinary character, so that the
            // lines after it stay lines.
            if (quote >= 0 && (!has(1) || pos_ - start_ - quote > LongestQuotedField)) {
                pos_ = start_ + quote;
                line_ = quoteLine;
                *field = QStringLiteral("\"");
                run = quote + 1;
                quote = -1;
            }
        } else if (c == u'"' && field->trimmed().isEmpty()
                   && text_.sliced(start_ + run, pos_ - start_ - run).trimmed().isEmpty()) {
            // Blanks before an opening quote are not part of the field.
            field->resize(0);
            quote = pos_ - start_;
            quoteLine = line_;
            run = quote + 1;
        } else if (c == separator_) {
            flush();
            field = &nextField();
            run = pos_ + 1 - start_;
        } else if (c == u'\r' || c == u'\n') {
            flush();
            run = pos_ + 1 - start_;
            if (endsLine()) {
                ++line_;
                ++pos_;
                record.fields.resize(count);
                return;
            }
        }
    }
    flush();
    record.fields.resize(count);
}

// A tie goes to the tab of a pasted block, then to the semicolon of texts that write a
// decimal comma.
QChar SeparatorOf(QStringView text)
{
    constexpr std::array candidates{u'\t', u';', u','};
    std::array<RecordReader, 3> readers{RecordReader(text, candidates[0]), RecordReader(text, candidates[1]),
                                        RecordReader(text, candidates[2])};
    constexpr int kRecordsLookedAt = 20;
    for (int n = 0; n < kRecordsLookedAt; ++n) {
        QChar best = u',';
        qsizetype most = 1;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            Record record;
            if (readers[i].next(record) && record.fields.size() > most) {
                most = record.fields.size();
                best = candidates[i];
            }
        }
        if (most > 1)
            return best;
    }
    return u',';
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
