#include "article/BlockWalker.h"

namespace lumbrant {

BlockWalker::BlockWalker(std::string_view page) : page_(page), tags_(page) {}

BlockStep BlockWalker::StepFrom(std::size_t at) {
    BlockStep step;
    const std::size_t open = tags_.NextOpen(at);
    if (open == TagScanner::npos) {
        step.NoTagLeft = true;
        return step;
    }
    step.TextEnd = open;
    step.SameUpTo = open;
    const std::size_t close = tags_.NextClose(at);
    if (close != TagScanner::npos && close < open) {
        // A ">" before the "<": the tag text is empty. Starts behind that
        // ">" would read the tag, so they do not share this course.
        step.SameUpTo = close + 1;
        return step;
    }
    if (close == TagScanner::npos || close == open + 1) {
        return step;
    }
    const TagReading tag = tags_.Read(open, close);
    if (tag.Removable) {
        step.GoesOn = true;
        step.Next = tag.End + 1;
    }
    return step;
}

std::string BlockWalker::Convert(std::size_t start) {
    std::string out;
    // The block is never longer than the rest of the page; reserving that
    // once spares the copies of a growing text on long blocks.
    if (start < page_.size()) {
        out.reserve(page_.size() - start);
    }
    std::size_t at = start;
    while (at <= page_.size()) {
        const BlockStep step = StepFrom(at);
        if (step.NoTagLeft) {
            return {};
        }
        out.append(page_, at, step.TextEnd - at);
        if (!step.GoesOn) {
            return out;
        }
        out.push_back(' ');
        at = step.Next;
    }
    return {};
}

} // namespace lumbrant
