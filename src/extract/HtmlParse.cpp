#include "extract/HtmlParse.h"

#include <algorithm>
#include <cstddef>

namespace lumbrant {

namespace {

// Nodes cost gumbo 200 to 400 bytes each (a cloned formatting element
// copies its attributes), so their count is held to what keeps the tree
// within about ten times the page: a real page makes one node for every 50
// to 500 of its bytes, a hostile one up to one for every 4, whose parse then
// ends early. 100,000 nesting elements stop it at the depth limit.
constexpr std::size_t kBaseNodes = 50'000;
constexpr std::size_t kPageBytesPerNode = 40;
constexpr unsigned kMaxTreeDepth = 400;
constexpr unsigned kMaxAttributes = 256;

} // namespace

ParsedHtml::ParsedHtml(std::string_view html) : Options_(kGumboDefaultOptions) {
    Options_.max_errors = 0;
    Options_.max_tree_depth = kMaxTreeDepth;
    Options_.max_attributes = kMaxAttributes;
    Options_.max_nodes = static_cast<unsigned>(
        std::min<std::size_t>(kBaseNodes + html.size() / kPageBytesPerNode, 4'000'000));
    Output_ = gumbo_parse_with_options(&Options_, html.data(), html.size());
}

ParsedHtml::~ParsedHtml() {
    gumbo_destroy_output(&Options_, Output_);
}

} // namespace lumbrant
