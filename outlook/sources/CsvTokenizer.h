#pragma once

#include <QChar>
#include <QStringList>
#include <QStringView>
#include <optional>

// Spreadsheet text split into records and fields as spreadsheets write them (RFC 4180):
// a field in double quotes may hold separators, line ends and doubled quotes.
namespace CsvImport {

struct Record {
    int line = 0;  // 1-based line of the text on which the record starts
    QStringList fields;
};

// Reads the records of a text one at a time; lines that hold only blanks are skipped.
class RecordReader {
public:
    RecordReader(QStringView text, QChar separator) : text_(text), separator_(separator) {}

    // The next record that is not blank; false at the end of the text.
    bool next(Record& record);

private:
    void read(Record& record);

    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// The separator (tab, semicolon or comma) that splits the first record into the most fields.
QChar SeparatorOf(QStringView text);

// The line of the first control character other than a tab or a line end, which a text
// never holds and a binary file almost always does; nothing for a text.
std::optional<int> BinaryLine(QStringView text);

}  // namespace CsvImport
