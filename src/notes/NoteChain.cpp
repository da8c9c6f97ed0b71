#include "notes/NoteChain.h"

#include <iterator>

namespace lumbrant {

namespace {

struct Cut {
    std::size_t pieceEnd;  // the piece is [rest start, pieceEnd)
    std::size_t nextStart; // the next rest starts here
};

// A cut at a space leaves the space in both pieces, so it splits keep only
// when the space lies strictly between keep's first and last character.
bool SplitsAtSpace(std::size_t space, const KeepWhole& keep) {
    return space > keep.start && space + 1 < keep.start + keep.length;
}

// A cut before the character at end splits keep when keep has characters on both sides.
bool SplitsBefore(std::size_t end, const KeepWhole& keep) {
    return end > keep.start && end < keep.start + keep.length;
}

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The cut for the rest of the note that starts at start (0-based offsets into note).
Cut NextCut(std::string_view note, std::size_t start, const KeepWhole& keep, bool wholeCharacters) {
    for (std::size_t length = kMaxNotePart; length >= kMinNotePart; --length) {
        const std::size_t space = start + length - 1;
        if (note[space] == ' ' && !SplitsAtSpace(space, keep)) {
            return {space + 1, space};
        }
    }
    std::size_t end = start + kMaxNotePart;
    // A stretch too long for any piece cannot be kept whole; the cut moves
    // only forward, so that the chain always progresses.
    if (SplitsBefore(end, keep) && keep.length <= kMaxNotePart && keep.start > start) {
        end = keep.start;
    }
    // A character is at most four bytes, so this never goes back to start.
    while (wholeCharacters && IsUtf8Continuation(note[end]) && end > start + 1) {
        --end;
    }
    return {end, end};
}

} // namespace

std::vector<std::string> CutIntoPieces(std::string_view note, KeepWhole keep, std::size_t most,
                                       bool wholeCharacters) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (note.size() - start > kMaxNotePart) {
        const Cut cut = NextCut(note, start, keep, wholeCharacters);
        pieces.emplace_back(note.substr(start, cut.pieceEnd - start));
        if (pieces.size() == most) {
            return pieces;
        }
        start = cut.nextStart;
    }
    pieces.emplace_back(note.substr(start));
    return pieces;
}

std::vector<std::string> CutIntoChain(std::string_view body, std::string_view footer,
                                      KeepWhole keep, bool wholeCharacters) {
    // A note longer than kMaxNoteParts full pieces cannot fit; body and footer
    // are then not even joined.
    if (body.size() + footer.size() <= kMaxNoteParts * kMaxNotePart) {
        const std::string note = std::string(body) + std::string(footer);
        std::vector<std::string> pieces = CutIntoPieces(
            note, {body.size() + keep.start, keep.length}, kMaxNoteParts + 1, wholeCharacters);
        if (pieces.size() <= kMaxNoteParts) {
            return pieces;
        }
    }
    std::vector<std::string> footerPieces =
        CutIntoPieces(footer, keep, kMaxNoteParts, wholeCharacters);
    if (footerPieces.size() >= kMaxNoteParts) {
        return {};
    }
    std::vector<std::string> pieces =
        CutIntoPieces(body, {}, kMaxNoteParts - footerPieces.size(), wholeCharacters);
    pieces.insert(pieces.end(), std::make_move_iterator(footerPieces.begin()),
                  std::make_move_iterator(footerPieces.end()));
    return pieces;
}

} // namespace lumbrant
