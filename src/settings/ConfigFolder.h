#pragma once

#include <string>

namespace lumbrant {

// The user's configuration folder: $XDG_CONFIG_HOME when it holds an
// absolute path, otherwise the home folder followed by "/.config". Empty
// when no home folder is known.
std::string DefaultConfigFolder();

} // namespace lumbrant
