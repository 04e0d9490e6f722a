#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class QWidget;

// The About box looks up the system-information tool in the registry and starts
// it. Registry and program start are seams: the program uses the real ones,
// tests stand in for them.
namespace SystemInfo {

// Root keys, access rights and value types as the Windows registry numbers them.
inline constexpr std::uint32_t HKeyLocalMachine = 0x80000002;
inline constexpr std::uint32_t KeyRead = 0x20019;
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegDword = 4;
inline constexpr std::uint32_t ValueBufferSize = 1024;

inline constexpr const char* MsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* MsInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* UnavailableMessage = "System Information Is Unavailable At This Time";

class Registry {
public:
    using Key = std::uintptr_t;
    virtual ~Registry() = default;
    virtual bool open(std::uint32_t root, const QString& keyName, std::uint32_t access, Key& key) = 0;
    // Reads the value into data, at most data.size() bytes; size receives the number of bytes read.
    virtual bool query(Key key, const QString& valueName, std::uint32_t& type, QByteArray& data,
                       std::uint32_t& size) = 0;
    virtual void close(Key key) = 0;
};

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts the program by its full path with a normal window; does not wait for it.
    virtual bool start(const QString& program) = 0;
};

// The registry of this computer (none outside Windows) and the real program start.
Registry& SystemRegistry();
ProgramLauncher& SystemLauncher();

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal, read access only.
// True when a value was read; KeyVal is emptied when the key or the value is missing, and
// left as it was for a value that is neither a string nor a 32-bit number.
bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal);

// Starts the system-information tool named by the registry, or tells the user it is unavailable.
void StartSysInfo(Registry& registry, ProgramLauncher& launcher, QWidget* parent);

}  // namespace SystemInfo
