#include "article/CandidateSweep.h"

#include <algorithm>
#include <string_view>

namespace lumbrant {

namespace {

struct Measured {
    std::int64_t Measure;
    std::size_t Index;
};

// The greater measure; of equal ones the lower index.
bool Beats(const Measured& a, const Measured& b) {
    return a.Measure > b.Measure || (a.Measure == b.Measure && a.Index < b.Index);
}

} // namespace

CandidateSweep::CandidateSweep(std::string_view page, const KeyMatcher* key, std::int64_t growth,
                               bool skipEndParts)
    : walker_(page), key_(key), growth_(growth), skipEndParts_(skipEndParts) {}

void CandidateSweep::Add(std::size_t start, std::size_t index) {
    AdvanceTo(start);
    if (skipEndParts_ && start < coveredUpTo_) {
        return;
    }
    Node node{start, 0};
    Group group{0, 0, index};
    if (Step(node, group)) {
        Park(node, group);
    }
}

std::size_t CandidateSweep::Winner() {
    AdvanceTo(std::string_view::npos);
    return bestIndex_;
}

bool CandidateSweep::Step(Node& node, Group& group) {
    const BlockStep step = walker_.StepFrom(node.At);
    if (step.NoTagLeft) {
        Finish(group, true);
        return false;
    }
    // Every step starts at or before the start being added, so the furthest
    // end of what the steps took is all that decides whether a start is covered.
    // The node itself counts even where no text is kept (a "<" right after a
    // removed tag): a block from there is an end part too.
    coveredUpTo_ = std::max({coveredUpTo_, step.SameUpTo, node.At + 1});
    group.Measure += static_cast<std::int64_t>(step.TextEnd - node.At);
    if (key_ != nullptr) {
        const std::string_view kept = walker_.Page().substr(node.At, step.TextEnd - node.At);
        group.Measure += growth_ * static_cast<std::int64_t>(key_->Feed(kept, node.State));
    }
    if (!step.GoesOn) {
        Finish(group, false);
        return false;
    }
    group.Measure += 1;
    if (key_ != nullptr) {
        group.Measure += growth_ * static_cast<std::int64_t>(key_->Feed(" ", node.State));
    }
    node.At = step.Next;
    return true;
}

void CandidateSweep::AdvanceTo(std::size_t upTo) {
    // Steps come in order of position, so the walker reads the page once,
    // forward, and groups meet where their nodes do.
    while (!going_.empty() && going_.begin()->first.At <= upTo) {
        auto entry = going_.extract(going_.begin());
        Node& node = entry.key();
        Group& group = entry.mapped();
        while (Step(node, group)) {
            // A group that is still the furthest behind walks on without queueing.
            if (node.At > upTo || (!going_.empty() && !(node < going_.begin()->first))) {
                const auto placed = going_.insert(std::move(entry));
                if (!placed.inserted) {
                    Merge(placed.position->second, placed.node.mapped());
                }
                break;
            }
        }
    }
}

void CandidateSweep::Park(const Node& node, const Group& group) {
    const auto [it, inserted] = going_.try_emplace(node, group);
    if (!inserted) {
        Merge(it->second, group);
    }
}

void CandidateSweep::Merge(Group& into, const Group& group) {
    const Measured theirs{group.Measure + group.BestLead, group.BestIndex};
    if (Beats(theirs, {into.Measure + into.BestLead, into.BestIndex})) {
        into.BestLead = theirs.Measure - into.Measure;
        into.BestIndex = theirs.Index;
    }
}

void CandidateSweep::Finish(const Group& group, bool empty) {
    // An empty block measures 0 whatever the group had so far.
    const Measured result{empty ? 0 : group.Measure + group.BestLead, group.BestIndex};
    if (Beats(result, {bestMeasure_, bestIndex_})) {
        bestMeasure_ = result.Measure;
        bestIndex_ = result.Index;
    }
}

} // namespace lumbrant
