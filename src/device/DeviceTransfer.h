#pragma once

// Whole-folder operations on notes: emptying a news folder and replacing the
// device's notes with the local ones. On the device nothing outside its
// notes folder is ever touched (see PlayerNotesFolder). Every note that does
// not land is logged; a missing device is said in a box.

#include "core/LogClass.h"
#include "core/MainView.h"
#include "core/NotesTransfer.h"
#include "device/DeviceState.h"

#include <string>

namespace lumbrant {

class DeviceTransfer : public NotesTransfer {
public:
    // The local news folder is that of workDir (held by reference: it is
    // known once the settings are read).
    DeviceTransfer(const DeviceState& state, const std::string& workDir, MainView& view,
                   const ErrorLog& log);

    // Deletes every file (not the subfolders) of the local news folder when
    // where is exactly "local", otherwise of the notes folder of the device
    // at iPod.DeviceRoot, where links and read-only files stay.
    void DeleteOldNotes(const std::string& where) override;

    // Empties the device's notes folder and copies every local note into it,
    // each whole or not at all; the folder is never created. True when every
    // local note landed (so also without notes, and without any device).
    bool CopyNotesToDevice() override;

private:
    void Log(const std::string& message);

    const DeviceState& state_;
    const std::string& workDir_;
    MainView& view_;
    const ErrorLog& log_;
};

} // namespace lumbrant
