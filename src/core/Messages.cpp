#include "core/Messages.h"

#include <stdexcept>

namespace lumbrant {

namespace {
constexpr unsigned kArticleMessages[] = {WM_ARTICLE_DONE_1, WM_ARTICLE_DONE_2, WM_ARTICLE_DONE_3,
                                         WM_ARTICLE_DONE_4};
}

unsigned ArticleMessageForSlot(int slot) {
    if (slot < 1 || slot > 4) {
        throw std::out_of_range("article slot " + std::to_string(slot));
    }
    return kArticleMessages[slot - 1];
}

int SlotForArticleMessage(unsigned message) {
    for (int slot = 1; slot <= 4; ++slot) {
        if (kArticleMessages[slot - 1] == message) {
            return slot;
        }
    }
    return 0;
}

} // namespace lumbrant
