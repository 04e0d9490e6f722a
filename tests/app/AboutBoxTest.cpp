#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <optional>

#include "app/SystemInfo.h"
#include "app/frmAbout.h"
#include "tests/support/Elements.h"
#include "tests/support/MessageRecorder.h"

namespace {

using SystemInfo::Registry;

// A registry held in memory that records which keys were opened with which access.
struct FakeRegistry : Registry {
    struct Value {
        std::uint32_t type;
        QByteArray bytes;
    };
    std::map<QString, std::map<QString, Value>> keys;
    std::map<Key, QString> openKeys;
    std::vector<std::uint32_t> requestedAccess;
    QStringList openedKeys;
    int closeCount = 0;

    bool open(std::uint32_t root, const QString& keyName, std::uint32_t access, Key& key) override
    {
        requestedAccess.push_back(access);
        if (root != SystemInfo::HKeyLocalMachine || !keys.contains(keyName))
            return false;
        key = 100 + openedKeys.size();
        openKeys[key] = keyName;
        openedKeys.append(keyName);
        return true;
    }
    bool query(Key key, const QString& valueName, std::uint32_t& type, QByteArray& data, std::uint32_t& size) override
    {
        const auto& values = keys.at(openKeys.at(key));
        const auto found = values.find(valueName);
        if (found == values.end() || found->second.bytes.size() > data.size())
            return false;
        type = found->second.type;
        std::copy(found->second.bytes.begin(), found->second.bytes.end(), data.begin());
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        return true;
    }
    void close(Key key) override
    {
        ++closeCount;
        openKeys.erase(key);
    }
};

// Records the programs it is asked to start instead of starting them.
struct FakeLauncher : SystemInfo::ProgramLauncher {
    bool startSucceeds = true;
    QStringList started;
    bool start(const QString& program) override
    {
        started.append(program);
        return startSucceeds;
    }
};

const QString MsInfoKey = SystemInfo::MsInfoKey;
const QString LocationKey = SystemInfo::MsInfoLocationKey;

FakeRegistry::Value Sz(const QByteArray& text, bool withZero = true)
{
    return {SystemInfo::RegSz, withZero ? text + '\0' : text};
}

TEST(GetKeyValue, ReadsEachKindOfStoredValueWithReadAccessOnlyAndClosesTheKey)
{
    const QByteArray tool = "C:\\Tools\\msinfo32.exe";
    const struct {
        const char* name;
        bool keyExists;
        std::optional<FakeRegistry::Value> stored;
        bool read;
        QString text;
    } cases[] = {
        {"string with its terminating zero counted", true, Sz(tool), true, tool},
        {"string without a terminating zero", true, Sz(tool, false), true, tool},
        {"empty string of only its zero", true, Sz(""), true, ""},
        {"number ending in a zero byte keeps all four bytes", true,
         FakeRegistry::Value{SystemInfo::RegDword, QByteArray("\x00\x01\x00\x00", 4)}, true, "256"},
        {"binary value leaves the text unchanged", true, FakeRegistry::Value{3, QByteArray("\x01\x02", 2)}, true,
         "left from before"},
        {"missing value empties the text", true, std::nullopt, false, ""},
        {"value larger than the buffer is not read", true, Sz(QByteArray(2000, 'x'), false), false, ""},
        {"missing key empties the text", false, std::nullopt, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (c.keyExists)
            registry.keys[MsInfoKey];
        if (c.stored)
            registry.keys[MsInfoKey]["PATH"] = *c.stored;
        QString text = "left from before";
        EXPECT_EQ(SystemInfo::GetKeyValue(registry, SystemInfo::HKeyLocalMachine, MsInfoKey, "PATH", text), c.read);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(registry.closeCount, c.keyExists ? 1 : 0);
        EXPECT_TRUE(registry.openKeys.empty());
        // KEY_READ, with no right to change, create, delete or take over keys.
        EXPECT_EQ(registry.requestedAccess, std::vector<std::uint32_t>{0x20019u});
    }
}

class StartSysInfoTest : public ::testing::Test {
protected:
    QStringList Start(bool startSucceeds = true)
    {
        FakeLauncher launcher;
        launcher.startSucceeds = startSucceeds;
        SystemInfo::StartSysInfo(registry, launcher, nullptr);
        return launcher.started;
    }
    void ExpectUnavailableMessage()
    {
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(messages.messages()[0].title, "Brackmere");
        EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::None);
        messages.clear();
    }

    FakeRegistry registry;
    MessageRecorder messages;
};

TEST_F(StartSysInfoTest, StartsThePathValueUnchangedWithoutLookingForTheFile)
{
    const QByteArray stored = "C:\\Program Files\\Common Files\\Shared\\MSInfo\\msinfo32.exe";
    registry.keys[MsInfoKey]["PATH"] = Sz(stored);
    registry.keys[LocationKey]["MSINFO"] = Sz("C:\\Elsewhere", false);
    EXPECT_EQ(Start(), QStringList{stored});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(registry.openedKeys, QStringList{MsInfoKey}) << "the second key is not needed";
}

TEST_F(StartSysInfoTest, StartsTheToolInTheLocationFolderOnlyWhenItIsThere)
{
    QTemporaryDir folder;
    registry.keys[LocationKey]["MSINFO"] = Sz(QDir::toNativeSeparators(folder.path()).toLocal8Bit());
    EXPECT_TRUE(Start().isEmpty());
    ExpectUnavailableMessage();

    QFile tool(folder.filePath("MSINFO32.EXE"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    EXPECT_EQ(Start(), QStringList{QDir::toNativeSeparators(tool.fileName())});
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(StartSysInfoTest, NoRegistryKeysOrAFailedStartShowsTheMessage)
{
    EXPECT_TRUE(Start().isEmpty());
    ExpectUnavailableMessage();
#ifndef Q_OS_WIN
    // Outside Windows the system's registry has no keys at all.
    FakeLauncher launcher;
    SystemInfo::StartSysInfo(SystemInfo::SystemRegistry(), launcher, nullptr);
    EXPECT_TRUE(launcher.started.isEmpty());
    ExpectUnavailableMessage();
#endif
    registry.keys[MsInfoKey]["PATH"] = Sz("C:\\gone\\msinfo32.exe", false);
    EXPECT_EQ(Start(false).size(), 1);
    ExpectUnavailableMessage();
}

class AboutBoxTest : public ::testing::Test {
protected:
    QString LabelText(const char* name) const { return Element<QLabel>(about, name)->text(); }
    QPushButton* Button(const char* name) const { return Element<QPushButton>(about, name); }

    FakeRegistry registry;
    FakeLauncher launcher;
    MessageRecorder messages;
    frmAbout about{registry, launcher};
};

// The version comes from the build; the pictures from the program's resources.
TEST_F(AboutBoxTest, ShowsTheVersionAndItsPictures)
{
    EXPECT_EQ(LabelText("lblVersion"), "Version 1.0.17");
    EXPECT_EQ(LabelText("lblDescription"), "Concrete Curing Evaporation Rate Calculator ");
    for (const char* picture : {"picIcon", "Image1"})
        EXPECT_FALSE(Element<QLabel>(about, picture)->pixmap().isNull()) << picture << " shows no picture";
    EXPECT_TRUE(Button("cmdOK")->isDefault());
}

TEST_F(AboutBoxTest, EnterEscAndOKCloseItAlike)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {  // unknown: a click on OK
        SCOPED_TRACE(key);
        about.setResult(QDialog::Rejected);
        about.show();
        if (key == Qt::Key_unknown)
            QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
        else
            QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.result(), QDialog::Accepted);
    }
}

TEST_F(AboutBoxTest, SystemInfoStartsTheToolTheRegistryNamesAndTheBoxStaysOpen)
{
    registry.keys[MsInfoKey]["PATH"] = Sz("C:\\Tools\\msinfo32.exe");
    about.show();
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(launcher.started, QStringList{"C:\\Tools\\msinfo32.exe"});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(about.isVisible());
}

}  // namespace
