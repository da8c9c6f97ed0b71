#include "feeds/FeedLinks.h"

#include "net/LinkResolver.h"
#include "text/ByteText.h"

#include <cstdint>

namespace lumbrant {

namespace {

constexpr std::size_t kLongestQuote = 100;

// True when the reference starts with a scheme: a letter, then letters,
// digits, "+", "-" or ".", then ":".
bool HasScheme(std::string_view reference) {
    const std::size_t colon = reference.find(':');
    if (colon == std::string_view::npos || colon == 0 || !text::IsAsciiLetter(reference.front())) {
        return false;
    }
    for (const char c : reference.substr(0, colon)) {
        if (!text::IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' &&
            c != '.') {
            return false;
        }
    }
    return true;
}

bool IsFetchable(std::string_view address) {
    if (!text::IsWebAddress(address)) {
        return false;
    }
    for (const char c : address) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

// The reference with every byte beyond ASCII written as a percent escape,
// as RFC 3987 makes a URI of an IRI; what is already escaped stays.
std::string Escaped(std::string_view reference) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : reference) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

} // namespace

std::string ReadAgainst(const std::string& base, std::string_view reference) {
    if (HasScheme(reference)) {
        return std::string(reference);
    }
    if (base.empty()) {
        return {};
    }
    if (reference.empty() || reference.front() == '#') {
        // Nothing but a fragment keeps the whole base address (RFC 3986,
        // 5.2.2), where the resolver would keep only its folder.
        return base.substr(0, base.find('#')) + std::string(reference);
    }
    return ResolveReference(base, Escaped(reference));
}

StoryLink ReadStoryLink(const std::string& base, std::string_view reference) {
    const std::string_view written = text::Trimmed(reference, " \t\r\n");
    if (written.empty()) {
        return {{}, "no link"};
    }
    if (!HasScheme(written) && base.empty()) {
        return {{},
                "its relative link \"" + QuotedForLog(written) +
                    "\" has no address to be read against"};
    }
    std::string address = ReadAgainst(base, written);
    if (address.empty()) {
        return {{}, "its link \"" + QuotedForLog(written) + "\" cannot be read as an address"};
    }
    if (!IsFetchable(address)) {
        return {{}, "its link \"" + QuotedForLog(address) + "\" is not a web address"};
    }
    return {std::move(address), {}};
}

std::string QuotedForLog(std::string_view text) {
    std::string out;
    std::size_t end = text.size();
    if (end > kLongestQuote) {
        end = kLongestQuote;
        while (end > 0 && (static_cast<std::uint8_t>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
    }
    for (const char c : text.substr(0, end)) {
        out += static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
    if (end < text.size()) {
        out += "...";
    }
    return out;
}

} // namespace lumbrant
