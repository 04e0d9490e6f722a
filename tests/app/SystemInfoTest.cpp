#include <gtest/gtest.h>

#include <ostream>

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
constexpr std::uint32_t RegBinary = 3;

QByteArray Bytes(const char* text, qsizetype size)
{
    return QByteArray(text, size);
}

// A string as the registry may store it, with or without its terminating zero.
template <std::size_t N>
QByteArray WithZero(const char (&text)[N])
{
    return QByteArray(text, N);
}
template <std::size_t N>
QByteArray WithoutZero(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// ---- GetKeyValue: what comes back for each kind of stored value ----

struct ValueCase {
    const char* name;
    std::optional<FakeRegistry::Value> stored;  // none: the key exists but lacks the value
    bool expectedResult;
    QString expectedText;
};

void PrintTo(const ValueCase& row, std::ostream* out)
{
    *out << row.name;
}

class GetKeyValueReads : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueReads, TheStoredValue)
{
    const ValueCase& row = GetParam();
    FakeRegistry registry;
    registry.addKey(MsInfoKey);
    if (row.stored)
        registry.setValue(MsInfoKey, QStringLiteral("PATH"), *row.stored);

    QString text = QStringLiteral("left from before");
    const bool read = SystemInfo::GetKeyValue(registry, SystemInfo::HKeyLocalMachine, MsInfoKey,
                                              QStringLiteral("PATH"), text);

    EXPECT_EQ(read, row.expectedResult);
    EXPECT_EQ(text, row.expectedText);
    EXPECT_EQ(registry.closeCount(), 1);
    EXPECT_FALSE(registry.anyKeyLeftOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueReads,
    ::testing::Values(
        ValueCase{"StringWithTerminatingZeroCounted",
                  FakeRegistry::Value{SystemInfo::RegSz, WithZero("C:\\Tools\\msinfo32.exe")}, true,
                  QStringLiteral("C:\\Tools\\msinfo32.exe")},
        ValueCase{"StringWithoutTerminatingZero",
                  FakeRegistry::Value{SystemInfo::RegSz, WithoutZero("C:\\Tools\\msinfo32.exe")}, true,
                  QStringLiteral("C:\\Tools\\msinfo32.exe")},
        ValueCase{"EmptyStringOfOnlyItsZero", FakeRegistry::Value{SystemInfo::RegSz, WithZero("")}, true,
                  QString()},
        ValueCase{"NumberEndingInZeroByteKeepsAllFourBytes",
                  FakeRegistry::Value{SystemInfo::RegDword, Bytes("\x00\x01\x00\x00", 4)}, true,
                  QStringLiteral("256")},
        ValueCase{"BinaryValueLeavesTextUnchanged", FakeRegistry::Value{RegBinary, Bytes("\x01\x02", 2)}, true,
                  QStringLiteral("left from before")},
        ValueCase{"MissingValueEmptiesText", std::nullopt, false, QString()},
        ValueCase{"ValueLargerThanTheBufferIsNotRead",
                  FakeRegistry::Value{SystemInfo::RegSz, QByteArray(2000, 'x')}, false, QString()}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST(GetKeyValue, MissingKeyEmptiesTextAndClosesNothing)
{
    FakeRegistry registry;
    QString text = QStringLiteral("left from before");

    EXPECT_FALSE(SystemInfo::GetKeyValue(registry, SystemInfo::HKeyLocalMachine, MsInfoKey, QStringLiteral("PATH"),
                                         text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(registry.closeCount(), 0);
}

TEST(GetKeyValue, AsksForReadAccessOnly)
{
    FakeRegistry registry;
    registry.setValue(MsInfoKey, QStringLiteral("PATH"), {SystemInfo::RegSz, Bytes("x", 1)});
    QString text;

    SystemInfo::GetKeyValue(registry, SystemInfo::HKeyLocalMachine, MsInfoKey, QStringLiteral("PATH"), text);

    ASSERT_EQ(registry.requestedAccess().size(), 1u);
    const std::uint32_t access = registry.requestedAccess().front();
    EXPECT_EQ(access, 0x20019u) << "KEY_READ";
    constexpr std::uint32_t writeRights = 0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 | 0x00080000;
    EXPECT_EQ(access & writeRights, 0u) << "no right to change, create, delete or take over keys";
}

// ---- StartSysInfo: where the tool is found, and what the user sees otherwise ----

class StartSysInfoTest : public ::testing::Test {
protected:
    FakeRegistry registry;
    MessageRecorder messages;

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
    registry.setValue(MsInfoKey, QStringLiteral("PATH"), {SystemInfo::RegSz, stored + '\0'});
    registry.setValue(LocationKey, QStringLiteral("MSINFO"), {SystemInfo::RegSz, "C:\\Elsewhere"});
    FakeLauncher launcher;

    SystemInfo::StartSysInfo(registry, launcher, nullptr);

    EXPECT_EQ(launcher.started, QStringList{QString::fromLatin1(stored)});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(registry.openedKeys(), QStringList{MsInfoKey}) << "the second key is not needed";
    EXPECT_FALSE(registry.anyKeyLeftOpen());
}

TEST_F(StartSysInfoTest, StartsTheToolInTheLocationFolderWhenItIsThere)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile tool(folder.filePath(QStringLiteral("MSINFO32.EXE")));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    registry.setValue(LocationKey, QStringLiteral("MSINFO"),
                      {SystemInfo::RegSz, QDir::toNativeSeparators(folder.path()).toLocal8Bit() + '\0'});
    FakeLauncher launcher;

    SystemInfo::StartSysInfo(registry, launcher, nullptr);

    EXPECT_EQ(launcher.started, QStringList{QDir::toNativeSeparators(tool.fileName())});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(registry.closeCount(), 1);
}

TEST_F(StartSysInfoTest, LocationFolderWithoutTheToolShowsTheMessage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    registry.setValue(LocationKey, QStringLiteral("MSINFO"), {SystemInfo::RegSz, folder.path().toLocal8Bit()});
    FakeLauncher launcher;

    SystemInfo::StartSysInfo(registry, launcher, nullptr);

    EXPECT_TRUE(launcher.started.isEmpty());
    ExpectUnavailableMessage();
}

TEST_F(StartSysInfoTest, NoRegistryKeysShowsTheMessage)
{
    FakeLauncher launcher;

    SystemInfo::StartSysInfo(registry, launcher, nullptr);

    EXPECT_TRUE(launcher.started.isEmpty());
    ExpectUnavailableMessage();
}

TEST_F(StartSysInfoTest, AFailedStartShowsTheMessage)
{
    registry.setValue(MsInfoKey, QStringLiteral("PATH"), {SystemInfo::RegSz, "C:\\gone\\msinfo32.exe"});
    FakeLauncher launcher(false);

    SystemInfo::StartSysInfo(registry, launcher, nullptr);

    EXPECT_EQ(launcher.started.size(), 1);
    ExpectUnavailableMessage();
}

#ifndef Q_OS_WIN
TEST(SystemRegistry, HasNoKeysOutsideWindows)
{
    MessageRecorder messages;
    FakeLauncher launcher;

    SystemInfo::StartSysInfo(SystemInfo::SystemRegistry(), launcher, nullptr);

    EXPECT_TRUE(launcher.started.isEmpty());
    EXPECT_EQ(messages.messages().size(), 1u);
}
#endif

}  // namespace
