#pragma once

// Finds the longest of the blocks that the block conversion gives from many
// starting points of one page, in one pass from left to right and without
// converting each. A block is measured by its length plus `growth` for every
// occurrence of a key in it (left to right, without overlap), which is its
// length once each occurrence is replaced by a text `growth` characters
// longer.
//
// Conversions that reach the same position behind a removed tag, in the same
// state of the key search, take the same course from there on: they go on as
// one group, which remembers only its best member. The conversions still
// going are all advanced together, the one furthest behind first, so the
// memory held is that of the groups still going, however long the blocks.

#include "article/BlockWalker.h"
#include "article/KeyMatcher.h"

#include <cstddef>
#include <cstdint>
#include <map>

namespace lumbrant {

class CandidateSweep {
public:
    // key may be null when only lengths matter. With skipEndParts a start
    // that lies where an earlier block kept the page's text (or at a position
    // where it went on behind a removed tag) is passed over: its block is a
    // proper end part of that one, so it cannot be longer when growth is not
    // negative.
    CandidateSweep(std::string_view page, const KeyMatcher* key, std::int64_t growth,
                   bool skipEndParts);

    // Adds the block from start (0-based). Starts must come in order of
    // position; index is the start's place in the caller's list, and of
    // blocks that measure the same the lowest index wins (among blocks that
    // measure 0, all of which give the empty text, any one may).
    void Add(std::size_t start, std::size_t index);

    // The index of the longest block (0 when none was added).
    std::size_t Winner();

private:
    struct Node {
        std::size_t At;
        std::size_t State;
        auto operator<=>(const Node&) const = default;
    };
    // Conversions that take the same course from their next node on.
    struct Group {
        // The measure so far of the conversion that started the group.
        std::int64_t Measure = 0;
        // The best member's measure so far minus Measure.
        std::int64_t BestLead = 0;
        std::size_t BestIndex = 0;
    };

    // Takes the step from node; answers false when the group's course ends there.
    bool Step(Node& node, Group& group);
    // Steps every group whose next node lies at or before upTo, in order of position.
    void AdvanceTo(std::size_t upTo);
    // Queues the group at node, or merges it into the group already there.
    void Park(const Node& node, const Group& group);
    // Two groups at one node: what is left of their courses is the same.
    static void Merge(Group& into, const Group& group);
    void Finish(const Group& group, bool empty);

    BlockWalker walker_;
    const KeyMatcher* key_;
    std::int64_t growth_;
    bool skipEndParts_;
    // The groups still going, by the node where each goes on.
    std::map<Node, Group> going_;
    // Starts before this lie inside text or at a node that a block took.
    std::size_t coveredUpTo_ = 0;
    std::int64_t bestMeasure_ = -1;
    std::size_t bestIndex_ = 0;
};

} // namespace lumbrant
