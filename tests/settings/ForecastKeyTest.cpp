#include <gtest/gtest.h>

#include <QSettings>
#include <map>

#include "settings/ForecastKey.h"
#include "settings/Settings.h"

namespace {

QSettings File()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Brackmere", "Brackmere");
}

// A keychain in memory that can play one with no service behind it; counts the calls.
struct FakeKeychain : SecretStore {
    FakeKeychain(std::map<QString, QString>& kept, bool answers, int& calls) : kept(kept), answers(answers), calls(calls) {}
    Answer Answered(Outcome outcome, const QString& secret = {})
    {
        ++calls;
        return answers ? Answer{outcome, secret, {}} : Answer{Outcome::Unavailable, {}, "no service"};
    }
    Answer Read(const QString& name) override
    {
        return kept.contains(name) ? Answered(Outcome::Done, kept[name]) : Answered(Outcome::NotFound);
    }
    Answer Write(const QString& name, const QString& secret) override
    {
        if (answers)
            kept[name] = secret;
        return Answered(Outcome::Done);
    }
    Answer Remove(const QString& name) override { kept.erase(name); return Answered(Outcome::Done); }
    std::map<QString, QString>& kept;
    bool answers;
    int& calls;
};

struct ForecastKeyTest : ::testing::Test {
    void SetUp() override { File().clear(); }
    // A session of the program, the keychain answering or not.
    std::unique_ptr<ForecastKey> Session(bool answers)
    {
        return std::make_unique<ForecastKey>(std::make_unique<FakeKeychain>(keychain, answers, calls));
    }
    std::map<QString, QString> keychain;
    int calls = 0;
};

// A key an older version left in the settings file leaves it on the first start: into the
// keychain, or, where none answers, into this session only, saying so once.
TEST_F(ForecastKeyTest, AKeyInTheSettingsFileMovesToTheKeychainOrTheSession)
{
    for (const bool answers : {true, false}) {
        SetUp();
        File().setValue("outlook/apiKey", "k-1");
        const auto first = Session(answers);
        EXPECT_EQ(first->MoveFromSettingsFile().contains("The system keychain could not take it (no service), so it "
                                                         "is kept only until Brackmere closes"),
                  !answers);
        EXPECT_TRUE(!File().contains("outlook/apiKey") && first->Get() == "k-1");
        EXPECT_EQ(Session(answers)->MoveFromSettingsFile(), "") << "said once";
        EXPECT_EQ(Session(true)->Get(), answers ? "k-1" : "") << "kept beyond the session in the keychain only";
    }
}

// The keychain is asked only where a key was put, so a user without a key is never asked
// to unlock it; an empty key removes the one kept; the Server dialog says where it is.
TEST_F(ForecastKeyTest, TheKeychainIsAskedOnlyForAKeyPutThere)
{
    const auto session = Session(true);
    session->Set("");
    EXPECT_TRUE(session->Get().isEmpty() && calls == 0);
    session->Set("k-2");
    EXPECT_EQ(Session(true)->Get(), "k-2");
    session->Set("");
    EXPECT_TRUE(keychain.empty() && Session(true)->Get().isEmpty());
    EXPECT_EQ(Session(true)->Where(), "The key is kept in the system keychain, never in the settings file.");
    EXPECT_EQ(Session(false)->Where(), "No system keychain answers (no service): the key is kept only until "
                                       "Brackmere closes, never in a file.");
}

// The system keychain itself: on a session bus address that leads nowhere the key stays in
// the session; the run under gnome-keyring keeps it from one session to the next.
TEST(SystemKeychain, KeepsTheKeyWhereTheSecretServiceRuns)
{
    const bool service = qEnvironmentVariableIsSet("BRACKMERE_TEST_SECRET_SERVICE");
    const auto outcome = [] { return SystemKeychain()->Read("forecast-api-key").outcome; };
    ForecastKey(SystemKeychain()).Set("k-4");
    EXPECT_EQ(ForecastKey(SystemKeychain()).Get(), service ? "k-4" : "");
    EXPECT_EQ(outcome(), service ? SecretStore::Outcome::Done : SecretStore::Outcome::Unavailable);
    ForecastKey(SystemKeychain()).Set("");
    EXPECT_EQ(outcome(), service ? SecretStore::Outcome::NotFound : SecretStore::Outcome::Unavailable);
}

}  // namespace
