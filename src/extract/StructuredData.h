#pragma once

// The article's body as a page's structured data (JSON-LD scripts) gives
// it: the longest "articleBody" text of any object in them. Read by
// nlohmann's SAX parser, which keeps its own stack instead of recursing;
// deeper than 64 levels, or past an error, a script is read no further.

#include <string>
#include <vector>

namespace lumbrant {

std::string StructuredArticleBody(const std::vector<std::string>& scripts);

} // namespace lumbrant
