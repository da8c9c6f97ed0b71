#pragma once

// The sites whose article pages get the page's longest text block added to
// the located text. A list of news sites is built in; the file KVD.Update in
// the work folder, when it exists, replaces it as a whole. The list is read
// anew for every page, so an edited file counts from the next page on.

#include <string>
#include <vector>

namespace lumbrant {

class SiteList {
public:
    // The file's list when the file is in workDir, otherwise the built-in one.
    static SiteList Load(const std::string& workDir);

    // 1 when the link's host is listed, otherwise 0. The host is the text
    // between the first "//" and the next "/" (empty when no "/" follows).
    // The built-in names are found anywhere in the host, letter case
    // counting; the names of the file's section "1" must equal the host,
    // letter case aside.
    int IsSpecialSite(const std::string& articleUrl) const;

private:
    SiteList() = default;

    bool fromFile_ = false;
    std::vector<std::string> fileNames_;
};

} // namespace lumbrant
