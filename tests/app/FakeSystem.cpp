#include "tests/app/FakeSystem.h"

#include <algorithm>

void FakeRegistry::setValue(const QString& keyName, const QString& valueName, Value value)
{
    keys_[keyName][valueName] = std::move(value);
}

bool FakeRegistry::open(std::uint32_t root, const QString& keyName, std::uint32_t access, Key& key)
{
    requestedAccess_.push_back(access);
    if (root != SystemInfo::HKeyLocalMachine || !keys_.contains(keyName))
        return false;
    key = nextKey_++;
    openKeys_[key] = keyName;
    openedKeys_.append(keyName);
    return true;
}

bool FakeRegistry::query(Key key, const QString& valueName, std::uint32_t& type, QByteArray& data,
                         std::uint32_t& size)
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

void FakeRegistry::close(Key key)
{
    ++closeCount_;
    openKeys_.erase(key);
}
