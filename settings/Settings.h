#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "calc/PourWindow.h"
#include "calc/UnitSystems.h"

// What the program remembers between runs, each setting with its default, in one
// place. Stored per user (an INI file in the user's configuration folder).
namespace Settings {

// The unit system the window shows; US customary by default.
UnitSystem Units();
void SetUnits(UnitSystem units);
// The mix preset the threshold was last chosen for; Standard by default.
MixPreset Mix();
void SetMix(MixPreset mix);
// The language the window speaks ("en", "es", "fr", "de"); empty until the user chooses
// one, when the system's locale decides.
QString Language();
void SetLanguage(const QString& code);

// The kinds of file the program asks for, each remembering the folder last used for it.
enum class FileKind { Pdf, Csv, RecordsFile };
// That folder; empty when none was used yet.
QString LastFolder(FileKind kind);
void SetLastFolder(FileKind kind, const QString& folder);

// Where records live, as chosen in the Records Location dialog: a records file or a
// server URI (never with a password); empty for the file beside the program.
QString RecordsLocation();
void SetRecordsLocation(const QString& fileOrUri);
// The records files the user was told lie on a network file system.
bool NetworkFileWarned(const QString& path);
void SetNetworkFileWarned(const QString& path);
// The sites records were saved for, most recent first, and the login name records
// are saved by.
QStringList RecordSites();
void RememberRecordSite(const QString& site);

// The pour-day outlook's forecast server: an Open-Meteo-compatible base URL (the public
// server by default). Its API key lives in the keychain (ForecastKey); the file only says
// whether one was put there. Older versions kept the key in the file: taking it removes it.
QString ForecastServer();
void SetForecastServer(const QString& baseUrl);
// The forecast provider's geocoding service, which finds sites by name or postcode: a
// base URL (the provider's public one by default).
QString GeocodingServer();
void SetGeocodingServer(const QString& baseUrl);
bool ForecastKeyInKeychain();
void SetForecastKeyInKeychain(bool kept);
QString TakeForecastKeyFromFile();

// How many days a forecast covers: 1 to 16 (the server's limits), 7 by default.
constexpr int MinForecastDays = 1;
constexpr int MaxForecastDays = 16;
int ForecastDays();
void SetForecastDays(int days);

struct Site {
    QString name;
    double latitude = 0;
    double longitude = 0;
};
// The sites forecasts were fetched for, most recent first.
std::vector<Site> Sites();
void RememberSite(const Site& site);

// How forecast hours are completed: the wind height factor (the 1/7 power law by
// default), the concrete temperature rule (air + 0 by default; its value is kept in
// degrees F whatever units are shown: the temperature of a constant rule, the
// difference added to the air for the other) and the least window length in hours (4).
double HeightFactor();
void SetHeightFactor(double factor);
bool ConcreteIsConstant();
double ConcreteValue();
void SetConcreteRule(bool constant, double value);
int WindowHours();
void SetWindowHours(int hours);
// Which hours the outlook's safe windows are made of; below the threshold in force by default.
SafeCriterion SafeHours();
void SetSafeHours(SafeCriterion criterion);

// The watch's mail: a sendmail-compatible command (none by default: nothing is mailed)
// and the addresses mailed about each site's pours, by site name.
QString MailCommand();
void SetMailCommand(const QString& path);
QStringList MailRecipients(const QString& site);
void SetMailRecipients(const QString& site, const QStringList& addresses);

// What the last check of each planned pour found (a PourState code) and when, by the
// pour's number; none before its first check.
struct PourCheckState {
    QString state;
    QDateTime checked;  // UTC
};
std::optional<PourCheckState> LastPourState(qint64 pourId);
void SetLastPourState(qint64 pourId, const PourCheckState& state);

}  // namespace Settings
