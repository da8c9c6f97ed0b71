#pragma once

// Cutting a note that is too long for one file into the pieces of a chain.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

inline constexpr std::size_t kMaxNotePart = 1900;
inline constexpr std::size_t kMinNotePart = 1700;
// The most notes one story may fill.
inline constexpr std::size_t kMaxNoteParts = 100;

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
// kMaxNotePart characters. A note that fits is its own single piece. At most
// `most` pieces are made: of a note that needs more, the last one made is
// not the note's end.
// With wholeCharacters (UTF-8 text), a cut after kMaxNotePart characters
// moves back to the start of the character it would split.
std::vector<std::string> CutIntoPieces(std::string_view note, KeepWhole keep,
                                       std::size_t most = SIZE_MAX, bool wholeCharacters = false);

// The pieces of body followed by footer, at most kMaxNoteParts of them. When
// the whole needs more, the body is shortened to the first pieces it would
// be cut into, and the footer's own pieces follow them, so that the chain
// still ends with the whole footer. Empty when the footer alone fills
// kMaxNoteParts pieces. keep lies in the footer.
std::vector<std::string> CutIntoChain(std::string_view body, std::string_view footer,
                                      KeepWhole keep, bool wholeCharacters = false);

} // namespace lumbrant
