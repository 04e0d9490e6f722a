#include <gtest/gtest.h>

#include "outlook/sources/CsvTokenizer.h"

namespace {

// The records of a reader, as "line: field|field" joined by " / ".
std::string Shown(CsvImport::RecordReader& reader)
{
    QStringList shown;
    for (CsvImport::Record record; reader.next(record);)
        shown << QString::number(record.line) + QStringLiteral(": ") + record.fields.join(u'|');
    return shown.join(QStringLiteral(" / ")).toStdString();
}

// The records of a text split at the separator it is found to use; streamed one character
// at a time, the text must give the same.
std::string Records(const char* text)
{
    const QString all = QString::fromUtf8(text);
    const QChar separator = CsvImport::SeparatorOf(all);
    CsvImport::RecordReader whole(all, separator);
    qsizetype given = 0;
    const auto oneMore = [&](QString& more) { return given < all.size() && (more += all[given++], true); };
    CsvImport::RecordReader streamed({}, oneMore, separator);
    const std::string records = Shown(whole);
    EXPECT_EQ(Shown(streamed), records) << "streamed";
    return records;
}

TEST(CsvTokenizer, RecordsAndFieldsAreSplitAsSpreadsheetsWriteThem)
{
    const struct {
        const char* name;
        const char* text;
        const char* records;
    } cases[] = {
        {"commas, empty fields kept", "a,,c,", "1: a||c|"},
        {"semicolons win a tie with decimal commas", "a;1,5;2,5", "1: a|1,5|2,5"},
        {"the tab of a pasted block wins a tie", "a\tb,c", "1: a|b,c"},
        {"only the first record chooses", "a;b\nc,d,e", "1: a|b / 2: c,d,e"},
        {"a title line does not choose", "Weather log\na,b,c;d", "1: Weather log / 2: a|b|c;d"},
        {"separators in quotes do not count", "\"a;b;c\",d", "1: a;b;c|d"},
        {"doubled quotes, blanks before a quote", "x, \"say \"\"hi\"\"\",y\"z", "1: x|say \"hi\"|y\"z"},
        {"CR LF, LF and CR line ends", "a\r\nb\nc\rd\r\n", "1: a / 2: b / 3: c / 4: d"},
        {"blank lines skipped but counted", "a,b\n\n , \nc,d", "1: a|b / 4: c|d"},
        {"a quoted line end stays in its field", "a,\"two\r\nlines\"\nb,c", "1: a|two\r\nlines / 3: b|c"},
        {"a quote never closed is a character", "a,\"b,c\nd,e", "1: a|\"b|c / 2: d|e"},
        {"nothing but blanks", " \r\n\t\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Records(c.text), c.records);
    }
}

}  // namespace
