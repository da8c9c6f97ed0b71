#pragma once

// The maker's web site, opened in the browser by the small web buttons and
// the two help links.

#include <string>
#include <string_view>

namespace lumbrant {

inline constexpr std::string_view kMakerSite = "http://www.lumbrant.example";

inline constexpr std::string_view kHomePage = "/";
inline constexpr std::string_view kSongsAndVideosPage = "/news.php?&product=marrowgate";
inline constexpr std::string_view kPhotosPage = "/news.php?&product=pellisand";

// The site's address followed by pathAndQuery, which begins with "/".
inline std::string MakerPageUrl(std::string_view pathAndQuery) {
    std::string url(kMakerSite);
    url.append(pathAndQuery);
    return url;
}

} // namespace lumbrant
