#pragma once

// What the words of an element's class and id attributes say about it:
// "comment", "share", "related", "sidebar" ... mark what stands beside an
// article, "article", "content", "story", "entry" ... the article itself.

#include <string_view>

namespace lumbrant {

enum class ClassHint {
    Neutral,
    Content,     // a word of the article's own container
    Boilerplate, // a word of what stands beside an article
};

// The hint of one class name or id ("article-body", "relatedPosts"): it is
// cut into words at every character that is no letter or digit and at every
// change from lower to upper case. A word of what stands beside an article
// wins over a word of the article.
ClassHint HintOfName(std::string_view name);

// The balance of an element's class names and id: each one that marks
// content counts +1, each one that marks boilerplate -1.
int ClassBalance(std::string_view classAttribute, std::string_view id);

// True when a class name or the id marks text meant for screen readers only.
bool ClassHidesText(std::string_view classAttribute, std::string_view id);

} // namespace lumbrant
