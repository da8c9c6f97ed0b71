#pragma once

// Whole-folder operations on notes: emptying a news folder and replacing the
// device's notes with the local ones. Single file failures are passed over
// without a word; only a missing device is reported.

#include "app/MainState.h"
#include "app/MainView.h"
#include "device/NotesTransfer.h"

#include <string>

namespace lumbrant {

// The device's notes folder under root: root, "Notes", "news". Empty for an
// empty root, which names no device.
std::string DeviceNewsFolder(const std::string& root);

class DeviceTransfer : public NotesTransfer {
public:
    DeviceTransfer(MainState& state, MainView& view);

    // Deletes every file (not the subfolders) of the local news folder when
    // where is exactly "local", otherwise of the device news folder of
    // state.iPod.DeviceRoot.
    void DeleteOldNotes(const std::string& where) override;

    // Empties the device news folder and copies every local note into it,
    // replacing files of the same name; the folder is never created.
    void CopyNotesToDevice() override;

private:
    MainState& state_;
    MainView& view_;
};

} // namespace lumbrant
