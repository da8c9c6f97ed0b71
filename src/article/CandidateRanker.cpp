#include "article/CandidateRanker.h"

#include <algorithm>

namespace lumbrant {

CandidateRanker::CandidateRanker(BlockWalker& walker, const KeyMatcher* key)
    : walker_(walker), key_(key) {}

std::int64_t CandidateRanker::Count(std::size_t from, std::size_t to, std::size_t& state) const {
    if (key_ == nullptr) {
        return 0;
    }
    return static_cast<std::int64_t>(key_->Feed(walker_.Page().substr(from, to - from), state));
}

BlockMeasure CandidateRanker::MeasureFrom(std::size_t start) {
    frames_.clear();
    BlockMeasure total;
    Node node{start, 0};
    while (true) {
        const auto known = tails_.find(node);
        if (known != tails_.end()) {
            total.Empty = known->second.Empty;
            total.Length += known->second.Length;
            total.KeyCount += known->second.KeyCount;
            break;
        }
        frames_.push_back({node, total.Length, total.KeyCount});
        const BlockStep step = walker_.StepFrom(node.At);
        if (step.NoTagLeft) {
            total.Empty = true;
            break;
        }
        // The point itself counts even where no text is kept (a "<" right
        // after a removed tag): a block from there is an end part too.
        covered_.emplace(node.At, std::max(step.SameUpTo, node.At + 1));
        total.Length += static_cast<std::int64_t>(step.TextEnd - node.At);
        total.KeyCount += Count(node.At, step.TextEnd, node.State);
        if (!step.GoesOn) {
            break;
        }
        total.Length += 1;
        if (key_ != nullptr) {
            total.KeyCount += static_cast<std::int64_t>(key_->Feed(" ", node.State));
        }
        node.At = step.Next;
    }
    if (total.Empty) {
        total = BlockMeasure{true, 0, 0};
    }
    for (const Frame& frame : frames_) {
        tails_.emplace(frame.At, total.Empty ? total
                                             : BlockMeasure{false, total.Length - frame.Length,
                                                            total.KeyCount - frame.KeyCount});
    }
    return total;
}

bool CandidateRanker::Covered(std::size_t start) const {
    auto it = covered_.upper_bound(start);
    if (it == covered_.begin()) {
        return false;
    }
    --it;
    return start < it->second;
}

} // namespace lumbrant
