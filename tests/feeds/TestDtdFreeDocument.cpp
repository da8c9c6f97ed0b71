#include "feeds/DtdFreeDocument.h"
#include "feeds/XmlReader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

TEST(DtdFreeDocument, HtmlsNamesBecomeNumericReferencesAndTheDocumentTypeGoes) {
    struct Case {
        const char* Name;
        std::string Document;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {"references in text and attributes",
         "<a b=\"caf&eacute;\">&nbsp;&amp;&NotEqualTilde;&bogus; & &;</a>",
         "<a b=\"caf&#xE9;\">&#xA0;&amp;&#x2242;&#x338;&bogus; & &;</a>"},
        {"none in CDATA sections, comments and processing instructions",
         "<a><![CDATA[&nbsp;]]><!--&nbsp;--><?p &nbsp;?>&nbsp;</a>",
         "<a><![CDATA[&nbsp;]]><!--&nbsp;--><?p &nbsp;?>&#xA0;</a>"},
        {"a name longer than any of HTML's", "<a>&" + std::string(40, 'a') + ";</a>",
         "<a>&" + std::string(40, 'a') + ";</a>"},
        {"a document type naming an external DTD",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE rss PUBLIC \"-//N//DTD RSS 0.91//EN\"\n"
         " \"http://my.netscape.example/rss-0.91.dtd\">\n<rss/>",
         "<?xml version=\"1.0\"?>\n\n\n<rss/>"},
        {"a document type whose subset declares no entity",
         "<!DOCTYPE r [<!ATTLIST r a CDATA \"]>\"><!-- <!ENTITY x 'y'> --><?p ]> ?>]><r/>", "<r/>"},
        {"a document type that does not end", "<!DOCTYPE r [<r/>", "<!DOCTYPE r [<r/>"},
        {"a CDATA section that does not end", "<a><![CDATA[&nbsp;", "<a><![CDATA[&nbsp;"},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(DtdFreeDocument(row.Document), row.Expected) << row.Name;
    }
    for (const std::string declares :
         {"<!DOCTYPE r [<!ENTITY x \"y\">]><r>&x;</r>",
          "<!DOCTYPE r SYSTEM \"r.dtd\" [<!ENTITY % p SYSTEM \"http://e.example/\">%p;]><r/>"}) {
        EXPECT_THROW(DtdFreeDocument(declares), XmlError) << declares;
    }
}

} // namespace
} // namespace lumbrant
