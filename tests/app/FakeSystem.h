#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <map>
#include <vector>

#include "app/SystemInfo.h"

// A registry held in memory that records how it is used: which keys were
// opened with which access, and whether every opened key was closed again.
class FakeRegistry : public SystemInfo::Registry {
public:
    struct Value {
        std::uint32_t type;
        QByteArray bytes;
    };

    void setValue(const QString& keyName, const QString& valueName, Value value)
    {
        keys_[keyName][valueName] = std::move(value);
    }
    void addKey(const QString& keyName) { keys_[keyName]; }

    bool open(std::uint32_t root, const QString& keyName, std::uint32_t access, Key& key) override
    {
        requestedAccess_.push_back(access);
        if (root != SystemInfo::HKeyLocalMachine || !keys_.contains(keyName))
            return false;
        key = nextKey_++;
        openKeys_[key] = keyName;
        openedKeys_.append(keyName);
        return true;
    }
    bool query(Key key, const QString& valueName, std::uint32_t& type, QByteArray& data,
               std::uint32_t& size) override
    {
        const auto& values = keys_.at(openKeys_.at(key));
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
        ++closeCount_;
        openKeys_.erase(key);
    }

    const std::vector<std::uint32_t>& requestedAccess() const { return requestedAccess_; }
    const QStringList& openedKeys() const { return openedKeys_; }
    int closeCount() const { return closeCount_; }
    bool anyKeyLeftOpen() const { return !openKeys_.empty(); }

private:
    std::map<QString, std::map<QString, Value>> keys_;
    std::map<Key, QString> openKeys_;
    std::vector<std::uint32_t> requestedAccess_;
    QStringList openedKeys_;
    Key nextKey_ = 100;
    int closeCount_ = 0;
};

// Records the programs it is asked to start instead of starting them.
class FakeLauncher : public SystemInfo::ProgramLauncher {
public:
    explicit FakeLauncher(bool startSucceeds = true) : startSucceeds_(startSucceeds) {}
    bool start(const QString& program) override
    {
        started.append(program);
        return startSucceeds_;
    }
    QStringList started;

private:
    bool startSucceeds_;
};
