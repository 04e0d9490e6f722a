#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct NewRecord;

// The layout of the records table, each column once with all that is known of it: its
// types on each engine, the field of a new record it is written from, what kind of value
// it holds and where the printed report shows it. The columns keep their order: the
// record number first, then the columns of the first files, then those added since, in
// the order they were added (older files gain them on opening).
namespace RecordsSchema {

inline const QString FileName = QStringLiteral("Brackmere_Data.mdb");
inline const QString TableName = QStringLiteral("tblBrackmere");

// What a column's values are: how the viewer sorts them and, for a reading or a rate,
// the quantity whose unit the record's unit system (the column of kind Units) decides.
enum class Kind {
    RecordNumber,  // filled by the engine
    Date,          // the day of the readings, in the locale's short form
    Time,          // their time of day
    Temperature,   // °F or °C
    Humidity,      // %
    Wind,          // mph or km/h
    Rate,          // lb/ft²/hr or kg/m²/hr
    Units,         // the unit system's code ("US", "SI")
    Text,
};
// Whether the viewer sorts the column's values as numbers.
constexpr bool IsNumeric(Kind kind)
{
    return kind == Kind::RecordNumber || kind == Kind::Temperature || kind == Kind::Humidity || kind == Kind::Wind
           || kind == Kind::Rate;
}

// A column's place in the printed report.
struct ReportPlace {
    int position;   // from the left, from 1
    QString title;  // over the column
    double weight;  // its share of the page's width: points on a landscape Letter page, scaled to the page used
};

// Every value is handed over as text; TEXT keeps it exactly as the dialog showed it, so
// a value read back reads as the same text.
struct Column {
    QString name;
    Kind kind = Kind::Text;
    const char* sqliteType = "TEXT";
    const char* serverType = "text";
    // The field of a new record the column is written from; none for the record number,
    // which the engine fills.
    QString NewRecord::*field = nullptr;
    // Added to a file that lacks it when the file is opened; what its rows then read
    // there (an SQL literal), or nothing for null.
    bool appended = false;
    const char* appendedDefault = nullptr;
    // How a text is handed to a server: as it stands, as its number, or as null when empty
    // (a key that must not repeat). A records file keeps every text as it stands.
    enum class ToServer { Text, Number, NullWhenEmpty };
    ToServer toServer = ToServer::Text;
    // Where the printed report shows the column; none when it leaves it out.
    std::optional<ReportPlace> report = std::nullopt;
};

const std::vector<Column>& Columns();
const Column& RecordNumber();
// The column a record copied from a records file to a server keeps its origin in.
inline const QString CopiedFromColumn = QStringLiteral("CopiedFrom");
// The column the save dialog lists the values of; indexed so that listing them does not
// read every record.
inline const QString SiteColumn = QStringLiteral("Site");
// Where a record's readings came from (see records/RecordSource.h).
inline const QString SourceColumn = QStringLiteral("Source");
// The columns a saved record writes, in table order.
std::vector<Column> WrittenColumns();
std::vector<Column> AppendedColumns();
// The columns the printed report shows, in its order.
std::vector<Column> ReportColumns();
// The column of that name (letter case included); none for a name the layout lacks.
const Column* Find(const QString& name);

// The history of the records: for every change, delete and restore of a record, the
// record's values before it, with what happened, who did it and when (UTC), written by
// the engine's triggers in the same write. Its own columns come first, then every column
// of the records table, kept in step with it (the record number as a plain number).
inline const QString HistoryTableName = QStringLiteral("tblBrackmereHistory");
inline const QString HistoryIdColumn = QStringLiteral("HistID");
inline const QString HistoryActionColumn = QStringLiteral("Action");
inline const QString HistoryByColumn = QStringLiteral("ActionBy");
inline const QString HistoryAtColumn = QStringLiteral("ActionAt");
// What the history's Action column holds.
inline const QString HistoryChanged = QStringLiteral("changed");
inline const QString HistoryDeleted = QStringLiteral("deleted");
inline const QString HistoryRestored = QStringLiteral("restored");
std::vector<Column> HistoryColumns();

// The pour reports saved beside the records, each with the text its printed copies were
// made from and that text's SHA-256 digest, so that a copy can be checked against it.
// Made on the first opening by a version that keeps them; never changed afterwards.
inline const QString SavedReportsTableName = QStringLiteral("tblPourReports");
inline const QString SavedReportIdColumn = QStringLiteral("ReportID");
inline const QString SavedReportAtColumn = QStringLiteral("SavedAt");  // UTC, ISO 8601
inline const QString SavedReportByColumn = QStringLiteral("SavedBy");
inline const QString SavedReportSiteColumn = QStringLiteral("Site");
inline const QString SavedReportTitleColumn = QStringLiteral("Title");
inline const QString SavedReportDigestColumn = QStringLiteral("Digest");  // SHA-256 of Content, lower-case hex
inline const QString SavedReportContentColumn = QStringLiteral("Content");
std::vector<Column> SavedReportColumns();

// Writes a new records file at `path` holding the empty table as the program is
// shipped with it (without the appended columns, which the program adds on first use).
// Never touches an existing file: returns true without writing when one is
// there. On failure returns false and sets `error`.
bool CreateRecordsFile(const QString& path, QString& error);

}  // namespace RecordsSchema
