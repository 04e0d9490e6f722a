#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

// Spreadsheet text split into records and fields as spreadsheets write them (RFC 4180):
// a field in double quotes may hold separators, line ends and doubled quotes.
namespace CsvImport {

struct Record {
    int line = 0;  // 1-based line of the text on which the record starts
    QStringList fields;
};

// Reads the records of a text one at a time, from a whole text or from a stream that
// gives it piece by piece; lines that hold only blanks are skipped. A stream is held
// only from the record being read on.
class RecordReader {
public:
    // Appends the next piece of a streamed text; false at its end.
    using MoreText = std::function<bool(QString& text)>;

    // A quote still open this many characters on is taken as a character, so that a
    // stray quote cannot swallow the rest of a stream.
    static constexpr qsizetype LongestQuotedField = 64 * 1024;
    // A streamed record longer than this stops the reading.
    static constexpr qsizetype LongestRecord = 1024 * 1024;

    RecordReader(QStringView text, QChar separator) : text_(text), separator_(separator) {}
    // Reads `start`, then what `more` gives.
    RecordReader(QString start, MoreText more, QChar separator);

    // The next record that is not blank; false at the end of the text, or when a record
    // is too long (`stopped` then says why).
    bool next(Record& record);
    const QString& stopped() const { return stopped_; }

private:
    void read(Record& record);
    // Whether the character `ahead` of the position exists, reading more of a stream when needed.
    bool has(qsizetype ahead = 0);
    bool endsLine();

    QString buffer_;  // a streamed text, from the start of the record being read
    MoreText more_;
    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
    qsizetype start_ = 0;   // where the record being read starts
    int line_ = 1;
    QString stopped_;
};

// The separator (tab, semicolon or comma) that splits the first record into the most
// fields; a record that none splits (a title line) does not choose.
QChar SeparatorOf(QStringView text);

// The line of the first control character other than a tab or a line end, which a text
// never holds and a binary file almost always does; nothing for a text.
std::optional<int> BinaryLine(QStringView text);

}  // namespace CsvImport
