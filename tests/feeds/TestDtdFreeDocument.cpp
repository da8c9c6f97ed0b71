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
        bool Cut = false;
    };
    const std::vector<Case> cases = {
        {"references in text and attributes",
         "<a b=\"caf&eacute;\">&nbsp;&amp;&NotEqualTilde;&#38; & &; &#x;</a>",
         "<a b=\"caf&#xE9;\">&#xA0;&amp;&#x2242;&#x338;&#38; & &; &#x;</a>"},
        {"none in CDATA sections, comments and processing instructions",
         "<a><![CDATA[&nbsp;&bogus;]]><!--&nbsp;&bogus;--><?p &bogus;?>&nbsp;</a>",
         "<a><![CDATA[&nbsp;&bogus;]]><!--&nbsp;&bogus;--><?p &bogus;?>&#xA0;</a>"},
        {"cut where a name that HTML does not know stands", "<a>&nbsp;\n&bogus; more</a>",
         "<a>&#xA0;\n", true},
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
        const DtdFreeText free = DtdFreeDocument(row.Document);
        EXPECT_EQ(free.Text, row.Expected) << row.Name;
        EXPECT_EQ(free.CutAtUnknownName, row.Cut) << row.Name;
    }
    for (const std::string declares :
         {"<!DOCTYPE r [<!ENTITY x \"y\">]><r>&x;</r>",
          "<!DOCTYPE r SYSTEM \"r.dtd\" [<!ENTITY % p SYSTEM \"http://e.example/\">%p;]><r/>"}) {
        EXPECT_THROW(DtdFreeDocument(declares), XmlError) << declares;
    }
}

} // namespace
} // namespace lumbrant
