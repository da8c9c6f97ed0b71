#pragma once

// The results a job hands over, as the tests make them up.

#include "core/JobPorts.h"

#include <string>

namespace lumbrant::testing {

inline JobResult FrontPageArrived(std::string page) {
    JobResult result;
    result.Page = std::move(page);
    return result;
}

inline JobResult ArticleArrived(int slot, std::string page, std::string categoryCode,
                                std::string storyId) {
    JobResult result;
    result.Slot = slot;
    result.Page = std::move(page);
    result.CategoryCode = std::move(categoryCode);
    result.StoryId = std::move(storyId);
    return result;
}

inline JobResult ArticleFailed(int slot, std::string categoryCode = "", std::string storyId = "") {
    JobResult result = ArticleArrived(slot, "", std::move(categoryCode), std::move(storyId));
    result.Failed = true;
    result.Reason = "HTTP/1.1 404";
    return result;
}

} // namespace lumbrant::testing
