#pragma once

// The page parsed by gumbo (third_party/gumbo) within limits: at most 400
// open elements deep, a number of nodes proportional to the page, at most
// 256 attributes an element, no parse errors recorded. A page past a limit
// is parsed up to there.

#include <gumbo.h>
#include <string_view>

namespace lumbrant {

class ParsedHtml {
public:
    // html must stay alive as long as this object: the tree points into it.
    explicit ParsedHtml(std::string_view html);
    ~ParsedHtml();
    ParsedHtml(const ParsedHtml&) = delete;
    ParsedHtml& operator=(const ParsedHtml&) = delete;

    const GumboNode* Document() const { return Output_->document; }
    bool StoppedAtLimit() const { return Output_->stopped_at_limit; }

private:
    GumboOptions Options_;
    GumboOutput* Output_;
};

} // namespace lumbrant
