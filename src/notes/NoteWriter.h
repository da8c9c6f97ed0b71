#pragma once

// Turns the text of one story into note files for the device's note reader:
// one note, or a chain of notes joined by "Continue..." links, in the local
// news folder, and a link to the story in the folder's index note.

#include "app/MainState.h"

#include <string>

namespace lumbrant {

class NoteWriter {
public:
    // Uses state.WorkDir and state.NoteCounter.
    explicit NoteWriter(MainState& state);

    // Writes the story's notes and adds its index line; a story whose text
    // is too short is dropped without a word and uses no number. A story
    // too long for kMaxNoteParts notes loses the end of its text, not its
    // footer (and is dropped when its link alone would fill them). Catches
    // nothing: a folder or file that cannot be written raises
    // std::runtime_error to the caller.
    void WriteNewsNote(const std::string& text, const std::string& storyTitle,
                       const std::string& articleUrl);

    // Advances NoteCounter and answers "News item " followed by its new value.
    std::string NextNoteName();

private:
    MainState& state_;
};

} // namespace lumbrant
