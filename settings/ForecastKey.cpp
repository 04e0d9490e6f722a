#include "settings/ForecastKey.h"

#include "settings/Settings.h"

namespace {

const QString Name = QStringLiteral("forecast-api-key");

}  // namespace

ForecastKey::ForecastKey(std::unique_ptr<SecretStore> keychain) : keychain_(std::move(keychain)) {}

QString ForecastKey::MoveFromSettingsFile()
{
    const QString found = Settings::TakeForecastKeyFromFile();
    if (found.isEmpty())
        return {};
    Keep(found);
    if (unavailable_.isEmpty())
        return {};
    return QStringLiteral("The forecast API key was stored in the settings file, where others may read it, and has "
                          "been removed from there. The system keychain could not take it (%1), so it is kept only "
                          "until Brackmere closes: type it again under Server… in the pour-day outlook then.")
        .arg(unavailable_);
}

QString ForecastKey::Get()
{
    if (key_)
        return *key_;
    key_ = QString();
    if (!Settings::ForecastKeyInKeychain())
        return *key_;
    const SecretStore::Answer read = keychain_->Read(Name);
    if (read.outcome == SecretStore::Outcome::Done)
        key_ = read.secret;
    else if (read.outcome == SecretStore::Outcome::NotFound)
        Settings::SetForecastKeyInKeychain(false);
    unavailable_ = read.error;
    return *key_;
}

void ForecastKey::Set(const QString& key)
{
    if (key != Get() || !unavailable_.isEmpty())
        Keep(key);
}

QString ForecastKey::Where()
{
    const SecretStore::Answer probe = keychain_->Read(Name);
    unavailable_ = probe.outcome == SecretStore::Outcome::Unavailable ? probe.error : QString();
    if (unavailable_.isEmpty())
        return QStringLiteral("The key is kept in the system keychain, never in the settings file.");
    return QStringLiteral("No system keychain answers (%1): the key is kept only until Brackmere closes, never in "
                          "a file.")
        .arg(unavailable_);
}

void ForecastKey::Keep(const QString& key)
{
    key_ = key;
    if (key.isEmpty() && !Settings::ForecastKeyInKeychain()) {
        unavailable_.clear();
        return;
    }
    const SecretStore::Answer kept = key.isEmpty() ? keychain_->Remove(Name) : keychain_->Write(Name, key);
    unavailable_ = kept.outcome == SecretStore::Outcome::Unavailable ? kept.error : QString();
    Settings::SetForecastKeyInKeychain(!key.isEmpty() && unavailable_.isEmpty());
}
