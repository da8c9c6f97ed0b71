#pragma once

// Whole-folder operations on notes: emptying a news folder and replacing the
// device's notes with the local ones. On the device nothing outside its
// notes folder is ever touched (see PlayerNotesFolder). Every note that does
// not land is logged; a missing device is said in a box.

#include "app/MainState.h"
#include "core/MainView.h"
#include "core/NotesTransfer.h"

#include <string>

namespace lumbrant {

class DeviceTransfer : public NotesTransfer {
public:
    DeviceTransfer(MainState& state, MainView& view);

    // Deletes every file (not the subfolders) of the local news folder when
    // where is exactly "local", otherwise of the notes folder of the device
    // at state.iPod.DeviceRoot, where links and read-only files stay.
    void DeleteOldNotes(const std::string& where) override;

    // Empties the device's notes folder and copies every local note into it,
    // each whole or not at all; the folder is never created. True when every
    // local note landed (so also without notes, and without any device).
    bool CopyNotesToDevice() override;

private:
    void Log(const std::string& message);

    MainState& state_;
    MainView& view_;
};

} // namespace lumbrant
