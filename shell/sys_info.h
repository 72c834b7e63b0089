#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace lumenary
{

// The registry's top-level keys that a lookup may start from.
enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Registry value types the about box tells apart (the Win32 numbers).
constexpr std::uint32_t kRegistryString = 1;
constexpr std::uint32_t kRegistryNumber = 4;

// The size of the buffer a registry value is read into.
constexpr std::size_t kRegistryValueBytes = 1024;

// The message shown when the system-information tool cannot be found or started.
constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Read-only access to the system registry, in the shape of the three calls that read it.
class RegistryReader
{
public:
    using Key = std::uintptr_t;
    // What a value query found: the value's type and its size in bytes.
    struct ValueInfo {
        std::uint32_t type = 0;
        std::size_t size = 0;
    };

    virtual ~RegistryReader() = default;
    // Opens path under root for reading; nothing when it is absent or may not be read.
    virtual std::optional<Key> openKey(RegistryRoot root, const std::string& path) = 0;
    // Reads the value name of an open key into buffer; nothing when it is absent or too large.
    virtual std::optional<ValueInfo> queryValue(Key key, const std::string& name,
                                                std::span<std::uint8_t> buffer) = 0;
    // Closes a key that openKey returned.
    virtual void closeKey(Key key) = 0;
};

// The registry of this system: the Win32 registry on Windows, an empty one elsewhere.
std::unique_ptr<RegistryReader> systemRegistry();

// Reads one registry value as text into result and tells whether it could be read. A string
// value is its bytes without a trailing zero byte; a 32-bit number is "&h" and its kept bytes,
// last to first, each in hexadecimal without leading zeros (so 1 reads "&h001", its last zero
// byte dropped as a terminator); other types leave result as it was. On failure result is
// empty. A key is closed only if it was opened.
bool GetKeyValue(RegistryReader& registry, RegistryRoot root, const std::string& keyName,
                 const std::string& valueName, std::string& result);

// What starting the system-information tool needs from the system.
struct SysInfoActions {
    std::function<bool(const std::string& path)> fileExists;
    std::function<bool(const std::string& program)> startProgram; // true once it started
    std::function<void(const std::string& message)> showMessage;
};

// How a StartSysInfo call ended.
enum class SysInfoOutcome { StartedFromPath, StartedFromFolder, Unavailable };

// Starts the system-information tool: from the path the registry names for it, else from
// MSINFO32.EXE in the folder the registry names for shared tools; when neither can be found or
// started, shows kSysInfoUnavailable.
SysInfoOutcome StartSysInfo(RegistryReader& registry, const SysInfoActions& actions);

} // namespace lumenary
