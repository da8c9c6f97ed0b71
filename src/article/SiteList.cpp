#include "article/SiteList.h"

#include "core/Paths.h"
#include "text/ByteText.h"
#include "text/FileIo.h"
#include "text/IniFile.h"

#include <array>
#include <string_view>

namespace lumbrant {

namespace {

constexpr std::array<std::string_view, 26> kBuiltInSites{"nytimes.com",
                                                         "washingtonpost.com",
                                                         "bbc.co.uk",
                                                         "cnn.com",
                                                         "reuters.com",
                                                         "theguardian.com",
                                                         "latimes.com",
                                                         "usatoday.com",
                                                         "wsj.com",
                                                         "bloomberg.com",
                                                         "npr.org",
                                                         "cbsnews.com",
                                                         "abcnews.go.com",
                                                         "nbcnews.com",
                                                         "foxnews.com",
                                                         "apnews.com",
                                                         "independent.co.uk",
                                                         "telegraph.co.uk",
                                                         "economist.com",
                                                         "newsweek.com",
                                                         "chicagotribune.com",
                                                         "bostonglobe.com",
                                                         "sfgate.com",
                                                         "news.sky.com",
                                                         "aljazeera.com",
                                                         "csmonitor.com"};

std::string HostOf(const std::string& link) {
    const text::Index slashes = text::Pos("//", link);
    const std::string afterScheme = text::From(link, slashes + 2);
    return text::Copy(afterScheme, 1, text::Pos("/", afterScheme) - 1);
}

} // namespace

SiteList SiteList::Load(const std::string& workDir) {
    SiteList sites;
    const std::string listFile = JoinPath(workDir, "KVD.Update");
    sites.fromFile_ = text::FileExists(listFile);
    if (sites.fromFile_) {
        sites.fileNames_ = text::IniFile(listFile).ReadSectionKeys("1");
    }
    return sites;
}

int SiteList::IsSpecialSite(const std::string& articleUrl) const {
    const std::string host = HostOf(articleUrl);
    if (fromFile_) {
        for (const std::string& name : fileNames_) {
            if (text::EqualsIgnoreCase(name, host)) {
                return 1;
            }
        }
        return 0;
    }
    for (std::string_view site : kBuiltInSites) {
        if (text::Pos(site, host) != 0) {
            return 1;
        }
    }
    return 0;
}

} // namespace lumbrant
