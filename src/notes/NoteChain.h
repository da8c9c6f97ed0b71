#pragma once

// Cutting a note that is too long for one file into the pieces of a chain.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

inline constexpr std::size_t kMaxNotePart = 1900;
inline constexpr std::size_t kMinNotePart = 1700;

// A stretch of the note, by 0-based start and length, that no cut may split.
struct KeepWhole {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The pieces of a note longer than kMaxNotePart. Each piece but the last is
// cut at the last space between its characters kMinNotePart and kMaxNotePart
// and ends with that space, and the next piece starts with the same space.
// A stretch without such a space is cut after kMaxNotePart characters, with
// nothing repeated. Neither cut falls inside keep: a space inside it is passed
// over, and a cut after kMaxNotePart characters that would split it moves to
// its start (unless keep is too long for any piece). Every piece holds at most
// kMaxNotePart characters. A note that fits is its own single piece.
std::vector<std::string> CutIntoPieces(std::string_view note, KeepWhole keep);

} // namespace lumbrant
