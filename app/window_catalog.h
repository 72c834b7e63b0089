#pragma once

namespace lumenary
{

class WindowRegistry;

// Makes every window of the program known to the registry under its name.
void registerWindows(WindowRegistry& registry);

} // namespace lumenary
