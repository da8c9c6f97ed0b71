#include "feeds/FeedEncoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

constexpr const char* kCanonical = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

std::string Declared(const std::string& encoding, const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?><rss>" + body + "</rss>";
}

std::string Read(const std::string& body) {
    return std::string(kCanonical) + "<rss>" + body + "</rss>";
}

// The text in UTF-16 or UTF-32, in either byte order.
template <typename Unit> std::string Encoded(std::basic_string_view<Unit> text, bool bigEndian) {
    std::string out;
    for (const Unit unit : text) {
        for (std::size_t byte = 0; byte < sizeof(Unit); ++byte) {
            const std::size_t shift = 8 * (bigEndian ? sizeof(Unit) - 1 - byte : byte);
            out += static_cast<char>((static_cast<std::uint32_t>(unit) >> shift) & 0xFF);
        }
    }
    return out;
}

struct EncodingCase {
    const char* Name;
    std::string Bytes;
    std::string Charset;
    std::string Encoding;
    std::string Text;
};

TEST(FeedEncoding, TheBytesAreReadInTheEncodingThatXmlsRulesFind) {
    const std::vector<EncodingCase> cases = {
        {"UTF-8 as declared", Declared("UTF-8", "Café"), "", "UTF-8", Read("Café")},
        {"windows-1251", Declared("windows-1251", "\xCD\xEE\xE2\xEE\xF1\xF2\xE8"), "",
         "windows-1251", Read("Новости")},
        {"ISO-8859-7", Declared("ISO-8859-7", "\xC5\xE9\xE4\xDE\xF3\xE5\xE9\xF2"), "", "ISO-8859-7",
         Read("Ειδήσεις")},
        {"GB2312, read as its superset", Declared("gb2312", "\xD0\xC2\xCE\xC5"), "", "GBK",
         Read("新闻")},
        {"windows-1252", Declared("windows-1252", "\x93quoted\x94"), "", "windows-1252",
         Read("“quoted”")},
        {"KOI8-R", Declared("koi8-r", "\xF0\xD2\xC9\xD7\xC5\xD4"), "", "KOI8-R", Read("Привет")},
        {"a code page that only the system names", Declared("cp437", "\x82"), "", "cp437",
         Read("é")},
        {"no declaration, Latin-1 bytes",
         "<rss>Stra\xDF"
         "e \xE9</rss>",
         "", "windows-1252", "<rss>Straße é</rss>"},
        {"no declaration, UTF-8 bytes", "<rss>Straße</rss>", "", "UTF-8", "<rss>Straße</rss>"},
        {"declares UTF-16, sends UTF-8", Declared("UTF-16", "Café"), "", "UTF-8", Read("Café")},
        {"declares EBCDIC, sends ASCII", Declared("IBM037", "News"), "", "UTF-8", Read("News")},
        {"UTF-16 with its byte-order mark",
         "\xFF\xFE" + Encoded<char16_t>(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><rss>Café"
                                        u"</rss>",
                                        false),
         "", "UTF-16LE", Read("Café")},
        {"UTF-16 big-endian without a mark", Encoded<char16_t>(u"<rss>Новости</rss>", true), "",
         "UTF-16BE", "<rss>Новости</rss>"},
        {"UTF-32 without a mark", Encoded<char32_t>(U"<rss>新闻</rss>", false), "", "UTF-32LE",
         "<rss>新闻</rss>"},
        {"the byte-order mark before the declaration",
         "\xEF\xBB\xBF" + Declared("ISO-8859-1", "Café"), "", "UTF-8", Read("Café")},
        {"the HTTP charset before the declaration",
         Declared("ISO-8859-1", "\xCD\xEE\xE2\xEE\xF1\xF2\xE8"), "windows-1251", "windows-1251",
         Read("Новости")},
        {"a charset of UTF-16 on bytes that read as ASCII", Declared("windows-1251", "\xCD"),
         "utf-16", "windows-1251", Read("Н")},
        {"UTF-8 that the bytes bear out before a charset that says otherwise",
         Declared("UTF-8", "Café"), "ISO-8859-1", "UTF-8", Read("Café")},
        {"UTF-8 that the bytes break gives way to the declaration",
         Declared("windows-1251", "\xCD\xEE\xE2\xEE\xF1\xF2\xE8"), "utf-8", "windows-1251",
         Read("Новости")},
        {"declared UTF-8 in Latin-1 bytes", Declared("utf-8", "Caf\xE9 \xE9t\xE9"), "",
         "windows-1252", Read("Café été")},
        {"declared UTF-8 with one stray byte", Declared("UTF-8", "Café, été, \xE9"), "", "UTF-8",
         Read("Café, été, \xEF\xBF\xBD")},
        {"an encoding nobody knows", Declared("x-no-such", "Café"), "", "UTF-8", Read("Café")},
        {"blanks before the declaration, a declaration over two lines",
         "\r\n  <?xml version=\"1.0\"\n standalone=\"yes\" encoding='ISO-8859-1'?><rss>\xE9</rss>",
         "", "windows-1252", std::string(kCanonical) + "\n<rss>é</rss>"},
        {"characters XML forbids",
         "<rss>a\x01"
         "b\x0B"
         "c\x1F\td\r\n\xEF\xBF\xBF"
         "e</rss>",
         "", "UTF-8",
         "<rss>abc\td\r\n\xEF\xBF\xBD"
         "e</rss>"},
    };
    for (const EncodingCase& row : cases) {
        SCOPED_TRACE(row.Name);
        const Utf8Feed feed = FeedAsUtf8(row.Bytes, row.Charset);
        EXPECT_EQ(feed.Encoding, row.Encoding);
        EXPECT_EQ(feed.Text, row.Text);
    }
}

} // namespace
} // namespace lumbrant
