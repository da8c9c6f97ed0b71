#pragma once

#include <string>

namespace lumbrant {

// The index note: every run that writes a note writes it, so a news folder
// without one holds nothing of a run.
inline constexpr char kIndexNoteName[] = "index";

// The folder operations that a run uses at its start and its end.
class NotesTransfer {
public:
    virtual ~NotesTransfer() = default;
    // "local" empties the local news folder; any other text the device's.
    virtual void DeleteOldNotes(const std::string& where) = 0;
    // Replaces the device's notes with the local ones, or says "iPod Not
    // Connected!"; a run that wrote no index leaves the device's notes as
    // they are. False when a local note did not land on the device.
    virtual bool CopyNotesToDevice() = 0;
};

} // namespace lumbrant
