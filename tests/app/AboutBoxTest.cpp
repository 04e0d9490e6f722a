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

// Where the tool is found, and what the user sees otherwise: the path value is started as
// it is, without looking for the file; the location folder only when the tool is there.
TEST(StartSysInfo, StartsTheToolTheRegistryNamesOrSaysItIsUnavailable)
{
    QTemporaryDir folder;
    const QString tool = QDir::toNativeSeparators(folder.filePath("MSINFO32.EXE"));
    const QByteArray pathValue = "C:\\Program Files\\Common Files\\Shared\\MSInfo\\msinfo32.exe";
    const struct { const char* name; bool path, location, toolThere, startSucceeds; QString started; } cases[] = {
        {"path value, location too", true, true, false, true, pathValue},
        {"location without the tool", false, true, false, true, ""},
        {"location with the tool", false, true, true, true, tool},
        {"no keys", false, false, false, true, ""},
        {"a start that fails", true, false, false, false, pathValue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (c.path)
            registry.keys[MsInfoKey]["PATH"] = Sz(pathValue);
        if (c.location)
            registry.keys[LocationKey]["MSINFO"] = Sz(QDir::toNativeSeparators(folder.path()).toLocal8Bit(), false);
        QFile file(tool);  // made once, for the case that needs it, and there from then on
        if (c.toolThere) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        FakeLauncher launcher;
        launcher.startSucceeds = c.startSucceeds;
        MessageRecorder messages;
        SystemInfo::StartSysInfo(registry, launcher, nullptr);
        EXPECT_EQ(launcher.started, c.started.isEmpty() ? QStringList{} : QStringList{c.started});
        const bool started = !c.started.isEmpty() && c.startSucceeds;
        ASSERT_EQ(messages.messages().size(), started ? 0u : 1u);
        if (!started) {
            EXPECT_EQ(messages.messages()[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(messages.messages()[0].title, "Brackmere");
        }
        if (c.path && c.location) {
            EXPECT_EQ(registry.openedKeys, QStringList{MsInfoKey}) << "the second key is not needed";
        }
    }
#ifndef Q_OS_WIN
    // Outside Windows the system's registry has no keys at all.
    MessageRecorder messages;
    FakeLauncher launcher;
    SystemInfo::StartSysInfo(SystemInfo::SystemRegistry(), launcher, nullptr);
    EXPECT_TRUE(launcher.started.isEmpty());
    EXPECT_EQ(messages.messages().size(), 1u);
#endif
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
