#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "app/SystemInfo.h"
#include "tests/app/FakeSystem.h"
#include "tests/support/MessageRecorder.h"

namespace {

const QString MsInfoKey = QString::fromLatin1(SystemInfo::MsInfoKey);
const QString LocationKey = QString::fromLatin1(SystemInfo::MsInfoLocationKey);
const QString Path = QStringLiteral("PATH");
constexpr std::uint32_t RegBinary = 3;

// A string value as the registry may store it, with or without its terminating zero.
FakeRegistry::Value Sz(const QByteArray& text, bool withZero = true)
{
    return {SystemInfo::RegSz, withZero ? text + '\0' : text};
}

TEST(GetKeyValue, ReadsEachKindOfStoredValueWithReadAccessOnlyAndClosesTheKey)
{
    const QByteArray tool = "C:\\Tools\\msinfo32.exe";
    const struct {
        const char* name;
        std::optional<FakeRegistry::Value> stored;  // none: the key exists but lacks the value
        bool read;
        QString text;
    } cases[] = {
        {"string with its terminating zero counted", Sz(tool), true, QString::fromLatin1(tool)},
        {"string without a terminating zero", Sz(tool, false), true, QString::fromLatin1(tool)},
        {"empty string of only its zero", Sz(""), true, QString()},
        {"number ending in a zero byte keeps all four bytes",
         FakeRegistry::Value{SystemInfo::RegDword, QByteArray("\x00\x01\x00\x00", 4)}, true, QStringLiteral("256")},
        {"binary value leaves the text unchanged", FakeRegistry::Value{RegBinary, QByteArray("\x01\x02", 2)}, true,
         QStringLiteral("left from before")},
        {"missing value empties the text", std::nullopt, false, QString()},
        {"value larger than the buffer is not read", Sz(QByteArray(2000, 'x'), false), false, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        registry.addKey(MsInfoKey);
        if (c.stored)
            registry.setValue(MsInfoKey, Path, *c.stored);
        QString text = QStringLiteral("left from before");
        EXPECT_EQ(SystemInfo::GetKeyValue(registry, SystemInfo::HKeyLocalMachine, MsInfoKey, Path, text), c.read);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(registry.closeCount(), 1);
        EXPECT_FALSE(registry.anyKeyLeftOpen());
        // KEY_READ, with no right to change, create, delete or take over keys.
        EXPECT_EQ(registry.requestedAccess(), std::vector<std::uint32_t>{0x20019u});
    }
}

TEST(GetKeyValue, MissingKeyEmptiesTextAndClosesNothing)
{
    FakeRegistry registry;
    QString text = QStringLiteral("left from before");
    EXPECT_FALSE(SystemInfo::GetKeyValue(registry, SystemInfo::HKeyLocalMachine, MsInfoKey, Path, text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(registry.closeCount(), 0);
}

// ---- StartSysInfo: where the tool is found, and what the user sees otherwise ----

class StartSysInfoTest : public ::testing::Test {
protected:
    FakeRegistry registry;
    MessageRecorder messages;

    QStringList Start(bool startSucceeds = true)
    {
        FakeLauncher launcher(startSucceeds);
        SystemInfo::StartSysInfo(registry, launcher, nullptr);
        return launcher.started;
    }
    void ExpectUnavailableMessage() const
    {
        ASSERT_EQ(messages.messages().size(), 1u);
        const Msg::Request& shown = messages.messages().front();
        EXPECT_EQ(shown.text, QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_EQ(shown.title, QStringLiteral("Brackmere"));
        EXPECT_EQ(shown.buttons, Msg::Buttons::Ok);
        EXPECT_EQ(shown.icon, Msg::Icon::None);
    }
};

TEST_F(StartSysInfoTest, StartsThePathValueUnchangedWithoutLookingForTheFile)
{
    const QByteArray stored = "C:\\Program Files\\Common Files\\Shared\\MSInfo\\msinfo32.exe";
    registry.setValue(MsInfoKey, Path, Sz(stored));
    registry.setValue(LocationKey, QStringLiteral("MSINFO"), Sz("C:\\Elsewhere", false));

    EXPECT_EQ(Start(), QStringList{QString::fromLatin1(stored)});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(registry.openedKeys(), QStringList{MsInfoKey}) << "the second key is not needed";
    EXPECT_FALSE(registry.anyKeyLeftOpen());
}

TEST_F(StartSysInfoTest, StartsTheToolInTheLocationFolderOnlyWhenItIsThere)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    registry.setValue(LocationKey, QStringLiteral("MSINFO"), Sz(QDir::toNativeSeparators(folder.path()).toLocal8Bit()));
    EXPECT_TRUE(Start().isEmpty());
    ExpectUnavailableMessage();

    messages.clear();
    QFile tool(folder.filePath(QStringLiteral("MSINFO32.EXE")));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    EXPECT_EQ(Start(), QStringList{QDir::toNativeSeparators(tool.fileName())});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_FALSE(registry.anyKeyLeftOpen());
}

TEST_F(StartSysInfoTest, NoRegistryKeysShowsTheMessage)
{
    EXPECT_TRUE(Start().isEmpty());
    ExpectUnavailableMessage();
#ifndef Q_OS_WIN
    // Outside Windows the system's registry has no keys at all.
    messages.clear();
    FakeLauncher launcher;
    SystemInfo::StartSysInfo(SystemInfo::SystemRegistry(), launcher, nullptr);
    EXPECT_TRUE(launcher.started.isEmpty());
    ExpectUnavailableMessage();
#endif
}

TEST_F(StartSysInfoTest, AFailedStartShowsTheMessage)
{
    registry.setValue(MsInfoKey, Path, Sz("C:\\gone\\msinfo32.exe", false));
    EXPECT_EQ(Start(false).size(), 1);
    ExpectUnavailableMessage();
}

}  // namespace
