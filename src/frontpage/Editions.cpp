#include "frontpage/Editions.h"

namespace lumbrant {

const EditionTable& EditionTable::BuiltIn() {
    static const EditionTable table({
        {"United States", "tus"},
        {"United Kingdom", "tuk"},
    });
    return table;
}

const NewsEdition* EditionTable::Find(std::string_view entry) const {
    for (const NewsEdition& edition : editions_) {
        if (edition.Entry == entry) {
            return &edition;
        }
    }
    return nullptr;
}

} // namespace lumbrant
