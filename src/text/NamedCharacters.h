#pragma once

// The named character references of HTML5 ("&nbsp;", "&colon;", ...), the
// program's one table of them: the feeds' XML readers know them without a
// DTD, and HTML taken apart for its text decodes them. A name is written
// here without its "&" and ";" and stands for one character or two.

#include <span>
#include <string>
#include <string_view>

namespace text {

struct NamedCharacter {
    std::string_view Name;
    char32_t First;
    char32_t Second; // 0 when the name stands for one character
};

// Every name, sorted byte by byte.
std::span<const NamedCharacter> NamedCharacters();

// The entry of a name (letter case counts), or nullptr for none.
const NamedCharacter* FindNamedCharacter(std::string_view name);

// The UTF-8 text of an entry.
std::string NamedCharacterText(const NamedCharacter& named);

} // namespace text
