#include "notes/NoteIndex.h"

#include "notes/NoteText.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

namespace lumbrant {

void AddToIndex(const std::string& newsFolder, const std::string& target, const std::string& title,
                const std::string& titleLine) {
    const std::string path = newsFolder + "index";
    // An index that exists but cannot be read must not be started afresh:
    // that would drop the links to every story written before.
    const auto content = text::ReadFileIfPresent(path);
    std::string lines = text::NormalizeLines(content ? DropNul(*content) : titleLine);
    lines += text::NormalizeLines(IndexLinkLine(target, title));
    text::WriteFileAtomic(path, lines);
}

} // namespace lumbrant
