#pragma once

// What a page says about itself in its head: its title and its summary,
// for a story whose feed item lacks them.

#include <string>
#include <string_view>

namespace lumbrant {

struct PageMetadata {
    std::string Title;       // og:title, or else <title>; blanks folded
    std::string Description; // <meta name="description">, or else og:description
};

PageMetadata ReadPageMetadata(std::string_view pageBytes, std::string_view httpCharset);

} // namespace lumbrant
