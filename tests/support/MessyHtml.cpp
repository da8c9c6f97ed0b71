#include "support/MessyHtml.h"

#include <algorithm>
#include <cstdio>

namespace articletest {

namespace {

const std::vector<std::string> kWords{"rain",   "Rain",  "fell", "on", "the",  "city",
                                      "e",      "ab",    "x",    "-",  "--",   "/",
                                      "script", "style", "=",    "\"", "day.", "a b"};
const std::vector<std::string> kNames{
    "a",      "b",          "p",        "br",    "div",        "span",       "i",   "u",
    "em",     "font",       "img",      "li",    "ul",         "h1",         "h2",  "h3",
    "center", "blockquote", "noscript", "o:p",   "strong",     "table",      "td",  "tr",
    "hr",     "h4",         "body",     "form",  "scripts",    "stylesheet", "br/", "",
    "script", "style",      "!--",      "!---x", "blockquotes"};
const std::vector<std::string> kStrays{"<",       ">",        "<>",         "< p>",
                                       "-->",     "/script>", "/style>",    "<!--",
                                       "<!---->", "<!-->",    "</script >", "<\t>"};
const std::vector<std::string> kSpaces{
    "\t", "\t\t\t",   "\r\n",         "\r\n\r\n", "\r\n \r\n",     "\n", "\n\n", "\n \n",
    "\r", "\n \n \n", "\r\n\r\n\r\n", " \t ",     "\r\n \r\n \r\n"};

} // namespace

std::string MessyHtml::MixCase(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z' && rng_.OneIn(4)) {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return s;
}

std::string MessyHtml::Word() {
    return rng_.Pick(kWords);
}

std::string MessyHtml::Name() {
    return MixCase(rng_.Pick(kNames));
}

std::string MessyHtml::Tag() {
    std::string tag = "<";
    if (rng_.OneIn(3)) {
        tag += "/";
    }
    tag += Name();
    switch (rng_.Below(8)) {
    case 0:
        tag += " class=\"" + Word() + "\"";
        break;
    case 1:
        tag += " title=\"" + Word() + " " + Word() + "\"";
        break;
    case 2:
        tag += " alt=\"a<b\"";
        break;
    case 3:
        tag += " /";
        break;
    case 4:
        tag += "\tx=1";
        break;
    default:
        break;
    }
    if (!rng_.OneIn(12)) {
        tag += ">";
    }
    return tag;
}

std::string MessyHtml::Element(const char* name) {
    std::string open = std::string("<") + name;
    std::string close = std::string("</") + name + ">";
    std::string body;
    for (std::size_t i = rng_.Below(4); i > 0; --i) {
        body += rng_.OneIn(2) ? Word() : Tag();
    }
    std::string element = MixCase(open) + (rng_.OneIn(3) ? " type=x>" : ">") + body;
    switch (rng_.Below(4)) {
    case 0:
        return element;
    case 1:
        return MixCase(close) + Word() + element;
    default:
        return element + (rng_.OneIn(4) ? MixCase(close) : close);
    }
}

std::string MessyHtml::Space() {
    if (rng_.OneIn(2)) {
        return std::string(1 + rng_.Below(rng_.OneIn(8) ? 40 : 16), ' ');
    }
    return rng_.Pick(kSpaces);
}

std::string MessyHtml::Piece() {
    switch (rng_.Below(16)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return Word();
    case 4:
    case 5:
        return " " + Word();
    case 6:
    case 7:
    case 8:
        return Tag();
    case 9:
        return Space();
    case 10:
        return rng_.Pick(kStrays);
    case 11: {
        std::string comment = "<!--";
        for (std::size_t i = rng_.Below(3); i > 0; --i) {
            comment += rng_.OneIn(2) ? Word() : Tag();
        }
        return comment + (rng_.OneIn(4) ? "" : "-->");
    }
    case 12:
        return Element("script");
    case 13:
        return Element("style");
    default:
        return Word() + " " + Word();
    }
}

std::string MessyHtml::Page(std::size_t pieces) {
    std::string page;
    for (std::size_t i = 0; i < pieces; ++i) {
        page += Piece();
    }
    return page;
}

std::string MessyHtml::Whitespace(std::size_t pieces) {
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i) {
        switch (rng_.Below(6)) {
        case 0:
            text += Word();
            break;
        case 1:
            text += Tag();
            break;
        default:
            text += Space();
            break;
        }
    }
    return text;
}

std::string MessyHtml::Snippet(const std::string& page) {
    std::string snippet;
    if (page.empty() || rng_.OneIn(10)) {
        for (std::size_t i = rng_.Below(6); i > 0; --i) {
            snippet += Word() + " ";
        }
    } else {
        std::size_t length = rng_.Below(48);
        if (rng_.OneIn(6)) {
            length = 90 + rng_.Below(50);
        } else if (rng_.OneIn(40)) {
            length = 515 + rng_.Below(20);
        }
        const std::size_t start = rng_.Below(page.size());
        snippet = page.substr(start, length);
    }
    return Mutated(std::move(snippet));
}

std::string MessyHtml::Mutated(std::string snippet) {
    const std::size_t n = snippet.size();
    switch (rng_.Below(8)) {
    case 0:
        if (n > 0) {
            snippet[0] = snippet[0] == 'Q' ? 'q' : 'Q';
        }
        break;
    case 1:
        snippet.replace(0, rng_.Below(n + 1), std::string(1 + rng_.Below(3), 'Z'));
        break;
    case 2: {
        const std::size_t cut = rng_.Below(n + 1);
        snippet.replace(cut, n - cut, "ZZ");
        break;
    }
    case 3:
        if (n > 2) {
            snippet.front() = 'Z';
            snippet.back() = 'Z';
        }
        break;
    case 4:
        // Breaks at a few places leave only some of the pieces intact.
        for (std::size_t i = 1 + rng_.Below(3); i > 0 && n > 0; --i) {
            snippet[rng_.Below(n)] = 'Z';
        }
        break;
    case 5:
        if (n > 40) {
            snippet.front() = 'Z';
            snippet.back() = 'Z';
            snippet[32 + rng_.Below(std::min<std::size_t>(n - 32, 40))] = 'Z';
        }
        break;
    default:
        break;
    }
    return snippet;
}

std::string MessyHtml::Tokens(std::size_t count) {
    static const std::vector<std::string> tokens{
        "x",     "x",       " ",    "y",   "x x",  "<b>", "<b /script>", "<script>",
        "<i x>", "<a x<b>", "<!--", "-->", "<td>", "<p>", "/script>",    "<b x>"};
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += rng_.Pick(tokens);
    }
    return text;
}

std::vector<std::ptrdiff_t> MessyHtml::Positions(const std::string& page) {
    std::vector<std::ptrdiff_t> positions;
    for (std::size_t i = rng_.Below(8); i > 0; --i) {
        positions.push_back(static_cast<std::ptrdiff_t>(rng_.Below(page.size() + 3)) - 1);
    }
    if (rng_.OneIn(3) && !positions.empty()) {
        positions.push_back(positions.front());
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}

std::string Escaped(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (c < 0x20 || c >= 0x7f) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\x%02x\"\"", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

} // namespace articletest
