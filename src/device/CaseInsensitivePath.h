#pragma once

// Finding a file on a drive whose file system may or may not ignore letter
// case: each component of the relative path is looked up in its folder's
// listing, comparing names without regard to ASCII case. The walk never
// follows a link and never leaves the folder's own file system, so a drive
// cannot send it elsewhere (CaseInsensitivePathPosix.cpp / ...Win.cpp).

#include <string>
#include <vector>

namespace lumbrant {

// True when folder holds, under the components in turn, a regular file whose
// names match them ignoring case. Unreadable folders, links and folders of
// another file system count as not holding it.
bool FileExistsIgnoringCase(const std::string& folder, const std::vector<std::string>& components);

} // namespace lumbrant
