#pragma once

#include "sys_info.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace lumenary::test
{

// A registry held in memory that remembers which keys were opened and closed.
class FakeRegistry final : public RegistryReader
{
public:
    struct Value {
        std::uint32_t type = kRegistryString;
        std::string bytes;
    };

    void set(const std::string& key, const std::string& name, Value value)
    {
        m_keys[key][name] = std::move(value);
    }

    std::optional<Key> openKey(RegistryRoot root, const std::string& path) override
    {
        if (root != RegistryRoot::LocalMachine || !m_keys.count(path))
            return std::nullopt;
        const Key key = m_nextKey++;
        m_open[key] = path;
        ++opened;
        return key;
    }

    std::optional<ValueInfo> queryValue(Key key, const std::string& name,
                                        std::span<std::uint8_t> buffer) override
    {
        const auto open = m_open.find(key);
        if (open == m_open.end())
            return std::nullopt;
        const auto& values = m_keys[open->second];
        const auto value = values.find(name);
        if (value == values.end() || value->second.bytes.size() > buffer.size())
            return std::nullopt; // absent, or larger than the buffer
        std::memcpy(buffer.data(), value->second.bytes.data(), value->second.bytes.size());
        return ValueInfo{value->second.type, value->second.bytes.size()};
    }

    void closeKey(Key key) override
    {
        if (m_open.erase(key) == 1)
            ++closed;
        else
            ++strayCloses;
    }

    // Keys still open.
    std::size_t openNow() const { return m_open.size(); }

    int opened = 0;
    int closed = 0;
    int strayCloses = 0; // closes of handles this registry never gave out (or already closed)

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::map<Key, std::string> m_open;
    Key m_nextKey = 0x100;
};

} // namespace lumenary::test
