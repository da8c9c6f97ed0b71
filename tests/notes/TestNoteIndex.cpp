#include "notes/NoteIndex.h"
#include "support/IndexWalk.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lumbrant {
namespace {

namespace fs = std::filesystem;
using testing::IndexWalk;
using testing::WalkIndex;

class NoteIndexTest : public ::testing::Test {
protected:
    // Adds a story whose link line is lineBytes long (CR LF included).
    std::string Add(std::size_t lineBytes) {
        const std::string target = "News item " + std::to_string(++stories_);
        const std::size_t frame = std::string("<a href=\"\"></a>\r\n").size() + target.size();
        AddToIndex(folder_.Path().string() + "/", target, std::string(lineBytes - frame, 't'),
                   kIndexOfSingleNote);
        targets_.push_back(target);
        return target;
    }
    std::size_t FileCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_.Path()), {}));
    }

    testing::TempFolder folder_;
    int stories_ = 0;
    std::vector<std::string> targets_;
};

// The title line is 28 bytes; four lines of 993 fill the first page exactly.
TEST_F(NoteIndexTest, AnIndexOfExactly4000BytesStaysOnePage) {
    for (int i = 0; i < 4; ++i) {
        Add(993);
    }
    const IndexWalk walk = WalkIndex(folder_.Path());
    ASSERT_EQ(walk.Pages.size(), 1u);
    EXPECT_EQ(walk.Pages[0].size(), kMaxIndexPage);
    EXPECT_TRUE(
        walk.Pages[0].starts_with("<title>Here Starts</title>\r\n<a href=\"News item 1\">"));
    EXPECT_EQ(walk.Stories, targets_);
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(NoteIndexTest, OneByteMoreMovesTheLastLineToTheNextPage) {
    for (int i = 0; i < 3; ++i) {
        Add(993);
    }
    const std::string last = Add(994);
    const IndexWalk walk = WalkIndex(folder_.Path());
    ASSERT_EQ(walk.Pages.size(), 2u);
    EXPECT_TRUE(walk.Pages[0].ends_with("</a>\r\n<a href=\"index-1\">Continue...</a>\r\n"));
    EXPECT_EQ(walk.Pages[0].size(), 28 + 3 * 993 + 35u);
    EXPECT_EQ(walk.Pages[1], "<a href=\"" + last + "\">" + std::string(994 - 28, 't') + "</a>\r\n");
    EXPECT_EQ(walk.Stories, targets_);
}

TEST_F(NoteIndexTest, ManyStoriesFillPagesOfAtMost4000BytesAllReachableInOrder) {
    const std::vector<std::size_t> sizes = {40, 95, 120, 700, 3999, 60, 1500, 88, 2400, 100000};
    for (int i = 0; i < 200; ++i) {
        Add(sizes[static_cast<std::size_t>(i) % sizes.size()] + static_cast<std::size_t>(i % 7));
    }
    const IndexWalk walk = WalkIndex(folder_.Path());
    EXPECT_GT(walk.Pages.size(), 30u);
    EXPECT_EQ(FileCount(), walk.Pages.size()) << "no page the walk does not reach";
    for (const std::string& page : walk.Pages) {
        EXPECT_LE(page.size(), kMaxIndexPage);
    }
    EXPECT_EQ(walk.Stories, targets_);
}

} // namespace
} // namespace lumbrant
