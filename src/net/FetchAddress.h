#pragma once

// Which addresses the program fetches at all, whichever HTTP stack fetches them.

#include <string>

namespace lumbrant {

// True when the address may be fetched: its scheme is http or https (letter
// case ignored) and it names neither a user nor a password, so that no page
// can make the program log in anywhere. An address the HTTP stack cannot
// read is not fetched either.
bool MayFetch(const std::string& url);

// True when the HTTP stack reads a user or password in the address, or
// cannot read it at all. Defined with the platform's HTTP stack.
bool NamesUserOrPassword(const std::string& url);

} // namespace lumbrant
