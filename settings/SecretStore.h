#pragma once

#include <QString>
#include <memory>

// Where secrets are kept between runs: the system keychain (the Secret Service on the
// desktop). The program reaches it through this one interface, so that tests can stand
// in for it.
class SecretStore {
public:
    enum class Outcome { Done, NotFound, Unavailable };
    struct Answer {
        Outcome outcome = Outcome::Done;
        QString secret;  // what was read
        QString error;   // why the keychain could not be used, as it said
    };

    virtual ~SecretStore() = default;
    virtual Answer Read(const QString& name) = 0;
    virtual Answer Write(const QString& name, const QString& secret) = 0;
    virtual Answer Remove(const QString& name) = 0;
};

// The system keychain, each call waiting for its answer; Unavailable where no keychain
// service runs or it refuses. Never falls back to a file.
std::unique_ptr<SecretStore> SystemKeychain();
