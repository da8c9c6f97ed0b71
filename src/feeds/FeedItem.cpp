#include "feeds/FeedItem.h"

#include "extract/ArticleExtractor.h"
#include "feeds/FeedText.h"

#include <vector>

namespace lumbrant {

namespace {

// The story's link: the first choice that makes one, else why the first
// does not.
StoryLink ChosenLink(const FeedItem& item) {
    std::vector<StoryLink> choices;
    if (item.Link.Seen) {
        choices.push_back(ReadStoryLink(item.LinkBase, item.Link.Raw));
    }
    if (item.Guid.Seen && item.GuidIsPermaLink) {
        choices.push_back(ReadStoryLink(item.GuidBase, item.Guid.Raw));
    }
    if (item.Alternate) {
        choices.push_back(*item.Alternate);
    }
    if (!item.FirstWebLink.empty()) {
        choices.push_back({item.FirstWebLink, {}});
    }
    if (item.FirstLink) {
        choices.push_back(*item.FirstLink);
    }
    for (const StoryLink& choice : choices) {
        if (!choice.Address.empty()) {
            return choice;
        }
    }
    // An empty link element says no more than a missing one.
    for (const StoryLink& choice : choices) {
        if (choice.Fault != "no link") {
            return choice;
        }
    }
    return {{}, "no link"};
}

} // namespace

std::string ShownText(const ItemField& field) {
    return field.Kind == Markup::Html ? SummaryText(field.Raw) : FoldBlanks(field.Raw);
}

ItemOutcome FinishItem(const FeedItem& item) {
    const std::string title = ShownText(item.Title);
    if (title.empty()) {
        return {std::nullopt, "no title"};
    }
    StoryLink link = ChosenLink(item);
    if (link.Address.empty()) {
        return {std::nullopt, std::move(link.Fault)};
    }
    std::string summary;
    for (const ItemField& field : item.Summaries) {
        summary = ShownText(field);
        if (!summary.empty()) {
            break;
        }
    }
    return {StoryRecord{std::move(link.Address), AsPageText(title), std::move(summary)}, {}};
}

} // namespace lumbrant
