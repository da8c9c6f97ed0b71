#pragma once

#include <string>

namespace lumbrant {

// The fields of the window that live on between starts.
struct SettingsValues {
    int CountryIndex = 0;
    // The automatic mode: the reminder timer and the start-up entry.
    bool AG = false;
    bool HS = false;
    int VE = 0;
    // The news service's address (scheme, host, port); empty means the built-in one.
    std::string NS;
};

} // namespace lumbrant
