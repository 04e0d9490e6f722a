#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "outlook/CsvImport.h"
#include "outlook/HourlyMeans.h"

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

using CsvImport::SourceUnits;

namespace {

// A row as "time | air | humidity | wind | concrete", the time as yyyy-MM-dd HH:mm.
std::string Shown(const HourlyReading& row)
{
    const Readings& r = row.readings;
    const std::string count = row.averaged.any() ? " | " + row.averaged.text().toStdString() : "";
    return row.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString() + " | " + r.air + " | " + r.humidity +
           " | " + r.wind + " | " + r.concrete + count;
}

// Rows shown, joined by " / ", each with its problem where it has one.
std::string AllShown(const std::vector<HourlyReading>& rows)
{
    QStringList shown;
    for (const HourlyReading& row : rows)
        shown << QString::fromStdString(Shown(row)) + (row.problem.isEmpty() ? QString() : u' ' + row.problem);
    return shown.join(QStringLiteral(" / ")).toStdString();
}

CsvImport::Result Import(const QByteArray& text, UnitSystem units, const SourceUnits& chosen = {})
{
    return CsvImport::Read(QString::fromUtf8(text), units, chosen);
}

// Converted values by hand: 80 °F = 26.67 °C, 90 °F = 32.22 °C, 21.5 °C = 70.7 °F, 25 °C = 77 °F,
// 10 mph = 16.09 km/h, 12.3 km/h = 7.64 mph, 5 m/s = 18 km/h = 11.18 mph.
TEST(CsvImport, HeaderNamesAndUnitsAreReadAndValuesConverted)
{
    const struct {
        const char* name;
        const char* text;
        UnitSystem units;
        const char* hour;
    } cases[] = {
        {"°F and mph into SI",
         "Time,Air Temperature (°F),RH (%),Wind (mph),Concrete Temperature (°F)\n2024-06-01 06:00,80,50,10,90",
         UnitSystem::SI, "2024-06-01 06:00 | 26.7 | 50 | 16.1 | 32.2"},
        {"semicolons, decimal comma, [C] and km/h into US",
         "date/time;temp [C];humidity;wind (km/h);tc [C]\n2024-06-01T06:00:00Z;21,5;60;12,3;25", UnitSystem::US,
         "2024-06-01 06:00 | 70.7 | 60 | 7.6 | 77.0"},
        {"suffixes, °F kept, m/s into US",
         "Date Time,temp_f,rel hum,Wind m/s,Concrete Temp degF\n6/1/2024 6:00 PM,80,50,5,90", UnitSystem::US,
         "2024-06-01 18:00 | 80 | 50 | 11.2 | 90"},
        {"m/s into SI, unknown and second columns skipped",
         "Station,TIMESTAMP,Ta (C),Rel.Hum,Dew point,WS [mps],Tc,Temp\nA,2024-06-01 06:00,21.5,60,12,5,25,99",
         UnitSystem::SI, "2024-06-01 06:00 | 21.5 | 60 | 18.0 | 25"},
        {"separate date and time, decimal comma as a point", "Date;Time;Temp;RH;Wind\n01.06.2024;06:30; 21,5 ;60;3",
         UnitSystem::SI, "2024-06-01 06:30 | 21.5 | 60 | 3 | "},
        {"no header, semicolons and decimal commas", "6/1/2024 6:00;70,5;50,5;5,5;75,5", UnitSystem::US,
         "2024-06-01 06:00 | 70.5 | 50.5 | 5.5 | 75.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvImport::Result result = Import(c.text, c.units);
        ASSERT_TRUE(result.readable) << result.error.toStdString();
        ASSERT_EQ(result.rows.size(), 1u);
        EXPECT_EQ(result.rows[0].problem, QString());
        EXPECT_EQ(Shown(result.rows[0]), c.hour);
    }
}

TEST(CsvImport, AUnitTheHeaderNamesWinsAndAMissingOneIsReported)
{
    const struct {
        const char* name;
        const char* text;
        SourceUnits chosen;
        SourceUnits named;
        bool temperatureMissing, windMissing;
        const char* hour;
    } cases[] = {
        {"no units anywhere", "Time,Temp,RH,Wind\n2024-06-01,70,50,5", {}, {}, true, true,
         "2024-06-01 00:00 | 70 | 50 | 5 | "},
        {"chosen units convert", "Time,Temp,RH,Wind,Concrete\n2024-06-01,25,50,5,25",
         {&Units::Celsius, &Units::MetresPerSecond}, {}, false, false,
         "2024-06-01 00:00 | 77.0 | 50 | 11.2 | 77.0"},
        {"header wins over chosen", "Time,Temp °F,RH,Wind [mph]\n2024-06-01,70,50,5",
         {&Units::Celsius, &Units::Kmh}, {&Units::Fahrenheit, &Units::Mph}, false, false,
         "2024-06-01 00:00 | 70 | 50 | 5 | "},
        {"air shares the concrete's unit", "Time,Air,RH,Wind,Concrete (C)\n2024-06-01,25,50,5,25", {},
         {&Units::Celsius, {}}, false, true, "2024-06-01 00:00 | 77.0 | 50 | 5 | 77.0"},
        {"no header, chosen units", "2024-06-01 06:00\t25\t50\t5", {&Units::Celsius, &Units::Kmh}, {},
         false, false, "2024-06-01 06:00 | 77.0 | 50 | 3.1 | "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvImport::Result result = Import(c.text, UnitSystem::US, c.chosen);
        ASSERT_EQ(result.rows.size(), 1u);
        EXPECT_EQ(Shown(result.rows[0]), c.hour);
        EXPECT_EQ(result.named.temperature, c.named.temperature);
        EXPECT_EQ(result.named.wind, c.named.wind);
        EXPECT_EQ(result.temperatureUnitMissing, c.temperatureMissing);
        EXPECT_EQ(result.windUnitMissing, c.windMissing);
    }
}

// A file's times are the site's wall clock: an hour the computer's clock skips or repeats
// is a reading like any other, and a meter's readings in it make an hour of their own.
TEST(CsvImport, TimesTheComputersClockSkipsOrRepeatsAreValidReadings)
{
    QString log = QStringLiteral("Time,Temp,RH,Wind\n");
    for (const char* day : {"2026-03-08", "2026-03-29", "2026-09-27", "2026-10-25"})
        log += QStringLiteral("%1 02:00,70,50,5\n%1 02:30,72,50,5\n").arg(QLatin1String(day));
    const QByteArray zone = qgetenv("TZ");
    for (const char* tz : {"Europe/Berlin", "America/Denver", "Pacific/Auckland"}) {
        SCOPED_TRACE(tz);
        qputenv("TZ", tz);
        EXPECT_EQ(AllShown(HourlyMeans::Average(Import(log.toUtf8(), UnitSystem::US).rows)),
                  "2026-03-08 02:00 | 71.0 | 50.0 | 5.0 |  | 2 / 2026-03-29 02:00 | 71.0 | 50.0 | 5.0 |  | 2 / "
                  "2026-09-27 02:00 | 71.0 | 50.0 | 5.0 |  | 2 / 2026-10-25 02:00 | 71.0 | 50.0 | 5.0 |  | 2");
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
}

// Logs as meters and data loggers export them and texts as spreadsheets save them, read
// and averaged as the outlook and the command line do.
TEST(CsvImport, MeterLogsAndSpreadsheetExportsAreReadInEachEncoding)
{
    enum class Bytes { AsSaved, WithoutMark, BigEndian };
    const struct {
        const char* name;
        const char* file;
        Bytes bytes;
        UnitSystem units;
        const char* encoding;
        const char* rows;
    } cases[] = {
        {"meter log: device lines, a units row, AM and PM", "meter-us.csv", Bytes::AsSaved, UnitSystem::US, "UTF-8",
         "2026-07-14 11:00 | 81.3 | 47.0 | 11.9 |  | 3 / 2026-07-14 12:00 | 85.0 | 43.0 | 15.0 |  | 3 / "
         "2026-07-14 13:00 | 86.0 | 41.5 | 11.0 |  | 3"},
        {"metric meter log: quoted decimal commas, m/s, one unreadable humidity", "meter-metric.csv", Bytes::AsSaved,
         UnitSystem::SI, "UTF-8",
         "2026-07-14 08:00 | 27.5 | 35.9 | 18.0 |  | 2 of 3 / 2026-07-14 09:00 | 28.1 | 34.0 | 10.8 |  | 1"},
        {"meter log without device lines, columns in another order, F and kn", "meter-reordered.csv",
         Bytes::AsSaved, UnitSystem::US, "UTF-8",
         "2026-07-14 06:00 | 66.0 | 68.0 | 5.8 |  | 2 / 2026-07-14 07:00 | 70.0 | 60.0 | 9.2 |  | 1"},
        {"data logger: degC and ms-1 under TIMESTAMP", "logger.dat", Bytes::AsSaved, UnitSystem::SI, "UTF-8",
         "2026-07-14 08:00 | 22.5 | 57.0 | 12.6 |  | 4"},
        {"Unicode text", "unicode-text.txt", Bytes::AsSaved, UnitSystem::SI, "UTF-16LE with byte-order mark",
         "2026-07-14 08:00 | 25.0 | 50 | 10 |  / 2026-07-14 09:00 | 26.5 | 48 | 12 | "},
        {"Unicode text without a byte-order mark", "unicode-text.txt", Bytes::WithoutMark, UnitSystem::SI,
         "UTF-16LE", "2026-07-14 08:00 | 25.0 | 50 | 10 |  / 2026-07-14 09:00 | 26.5 | 48 | 12 | "},
        {"big-endian Unicode text", "unicode-text.txt", Bytes::BigEndian, UnitSystem::SI,
         "UTF-16BE with byte-order mark",
         "2026-07-14 08:00 | 25.0 | 50 | 10 |  / 2026-07-14 09:00 | 26.5 | 48 | 12 | "},
        {"Windows-1252 °C", "windows-1252.csv", Bytes::AsSaved, UnitSystem::US, "Windows-1252",
         "2026-07-14 08:00 | 77.0 | 50 | 6.2 | "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(QStringLiteral(BRACKMERE_OUTLOOK_TEST_DATA "/") + QLatin1String(c.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        if (c.bytes == Bytes::WithoutMark)
            bytes.remove(0, 2);
        for (qsizetype i = 0; c.bytes == Bytes::BigEndian && i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const CsvImport::Result result = CsvImport::Read(buffer, std::nullopt, c.units);
        ASSERT_TRUE(result.readable) << result.error.toStdString();
        EXPECT_EQ(result.encoding.toStdString(), c.encoding);
        const std::vector<HourlyReading> rows =
            HourlyMeans::FinerThanHourly(result.rows) ? HourlyMeans::Average(result.rows) : result.rows;
        EXPECT_EQ(AllShown(rows), c.rows);
    }
}

// A stream is read up to its limit and no further.
TEST(CsvImport, AStreamStopsAtItsLimit)
{
    QByteArray bytes = "Time,Temp (F),RH,Wind (mph)\n";
    while (bytes.size() < 1024)
        bytes += "2026-07-14 08:00,70,50,5\n";
    bytes.truncate(1024);
    for (const qint64 extra : {0, 1}) {
        QByteArray text = bytes + QByteArray(extra, '\n');
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        const CsvImport::Result result = CsvImport::Read(buffer, 1024, UnitSystem::US);
        EXPECT_EQ(result.readable, extra == 0);
        EXPECT_EQ(result.error.toStdString(), extra == 0 ? "" : "The input goes on past 1 KB; it was read no further.");
    }
}

// The pieces fit: a byte-order mark is no part of the first name, a quoted name keeps its
// comma, and a quoted line end moves the next line's number on.
TEST(CsvImport, QuotesLineEndsAndAByteOrderMarkAreRead)
{
    const QString text = QChar(0xFEFF) + QString::fromUtf8("\"Time\",\"Temp, °C\",RH,\"Wind (m/s)\",Note\r\n"
                                                           "2024-06-01 06:00,21.5,60,5,\"two\r\nlines\"\r\n"
                                                           "2024-06-01 07:00,x,55,2\r\n");
    const CsvImport::Result result = CsvImport::Read(text, UnitSystem::SI);
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(Shown(result.rows[0]), "2024-06-01 06:00 | 21.5 | 60 | 18.0 | ");
    EXPECT_EQ(result.rows[1].problem, QString::fromUtf8("Line 4, column 2 (Temp, °C): \"x\" is not a number."));
}

TEST(CsvImport, AnUnreadableValueKeepsItsLineWithLineAndColumnNamed)
{
    const struct {
        const char* name;
        const char* text;
        const char* problem;
        const char* hour;  // the line read as far as it could be
    } cases[] = {
        {"not a number", "Time,Air,RH,Wind\n\n2024-06-01 06:00,70,abc,5",
         "Line 3, column 3 (RH): \"abc\" is not a number.", "2024-06-01 06:00 | 70 | abc | 5 | "},
        {"empty field", "Time;Air;RH;Wind;Concrete\n2024-06-01 06:00;70,5;50;;",
         "Line 2, column 4 (Wind) is empty.", "2024-06-01 06:00 | 70.5 | 50 |  | "},
        {"too few fields", "Time,Air,RH,Wind\n2024-06-01 06:00,70",
         "Line 2, column 3 (RH) is missing: the line ends after column 2.", "2024-06-01 06:00 | 70 |  |  | "},
        {"concrete not a number", "Time,Air,RH,Wind,Tc (F)\n2024-06-01 06:00,70,50,5,n/a",
         "Line 2, column 5 (Tc (F)): \"n/a\" is not a number.", "2024-06-01 06:00 | 70 | 50 | 5 | n/a"},
        {"no header, bad time, CR line ends", "2024-06-01 06:00\t70\t50\t5\r\rsoon\t71\t50\t5",
         "Line 3, column 1: \"soon\" is not a date and time.", " | 71 | 50 | 5 | "},
        {"separate date and time, bad time", "Date,Time,Air,RH,Wind\n2024-06-01,25:00,70,50,5",
         "Line 2, column 2 (Time): \"25:00\" is not a time of day.", " | 70 | 50 | 5 | "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvImport::Result result = Import(c.text, UnitSystem::US, {&Units::Fahrenheit, &Units::Mph});
        ASSERT_TRUE(result.readable) << result.error.toStdString();
        ASSERT_FALSE(result.rows.empty());
        EXPECT_EQ(result.rows.back().problem, QString::fromUtf8(c.problem));
        EXPECT_EQ(Shown(result.rows.back()), c.hour);
    }
}

TEST(CsvImport, TextsThatCannotBeReadSayWhy)
{
    const struct {
        const char* name;
        QString text;
        const char* error;
    } cases[] = {
        {"empty", QString(), "The text is empty."},
        {"blank lines only", QStringLiteral(" \r\n\t\n"), "The text is empty."},
        {"header only", QStringLiteral("Time,Air,RH,Wind\r\n\r\n"), "No data lines follow the header on line 1."},
        {"no time", QStringLiteral("\n\nAir;RH;Wind\n70;50;5"), "The header on line 3 names no time column."},
        {"binary", QStringLiteral("Time,Air,RH,Wind\r\r") + QChar(0) + QStringLiteral("PK\x03"),
         "Line 3 holds binary data, not text."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvImport::Result result = CsvImport::Read(c.text, UnitSystem::US);
        EXPECT_FALSE(result.readable);
        EXPECT_EQ(result.error, QString::fromUtf8(c.error));
        EXPECT_TRUE(result.rows.empty());
    }
}

}  // namespace
