#pragma once

#include "newsdesk/Story.h"

#include <string>
#include <string_view>
#include <vector>

namespace newsdesk {

// The aggregator front page of an edition ("tus" or "tuk") listing the given
// stories (in page order, each section's stories together, sections in order).
// Every section has its heading even when it has no story; a story's link is
// its Url as it stands.
std::string RenderFrontPage(std::string_view edition, const std::vector<Story>& stories);

} // namespace newsdesk
