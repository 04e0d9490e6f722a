#include "app/SystemInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>
#include <algorithm>

#include "app/BuildInfo.h"
#include "ui/MessageBox.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace SystemInfo {
namespace {

#ifdef Q_OS_WIN
class WindowsRegistry final : public Registry {
public:
    bool open(std::uint32_t root, const QString& keyName, std::uint32_t access, Key& key) override
    {
        // Predefined root handles are 32-bit values sign-extended to the pointer width.
        const auto rootKey = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
        HKEY opened = nullptr;
        if (RegOpenKeyExA(rootKey, keyName.toLocal8Bit().constData(), 0, access, &opened) != ERROR_SUCCESS)
            return false;
        key = reinterpret_cast<Key>(opened);
        return true;
    }

    bool query(Key key, const QString& valueName, std::uint32_t& type, QByteArray& data,
               std::uint32_t& size) override
    {
        DWORD valueType = 0;
        DWORD received = static_cast<DWORD>(data.size());
        const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.toLocal8Bit().constData(),
                                             nullptr, &valueType, reinterpret_cast<BYTE*>(data.data()), &received);
        if (result != ERROR_SUCCESS)
            return false;
        type = valueType;
        size = received;
        return true;
    }

    void close(Key key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};
using PlatformRegistry = WindowsRegistry;
#else
// No registry on this platform: every key is missing, so the tool is never found.
class NoRegistry final : public Registry {
public:
    bool open(std::uint32_t, const QString&, std::uint32_t, Key&) override { return false; }
    bool query(Key, const QString&, std::uint32_t&, QByteArray&, std::uint32_t&) override { return false; }
    void close(Key) override {}
};
using PlatformRegistry = NoRegistry;
#endif

class DetachedLauncher final : public ProgramLauncher {
public:
    bool start(const QString& program) override { return QProcess::startDetached(program, {}); }
};

class KeyCloser {
public:
    KeyCloser(Registry& registry, Registry::Key key) : registry_(registry), key_(key) {}
    ~KeyCloser() { registry_.close(key_); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    Registry& registry_;
    Registry::Key key_;
};

// The folder value names where the tool is installed; the tool counts only if it is there.
QString InstalledToolIn(const QString& folder)
{
    const QString candidate = QDir::cleanPath(QDir::fromNativeSeparators(folder) + QStringLiteral("/MSINFO32.EXE"));
    return QFileInfo(candidate).isFile() ? QDir::toNativeSeparators(candidate) : QString();
}

QString FindSysInfoProgram(Registry& registry)
{
    QString program;
    if (GetKeyValue(registry, HKeyLocalMachine, QString::fromLatin1(MsInfoKey), QStringLiteral("PATH"), program))
        return program;
    QString folder;
    if (GetKeyValue(registry, HKeyLocalMachine, QString::fromLatin1(MsInfoLocationKey), QStringLiteral("MSINFO"),
                    folder))
        return InstalledToolIn(folder);
    return {};
}

}  // namespace

Registry& SystemRegistry()
{
    static PlatformRegistry registry;
    return registry;
}

ProgramLauncher& SystemLauncher()
{
    static DetachedLauncher launcher;
    return launcher;
}

bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal)
{
    // Reading needs no more than read access, which ordinary users are granted.
    Registry::Key key = 0;
    if (!registry.open(KeyRoot, KeyName, KeyRead, key)) {
        KeyVal.clear();
        return false;
    }
    const KeyCloser closer(registry, key);

    QByteArray buffer(ValueBufferSize, '\0');
    std::uint32_t type = 0;
    std::uint32_t size = ValueBufferSize;
    if (!registry.query(key, SubKeyRef, type, buffer, size)) {
        KeyVal.clear();
        return false;
    }
    const QByteArray received = buffer.left(static_cast<qsizetype>(std::min(size, ValueBufferSize)));

    if (type == RegSz) {
        // A string may be stored with its terminating zero counted in its size.
        KeyVal = QString::fromLocal8Bit(received.endsWith('\0') ? received.chopped(1) : received);
    } else if (type == RegDword && received.size() >= 4) {
        KeyVal = QString::number(qFromLittleEndian<quint32>(received.constData()));
    }
    return true;
}

void StartSysInfo(Registry& registry, ProgramLauncher& launcher, QWidget* parent)
{
    const QString program = FindSysInfoProgram(registry);
    if (!program.isEmpty() && launcher.start(program))
        return;
    Msg::Box(parent, QString::fromLatin1(UnavailableMessage), Msg::Buttons::Ok, Msg::Icon::None,
             QString::fromLatin1(BuildInfo::Title));
}

}  // namespace SystemInfo
