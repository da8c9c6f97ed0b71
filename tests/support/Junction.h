#pragma once

// A junction (a folder's reparse point leading to another folder), as a
// user without administrator rights makes one (Windows, JunctionWin.cpp).

#include <filesystem>
#include <string>

namespace lumbrant::testing {

// Makes an empty folder at link that leads to target. Empty when it is one
// afterwards; otherwise why this system cannot make it (Wine 8 has no
// reparse points).
std::string MakeJunction(const std::filesystem::path& link, const std::filesystem::path& target);

// True when the entry at path is a reparse point itself.
bool IsJunction(const std::filesystem::path& path);

} // namespace lumbrant::testing
