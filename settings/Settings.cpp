#include "settings/Settings.h"

#include <QSettings>
#include <algorithm>

#include "calc/UnitSystems.h"

namespace Settings {
namespace {

QSettings Store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brackmere"),
                     QStringLiteral("Brackmere"));
}

const QString UnitsKey = QStringLiteral("window/units");
const QString MixKey = QStringLiteral("window/mix");
const QString LanguageKey = QStringLiteral("window/language");
const QString ServerKey = QStringLiteral("outlook/server");
const QString GeocodingKey = QStringLiteral("outlook/geocodingServer");
const QString MailCommandKey = QStringLiteral("watch/mailCommand");
const QString MailToKey = QStringLiteral("watch/mailTo/");
const QString PourStateKey = QStringLiteral("watch/pourState/");
const QString KeyKey = QStringLiteral("outlook/apiKey");
const QString KeyInKeychainKey = QStringLiteral("outlook/apiKeyInKeychain");
const QString ForecastDaysKey = QStringLiteral("outlook/forecastDays");
const QString SitesKey = QStringLiteral("outlook/sites");
const QString HeightFactorKey = QStringLiteral("outlook/heightFactor");
const QString ConcreteConstantKey = QStringLiteral("outlook/concreteConstant");
const QString ConcreteValueKey = QStringLiteral("outlook/concreteValue");
const QString WindowHoursKey = QStringLiteral("outlook/windowHours");
const QString SafeHoursKey = QStringLiteral("outlook/safeOkOnly");
const QString RecordsLocationKey = QStringLiteral("records/location");
const QString NetworkWarnedKey = QStringLiteral("records/networkFileWarned");
const QString RecordSitesKey = QStringLiteral("records/sites");
constexpr int MaxSites = 20;

QString LastFolderKey(FileKind kind)
{
    static const QString kinds[] = {QStringLiteral("pdf"), QStringLiteral("csv"), QStringLiteral("records")};
    return QStringLiteral("files/lastFolder/") + kinds[static_cast<int>(kind)];
}

}  // namespace

UnitSystem Units()
{
    return Units::FromCode(Store().value(UnitsKey, QStringLiteral("US")).toString().toStdString());
}

void SetUnits(UnitSystem units)
{
    Store().setValue(UnitsKey, QString::fromUtf8(Units::Code(units).data(), qsizetype(Units::Code(units).size())));
}

QString Language()
{
    return Store().value(LanguageKey).toString();
}

void SetLanguage(const QString& code)
{
    Store().setValue(LanguageKey, code);
}

MixPreset Mix()
{
    return PresetCoded(Store().value(MixKey).toString().toStdString()).value_or(MixPreset::Standard);
}

void SetMix(MixPreset mix)
{
    const std::string_view code = PresetOf(mix).code;
    Store().setValue(MixKey, QString::fromUtf8(code.data(), qsizetype(code.size())));
}

QString LastFolder(FileKind kind)
{
    return Store().value(LastFolderKey(kind)).toString();
}

void SetLastFolder(FileKind kind, const QString& folder)
{
    Store().setValue(LastFolderKey(kind), folder);
}

QString RecordsLocation()
{
    return Store().value(RecordsLocationKey).toString();
}

void SetRecordsLocation(const QString& fileOrUri)
{
    Store().setValue(RecordsLocationKey, fileOrUri);
}

bool NetworkFileWarned(const QString& path)
{
    return Store().value(NetworkWarnedKey).toStringList().contains(path);
}

void SetNetworkFileWarned(const QString& path)
{
    QSettings store = Store();
    QStringList warned = store.value(NetworkWarnedKey).toStringList();
    if (!warned.contains(path))
        store.setValue(NetworkWarnedKey, warned << path);
}

QStringList RecordSites()
{
    return Store().value(RecordSitesKey).toStringList();
}

void RememberRecordSite(const QString& site)
{
    if (site.trimmed().isEmpty())
        return;
    QStringList sites = RecordSites();
    sites.removeAll(site);
    sites.prepend(site);
    Store().setValue(RecordSitesKey, sites.mid(0, MaxSites));
}

QString ForecastServer()
{
    return Store().value(ServerKey, QStringLiteral("https://api.open-meteo.com")).toString();
}

void SetForecastServer(const QString& baseUrl)
{
    Store().setValue(ServerKey, baseUrl);
}

QString GeocodingServer()
{
    return Store().value(GeocodingKey, QStringLiteral("https://geocoding-api.open-meteo.com")).toString();
}

void SetGeocodingServer(const QString& baseUrl)
{
    Store().setValue(GeocodingKey, baseUrl);
}

bool ForecastKeyInKeychain()
{
    return Store().value(KeyInKeychainKey, false).toBool();
}

void SetForecastKeyInKeychain(bool kept)
{
    Store().setValue(KeyInKeychainKey, kept);
}

QString TakeForecastKeyFromFile()
{
    QSettings store = Store();
    const QString key = store.value(KeyKey).toString().trimmed();
    store.remove(KeyKey);
    return key;
}

int ForecastDays()
{
    return std::clamp(Store().value(ForecastDaysKey, 7).toInt(), MinForecastDays, MaxForecastDays);
}

void SetForecastDays(int days)
{
    Store().setValue(ForecastDaysKey, std::clamp(days, MinForecastDays, MaxForecastDays));
}

std::vector<Site> Sites()
{
    QSettings store = Store();
    std::vector<Site> sites;
    const int count = store.beginReadArray(SitesKey);
    for (int i = 0; i < count; ++i) {
        store.setArrayIndex(i);
        sites.push_back({store.value(QStringLiteral("name")).toString(), store.value(QStringLiteral("latitude")).toDouble(),
                         store.value(QStringLiteral("longitude")).toDouble()});
    }
    store.endArray();
    return sites;
}

void RememberSite(const Site& site)
{
    std::vector<Site> sites{site};
    for (const Site& kept : Sites()) {
        if (kept.name != site.name && sites.size() < MaxSites)
            sites.push_back(kept);
    }
    QSettings store = Store();
    store.beginWriteArray(SitesKey, int(sites.size()));
    for (int i = 0; i < int(sites.size()); ++i) {
        store.setArrayIndex(i);
        store.setValue(QStringLiteral("name"), sites[std::size_t(i)].name);
        store.setValue(QStringLiteral("latitude"), sites[std::size_t(i)].latitude);
        store.setValue(QStringLiteral("longitude"), sites[std::size_t(i)].longitude);
    }
    store.endArray();
}

double HeightFactor()
{
    return Store().value(HeightFactorKey, Units::ForecastWindHeightFactor).toDouble();
}

void SetHeightFactor(double factor)
{
    Store().setValue(HeightFactorKey, factor);
}

bool ConcreteIsConstant()
{
    return Store().value(ConcreteConstantKey, false).toBool();
}

double ConcreteValue()
{
    return Store().value(ConcreteValueKey, 0.0).toDouble();
}

void SetConcreteRule(bool constant, double value)
{
    QSettings store = Store();
    store.setValue(ConcreteConstantKey, constant);
    store.setValue(ConcreteValueKey, value);
}

int WindowHours()
{
    return Store().value(WindowHoursKey, 4).toInt();
}

void SetWindowHours(int hours)
{
    Store().setValue(WindowHoursKey, hours);
}

SafeCriterion SafeHours()
{
    return Store().value(SafeHoursKey, false).toBool() ? SafeCriterion::OkOnly : SafeCriterion::BelowThreshold;
}

void SetSafeHours(SafeCriterion criterion)
{
    Store().setValue(SafeHoursKey, criterion == SafeCriterion::OkOnly);
}

QString MailCommand()
{
    return Store().value(MailCommandKey).toString();
}

void SetMailCommand(const QString& path)
{
    Store().setValue(MailCommandKey, path);
}

namespace {

// The file escapes what a key may not hold itself, except the group separators.
QString MailToKeyOf(QString site)
{
    return MailToKey + site.replace(u'/', u'_').replace(u'\\', u'_');
}

}  // namespace

QStringList MailRecipients(const QString& site)
{
    return Store().value(MailToKeyOf(site)).toStringList();
}

void SetMailRecipients(const QString& site, const QStringList& addresses)
{
    Store().setValue(MailToKeyOf(site), addresses);
}

std::optional<PourCheckState> LastPourState(qint64 pourId)
{
    const QStringList kept = Store().value(PourStateKey + QString::number(pourId)).toStringList();
    if (kept.size() != 2)
        return std::nullopt;
    return PourCheckState{kept[0], QDateTime::fromString(kept[1], Qt::ISODate).toUTC()};
}

void SetLastPourState(qint64 pourId, const PourCheckState& state)
{
    Store().setValue(PourStateKey + QString::number(pourId),
                     QStringList{state.state, state.checked.toUTC().toString(Qt::ISODate)});
}

}  // namespace Settings
