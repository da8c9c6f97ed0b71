#pragma once

// The messages that fetch jobs send to the main window.

namespace lumbrant {

inline constexpr unsigned WM_FRONT_PAGE_DONE = 1033; // WM_USER + 9
inline constexpr unsigned WM_ARTICLE_DONE_1 = 1042;
inline constexpr unsigned WM_ARTICLE_DONE_2 = 1046;
inline constexpr unsigned WM_ARTICLE_DONE_3 = 1048;
inline constexpr unsigned WM_ARTICLE_DONE_4 = 1049;
inline constexpr int FETCH_FAILED = 66;

// The article message of slot 1 to 4.
unsigned ArticleMessageForSlot(int slot);

// The slot 1 to 4 of an article message, or 0 for any other message.
int SlotForArticleMessage(unsigned message);

} // namespace lumbrant
