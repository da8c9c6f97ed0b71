#include "extract/PageMetadata.h"

#include "extract/PageDecoding.h"
#include "extract/PageTree.h"

namespace lumbrant {

PageMetadata ReadPageMetadata(std::string_view pageBytes, std::string_view httpCharset) {
    const DecodedPage page = DecodePage(pageBytes, httpCharset);
    PageTree tree = BuildPageTree(page.Text);
    PageMetadata metadata;
    metadata.Title =
        tree.OpenGraphTitle.empty() ? std::move(tree.Title) : std::move(tree.OpenGraphTitle);
    metadata.Description = std::move(tree.Description);
    return metadata;
}

} // namespace lumbrant
