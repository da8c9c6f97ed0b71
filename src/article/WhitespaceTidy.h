#pragma once

// The whitespace tidying that comes before the longest-block scan. Blank
// runs are shortened by single replace-all passes for runs of 11, 8, 6, 3 and
// 2 blanks, so some runs keep two or more blanks. Then, each to its end and in
// this order, "\t\t", "\r\n\r\n", "\r\n \r\n", "\n\n" and "\n \n" are
// replaced again and again by their first line break (or tab) until none is
// left. Both are done here in one pass each.

#include <string>
#include <string_view>

namespace lumbrant {

std::string TidyWhitespace(std::string_view text);

} // namespace lumbrant
