#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "settings/SecretStore.h"

// The forecast server's API key, kept in the system keychain and never in the settings
// file. Where the keychain cannot keep it, the key is kept for this session only. The
// keychain is asked only when a key was put there, so that a user without a key is never
// asked to unlock it.
class ForecastKey {
public:
    explicit ForecastKey(std::unique_ptr<SecretStore> keychain);

    // Moves a key that an older version wrote into the settings file to the keychain, or
    // to this session, and removes it from the file. Returns what to tell the user, once;
    // empty when there is nothing to say.
    QString MoveFromSettingsFile();

    // The key; empty for none.
    QString Get();
    // Keeps the key (empty forgets it).
    void Set(const QString& key);
    // Where the key is kept, in a sentence for the Server dialog; asks the keychain
    // whether it answers.
    QString Where();

private:
    void Keep(const QString& key);

    std::unique_ptr<SecretStore> keychain_;
    std::optional<QString> key_;  // as known in this session
    QString unavailable_;         // why the keychain cannot be used; empty while it can
};
