#include "text/NamedCharacters.h"

#include "text/Encoding.h"

#include <algorithm>

namespace text {

const NamedCharacter* FindNamedCharacter(std::string_view name) {
    const auto table = NamedCharacters();
    const auto found = std::lower_bound(
        table.begin(), table.end(), name,
        [](const NamedCharacter& entry, std::string_view key) { return entry.Name < key; });
    return found != table.end() && found->Name == name ? &*found : nullptr;
}

std::string NamedCharacterText(const NamedCharacter& named) {
    std::string out;
    AppendUtf8(out, named.First);
    if (named.Second != 0) {
        AppendUtf8(out, named.Second);
    }
    return out;
}

} // namespace text
