#pragma once

// Turns the text of one story into note files for the device's note reader:
// one note, or a chain of notes joined by "Continue..." links, in the local
// news folder, and a link to the story in the folder's index note.

#include <string>

namespace lumbrant {

// What a story's text is, which says how it is cleaned up.
enum class StoryText {
    // The 8-bit text found in a classic edition's page: the common entities
    // and runs of blanks are reduced, every empty line goes, and a story
    // under kMinNoteText characters is dropped.
    ClassicPage,
    // A feed edition's UTF-8 text: it stays as it came, paragraphs apart by
    // an empty line, every story is written, and no cut falls inside a character.
    Utf8Article,
};

class NoteWriter {
public:
    // Writes into the news folder of workDir (known once the settings are
    // read, so held by reference) and numbers the notes with noteCounter.
    NoteWriter(const std::string& workDir, int& noteCounter);

    // Writes the story's notes and adds its index line; a story whose text
    // is too short is dropped without a word and uses no number. A story
    // too long for kMaxNoteParts notes loses the end of its text, not its
    // footer (and is dropped when its link alone would fill them). Catches
    // nothing: a folder or file that cannot be written raises
    // std::runtime_error to the caller.
    void WriteNewsNote(const std::string& text, const std::string& storyTitle,
                       const std::string& articleUrl, StoryText kind = StoryText::ClassicPage);

    // Advances NoteCounter and answers "News item " followed by its new value.
    std::string NextNoteName();

private:
    const std::string& workDir_;
    int& noteCounter_;
};

} // namespace lumbrant
