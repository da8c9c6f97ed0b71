#include "notes/NoteWriter.h"

#include "core/Paths.h"
#include "notes/NoteChain.h"
#include "notes/NoteIndex.h"
#include "notes/NoteText.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace lumbrant {

namespace {

void EnsureFolder(const std::string& folder) {
    if (text::DirectoryExists(folder)) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    if (error) {
        throw std::runtime_error("Cannot create folder \"" + folder + "\". " + error.message());
    }
}

// Every line of a stored note ends with CR LF, the last one included. The
// next run deletes the note, and the player receives a flushed copy.
void StoreNote(const std::string& path, const std::string& content) {
    text::WriteFileAtomic(path, text::NormalizeLines(content), text::Durability::Unflushed);
}

// The title line, cleaned up as in a classic note, then an article's text as
// it came (it is clean already), without a line break after its last line:
// the footer brings the empty line before the "Back" link.
std::string ArticleBody(const std::string& title, const std::string& text) {
    std::string body = CleanNoteText(title, "");
    std::string lines = text::NormalizeLines(text);
    while (!lines.empty() && (lines.back() == '\n' || lines.back() == '\r')) {
        lines.pop_back();
    }
    if (lines.empty()) {
        body.resize(body.size() - 2);
    }
    return body + lines;
}

} // namespace

NoteWriter::NoteWriter(const std::string& workDir, int& noteCounter)
    : workDir_(workDir), noteCounter_(noteCounter) {}

void NoteWriter::WriteNewsNote(const std::string& text, const std::string& storyTitle,
                               const std::string& articleUrl, StoryText kind) {
    const std::string title = TitleLine(storyTitle);
    const bool classic = kind == StoryText::ClassicPage;
    const std::string body =
        classic ? CleanNoteText(title, DropNul(text)) : ArticleBody(title, DropNul(text));
    if (classic && body.size() < kMinNoteText) {
        return;
    }
    const std::string footer = NoteFooter(LinkText(articleUrl));
    // A chain cut inside the "Back" link line would leave the reader two halves of plain text.
    const KeepWhole backLink{kEmptyLineBreak.size(), BackLinkLine().size()};
    const bool single = body.size() + footer.size() <= kMaxNotePart;
    const std::vector<std::string> pieces = single ? std::vector<std::string>{body + footer}
                                                   : CutIntoChain(body, footer, backLink, !classic);
    if (pieces.empty()) {
        return;
    }

    const std::string folder = LocalNewsFolder(workDir_);
    EnsureFolder(folder);
    const std::string name = NextNoteName();

    if (single) {
        StoreNote(folder + name, pieces.front());
        AddToIndex(folder, name, title, kIndexOfSingleNote);
        return;
    }
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        std::string part = pieces[k];
        if (k + 1 < pieces.size()) {
            part += kEmptyLineBreak;
            part += ContinueLinkLine(name, k + 1);
        }
        StoreNote(folder + name + "-" + std::to_string(k), part);
    }
    AddToIndex(folder, name + "-0", title, kIndexOfChain);
}

std::string NoteWriter::NextNoteName() {
    ++noteCounter_;
    return "News item " + std::to_string(noteCounter_);
}

} // namespace lumbrant
