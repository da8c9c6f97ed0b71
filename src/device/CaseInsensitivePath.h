#pragma once

// Finding a file on a drive whose file system may or may not ignore letter
// case: each component of the relative path is looked up in its folder's
// listing, comparing names without regard to ASCII case.

#include <string>
#include <vector>

namespace lumbrant {

// True when folder holds, under the components in turn, a regular file whose
// names match them ignoring case. Unreadable folders count as not holding it.
bool FileExistsIgnoringCase(const std::string& folder, const std::vector<std::string>& components);

} // namespace lumbrant
