#include "notes/NoteChain.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using lumbrant::CutIntoPieces;
using lumbrant::KeepWhole;
using lumbrant::kMaxNotePart;
using lumbrant::kMinNotePart;

// The note back from its pieces: a piece cut at a space ends with it and the
// next piece starts with the same space, which stands once in the note.
std::string Rejoin(const std::vector<std::string>& pieces) {
    std::string note = pieces.front();
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const bool sharedSpace = pieces[i - 1].back() == ' ' && pieces[i].front() == ' ';
        note += sharedSpace ? pieces[i].substr(1) : pieces[i];
    }
    return note;
}

TEST(NoteChain, GeneratedNotesAreCutIntoBoundedPiecesThatGiveTheNoteBack) {
    std::mt19937 random(20240607);
    for (int round = 0; round < 400; ++round) {
        // From no blank at all to a blank in every other character.
        const unsigned spaceEvery = std::uniform_int_distribution<unsigned>(0, 400)(random);
        const std::size_t length = std::uniform_int_distribution<std::size_t>(1901, 9000)(random);
        std::string note(length, 'x');
        for (char& c : note) {
            if (spaceEvery > 0 && random() % spaceEvery == 0) {
                c = ' ';
            }
        }
        // A stretch with blanks of its own that must stay in one piece.
        const std::string kept = "<a #" + std::string(random() % 60, '#') + " #>";
        const std::size_t keepAt = random() % (length - kept.size());
        note.replace(keepAt, kept.size(), kept);

        const auto pieces = CutIntoPieces(note, KeepWhole{keepAt, kept.size()});
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_GE(pieces.size(), 2u);
        EXPECT_EQ(Rejoin(pieces), note);
        int holdingKept = 0;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_LE(pieces[i].size(), kMaxNotePart);
            EXPECT_FALSE(pieces[i].empty());
            if (i + 1 < pieces.size() && pieces[i].back() == ' ' && pieces[i + 1].front() == ' ') {
                EXPECT_GE(pieces[i].size(), kMinNotePart);
            }
            holdingKept += pieces[i].find(kept) != std::string::npos ? 1 : 0;
        }
        EXPECT_GE(holdingKept, 1);
    }
}

TEST(NoteChain, ANoteThatFitsIsOnePiece) {
    const std::string note(kMaxNotePart, 'x');
    EXPECT_EQ(CutIntoPieces(note, {}), std::vector<std::string>{note});
}

TEST(NoteChain, AKeptStretchLongerThanAPieceIsCutAfterAllRatherThanStall) {
    const std::string note(5000, '#');
    const auto pieces = CutIntoPieces(note, KeepWhole{10, 4000});
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].size(), kMaxNotePart);
    EXPECT_EQ(pieces[1].size(), kMaxNotePart);
    EXPECT_EQ(Rejoin(pieces), note);
}

} // namespace
