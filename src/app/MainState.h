#pragma once

// The main window's field table: every piece of state that the program's
// operations share. One plain object, owned by the window, touched only on
// the UI thread (fetch jobs hand their results over through the UI thread).
// Each area's own fields come from its part; an area is given that part, or
// single fields, never the whole table.

#include "core/JobPorts.h"
#include "device/DeviceState.h"
#include "frontpage/StoryList.h"
#include "retrieval/RunState.h"
#include "settings/SettingsValues.h"

#include <string>

namespace lumbrant {

struct MainState : RunState, DeviceState, SettingsValues {
    MainState() = default;
    // The areas hold references into the table.
    MainState(const MainState&) = delete;
    MainState& operator=(const MainState&) = delete;

    std::string WorkDir;
    SectionStoryLists StoryLists;
    std::string FrontPageText;
    int NoteCounter = 0;
    int LogCounter = 0;
};

} // namespace lumbrant
