#include "sys_info.h"

#include <algorithm>
#include <array>

namespace lumenary
{

bool GetKeyValue(RegistryReader& registry, RegistryRoot root, const std::string& keyName,
                 const std::string& valueName, std::string& result)
{
    const std::optional<RegistryReader::Key> key = registry.openKey(root, keyName);
    if (!key) {
        result.clear();
        return false;
    }
    std::array<std::uint8_t, kRegistryValueBytes> buffer{};
    const auto info = registry.queryValue(*key, valueName, buffer);
    if (!info) {
        result.clear();
        registry.closeKey(*key);
        return false;
    }
    std::size_t size = std::min(info->size, buffer.size());
    if (size > 0 && buffer[size - 1] == 0)
        --size; // a terminating zero byte is not part of the value
    if (info->type == kRegistryString) {
        result.assign(reinterpret_cast<const char*>(buffer.data()), size);
    } else if (info->type == kRegistryNumber) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        std::string text;
        for (std::size_t i = size; i-- > 0;) {
            const std::uint8_t byte = buffer[i];
            if (byte >= 16)
                text.push_back(kDigits[byte >> 4]);
            text.push_back(kDigits[byte & 15]);
        }
        result = "&h" + text;
    }
    registry.closeKey(*key);
    return true;
}

SysInfoOutcome StartSysInfo(RegistryReader& registry, const SysInfoActions& actions)
{
    auto start = [&](const std::string& program) {
        return !program.empty() && actions.startProgram && actions.startProgram(program);
    };
    std::string path;
    if (GetKeyValue(registry, RegistryRoot::LocalMachine,
                    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
        if (start(path))
            return SysInfoOutcome::StartedFromPath;
    } else if (GetKeyValue(registry, RegistryRoot::LocalMachine,
                           "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
        const std::string program = path + "\\MSINFO32.EXE";
        if (actions.fileExists && actions.fileExists(program) && start(program))
            return SysInfoOutcome::StartedFromFolder;
    }
    if (actions.showMessage)
        actions.showMessage(kSysInfoUnavailable);
    return SysInfoOutcome::Unavailable;
}

} // namespace lumenary
