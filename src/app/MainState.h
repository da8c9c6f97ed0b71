#pragma once

// The main window's field table: every piece of state that the program's
// operations share. One plain object, owned by the window, touched only on
// the UI thread (fetch jobs hand their results over through the UI thread).

#include "device/TiPod.h"

#include <array>
#include <string>
#include <vector>

namespace lumbrant {

inline constexpr int kSlotCount = 4;
inline constexpr int kSectionCount = 8;

// One list per section; four consecutive entries form a story record
// (read state, article link, title, snippet).
using StoryList = std::vector<std::string>;

struct MainState {
    std::string WorkDir;
    bool DeviceFound = false;
    int FinishedSlots = 0;
    int StartedSlots = 0;
    bool StopRequested = false;
    int CountryIndex = 0;
    bool Running = false;
    bool AG = false;
    std::array<StoryList, kSectionCount> StoryLists;
    std::string FrontPageText;
    // Index 0 is slot 1.
    std::array<std::string, kSlotCount> SlotPageText;
    std::array<std::string, kSlotCount> SlotCategoryCode;
    std::array<std::string, kSlotCount> SlotStoryId;
    int NoteCounter = 0;
    int LogCounter = 0;

    // Settings beside the table above.
    bool HS = false;
    int VE = 0;
    // The news service's address (scheme, host, port); empty means the built-in one.
    std::string NS;

    // The device component: the chosen device's root and the roots kept
    // beside the selector's entries.
    TiPod iPod;
};

} // namespace lumbrant
