// The edition file on arbitrary content: no crash, every feed a web address
// of a known section, and Items within its bounds.

#include "feeds/Edition.h"
#include "frontpage/Editions.h"
#include "frontpage/FrontPageParser.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder =
        (std::filesystem::temp_directory_path() / "lumbrant-fuzz-edition").string();
    std::filesystem::create_directories(folder);
    text::WriteFileAtomic(folder + "/Editions.ini",
                          std::string(reinterpret_cast<const char*>(data), size));
    const auto edition = lumbrant::LoadEdition(folder, "United States");
    if (!edition) {
        return 0;
    }
    if (edition->Items < 1 || edition->Items > lumbrant::kMaxStoriesPerSection ||
        edition->Feeds.size() > lumbrant::kSections.size()) {
        std::abort();
    }
    for (const auto& feed : edition->Feeds) {
        if (lumbrant::SectionIndex(feed.SectionCode) < 0 || !text::IsWebAddress(feed.Url)) {
            std::abort();
        }
    }
    return 0;
}
