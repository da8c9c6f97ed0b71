#pragma once

// Measures the blocks that the block conversion gives from many starting
// points of one page without converting each: the length of each block and
// how often a key occurs in it (left to right, without overlap). Conversions
// that meet at a position behind a removed tag, in the same state of the key
// search, share what follows, and that tail is measured once.

#include "article/BlockWalker.h"
#include "article/KeyMatcher.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace lumbrant {

struct BlockMeasure {
    // The conversion found no "<" and so gives an empty text.
    bool Empty = false;
    std::int64_t Length = 0;
    std::int64_t KeyCount = 0;
};

class CandidateRanker {
public:
    // key may be null when only lengths matter. The walker must take its
    // steps in any order.
    CandidateRanker(BlockWalker& walker, const KeyMatcher* key);

    BlockMeasure MeasureFrom(std::size_t start);

    // True when start lies where an earlier measured block kept the page's
    // text, or where it went on behind a removed tag, so that a block from
    // start is a proper end part of that earlier block.
    bool Covered(std::size_t start) const;

private:
    struct Node {
        std::size_t At;
        std::size_t State;
        bool operator==(const Node&) const = default;
    };
    struct NodeHash {
        std::size_t operator()(const Node& node) const {
            return node.At * 0x9E3779B97F4A7C15ull ^ node.State;
        }
    };

    // Where a walk stood before a step, to remember the tails afterwards.
    struct Frame {
        Node At;
        std::int64_t Length;
        std::int64_t KeyCount;
    };

    std::int64_t Count(std::size_t from, std::size_t to, std::size_t& state) const;

    BlockWalker& walker_;
    const KeyMatcher* key_;
    std::unordered_map<Node, BlockMeasure, NodeHash> tails_;
    // Start to end of every stretch of page text that a measured block kept.
    std::map<std::size_t, std::size_t> covered_;
    std::vector<Frame> frames_;
};

} // namespace lumbrant
