// The registry of the running system, behind RegistryReader.
#include "sys_info.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace lumenary
{

namespace
{

#ifdef _WIN32

// The Win32 registry, opened for reading only.
class Win32Registry final : public RegistryReader
{
public:
    std::optional<Key> openKey(RegistryRoot root, const std::string& path) override
    {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
            return std::nullopt;
        return reinterpret_cast<Key>(handle);
    }

    std::optional<ValueInfo> queryValue(Key key, const std::string& name,
                                        std::span<std::uint8_t> buffer) override
    {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(buffer.size());
        if (RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, &type,
                             buffer.data(), &size) != ERROR_SUCCESS)
            return std::nullopt;
        return ValueInfo{static_cast<std::uint32_t>(type), static_cast<std::size_t>(size)};
    }

    void closeKey(Key key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }

private:
    static HKEY rootKey(RegistryRoot root)
    {
        switch (root) {
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::Users:
            return HKEY_USERS;
        case RegistryRoot::LocalMachine:
            break;
        }
        return HKEY_LOCAL_MACHINE;
    }
};

#else

// A system without a registry: no key can be opened.
class EmptyRegistry final : public RegistryReader
{
public:
    std::optional<Key> openKey(RegistryRoot, const std::string&) override { return std::nullopt; }
    std::optional<ValueInfo> queryValue(Key, const std::string&, std::span<std::uint8_t>) override
    {
        return std::nullopt;
    }
    void closeKey(Key) override {}
};

#endif

} // namespace

std::unique_ptr<RegistryReader> systemRegistry()
{
#ifdef _WIN32
    return std::make_unique<Win32Registry>();
#else
    return std::make_unique<EmptyRegistry>();
#endif
}

} // namespace lumenary
