#include "extract/BoilerplatePhrases.h"

#include "text/ByteText.h"

#include <array>
#include <string>

namespace lumbrant {

namespace {

constexpr std::size_t kMaxAppealBytes = 160;

constexpr std::array<std::string_view, 40> kAppeals{{
    "subscribe",
    "subscriber",
    "sign up",
    "newsletter",
    "follow us",
    "follow the",
    "share this",
    "read more",
    "click here",
    "all rights reserved",
    "log in",
    "advertisement",
    "cookies",
    "related articles",
    "you may also like",
    "recommended for you",
    "abonnieren",
    "abonnement",
    "folgen sie",
    "jetzt teilen",
    "artikel teilen",
    "weiterlesen",
    "lesen sie auch",
    "mehr zum thema",
    "alle rechte vorbehalten",
    "artikel bewerten",
    "den artikel bewerten",
    "anzeige",
    "das könnte sie auch",
    "auch interessant",
    "abonnez",
    "lire aussi",
    "partager",
    "publicité",
    "suscríbete",
    "lee también",
    "publicidad",
    "temas relacionados",
    "iscriviti",
    "leggi anche",
}};

// A photo's credit line, as a paragraph of its own.
constexpr std::array<std::string_view, 9> kCredits{{
    "foto:",
    "fotos:",
    "bild:",
    "photo:",
    "photos:",
    "image:",
    "credit:",
    "quelle:",
    "picture:",
}};

} // namespace

bool IsBoilerplateParagraph(std::string_view paragraph) {
    if (paragraph.size() > kMaxAppealBytes) {
        return false;
    }
    const std::string lower = text::AsciiLower(paragraph);
    for (const std::string_view credit : kCredits) {
        if (lower.compare(0, credit.size(), credit) == 0) {
            return true;
        }
    }
    for (const std::string_view appeal : kAppeals) {
        if (lower.find(appeal) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace lumbrant
