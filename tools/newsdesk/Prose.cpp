#include "newsdesk/Prose.h"

#include "newsdesk/Vocabulary.h"

namespace newsdesk {
namespace {

constexpr std::size_t kMinSnippet = 80;
constexpr std::size_t kMaxSnippet = 200;
constexpr std::uint64_t kHeadlineStream = 0x68656164;
constexpr std::uint64_t kTextStream = 0x74657874;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string Capitalised(std::string text) {
    if (!text.empty()) {
        text[0] = Upper(text[0]);
    }
    return text;
}

std::string Joined(const std::vector<std::string>& sentences) {
    std::string text;
    for (const auto& sentence : sentences) {
        if (!text.empty()) {
            text += ' ';
        }
        text += sentence;
    }
    return text;
}

} // namespace

Prose::Prose(int sectionIndex, std::uint64_t storySeed, std::uint64_t stream)
    : topic_(sectionIndex >= 1 && sectionIndex <= kTopicCount
                 ? sectionIndex
                 : 1 + static_cast<int>(storySeed % kTopicCount)),
      storySeed_(storySeed), rng_(storySeed ^ stream) {}

std::size_t Prose::Angle() const {
    return static_cast<std::size_t>(SeedFrom("angle", storySeed_) % LedePatterns(topic_).size());
}

std::string Prose::Headline() {
    return Capitalised(Fill(HeadlinePatterns(topic_)[Angle()]));
}

std::string Prose::Outlet() {
    return std::string(rng_.Pick(Outlets()));
}

std::string Prose::Person() {
    return Fill("{person}");
}

std::string Prose::LedeSentence() {
    const WordList ledes = LedePatterns(topic_);
    const std::string_view pattern = ledeTaken_ ? rng_.Pick(ledes) : ledes[Angle()];
    ledeTaken_ = true;
    return Capitalised(Fill(pattern)) + ".";
}

std::string Prose::BodySentence() {
    const int roll = rng_.Below(10);
    if (roll < 7) {
        return Capitalised(Fill(rng_.Pick(SharedDetailPatterns())));
    }
    if (roll < 9) {
        return Capitalised(Fill(rng_.Pick(TopicDetailPatterns(topic_))));
    }
    return LedeSentence();
}

std::string Prose::Fill(std::string_view pattern) {
    std::string out;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close =
            open == std::string_view::npos ? std::string_view::npos : pattern.find('}', open);
        if (close == std::string_view::npos) {
            out.append(pattern.substr(at));
            break;
        }
        out.append(pattern.substr(at, open - at));
        // Some words hold placeholders of their own ("the {place} bridge").
        out += Fill(Word(pattern.substr(open + 1, close - open - 1)));
        at = close + 1;
    }
    return out;
}

Prose HeadlineProse(int sectionIndex, std::uint64_t storySeed) {
    return Prose(sectionIndex, storySeed, kHeadlineStream);
}

Prose TextProse(int sectionIndex, std::uint64_t storySeed) {
    return Prose(sectionIndex, storySeed, kTextStream);
}

std::string_view Prose::Word(std::string_view slot) {
    const WordList words = SlotWords(topic_, slot);
    if (words.empty()) {
        return {};
    }
    auto use = uses_.find(slot);
    if (use == uses_.end()) {
        use = uses_.emplace(std::string(slot), 0).first;
    }
    const int nth = use->second++;
    if (nth >= 2 || words.size() == 1) {
        return rng_.Pick(words);
    }
    // The cast: the story's first and second word for this slot, never the same.
    Rng cast(SeedFrom(slot, storySeed_));
    const int size = static_cast<int>(words.size());
    const int first = cast.Below(size);
    const int second = (first + 1 + cast.Below(size - 1)) % size;
    return words[static_cast<std::size_t>(nth == 0 ? first : second)];
}

std::vector<std::string> OpeningSentences(Prose& prose) {
    std::vector<std::string> sentences{prose.LedeSentence()};
    while (Joined(sentences).size() < kMinSnippet) {
        sentences.push_back(prose.BodySentence());
    }
    return sentences;
}

std::string SnippetOf(const std::vector<std::string>& opening) {
    std::string text = Joined(opening);
    if (text.size() <= kMaxSnippet) {
        return text;
    }
    const std::size_t blank = text.rfind(' ', kMaxSnippet);
    text.resize(blank == std::string::npos ? kMaxSnippet : blank);
    return text;
}

std::string FirstWordInCapitals(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size() && IsLetter(out[i]); ++i) {
        out[i] = Upper(out[i]);
    }
    return out;
}

} // namespace newsdesk
