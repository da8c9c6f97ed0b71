#include "newsdesk/FrontPage.h"

#include "frontpage/Editions.h"
#include "newsdesk/Rng.h"
#include "newsdesk/StoryCatalog.h"

namespace newsdesk {
namespace {

constexpr std::uint64_t kItemStream = 0x6974656D;

constexpr std::string_view kSectionHeadingPrefix =
    "<td bgcolor=#efefef class=ks width=60% nowrap>&nbsp;";
constexpr std::string_view kStoryItemMarker =
    "<table border=0 align=right cellpadding=5 cellspacing=0>";

// The topic letters the page uses in its own section links.
constexpr std::string_view kTopicLetters[8] = {"h", "w", "n", "b", "t", "s", "e", "m"};

std::string_view EditionLabel(std::string_view edition) {
    return edition == "tuk" ? "U.K." : "U.S.";
}

void AppendHead(std::string& page, std::string_view edition) {
    page += "<html><head>\n"
            "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">\n"
            "<title>Newsdesk ";
    page += EditionLabel(edition);
    page += "</title>\n"
            "<style><!--\n"
            "body,td,a,p,.h{font-family:arial,sans-serif}\n"
            ".ks{font-size:small;font-weight:bold;color:#000}\n"
            ".kx{font-size:x-small}\n"
            "a.y:visited{color:#551a8b}\n"
            "table.sh > tr > td{padding:2px}\n"
            "//-->\n"
            "</style>\n"
            "<script><!--\n"
            "function clk(el, ct) {\n"
            "  if (document.images && ct > 0) {\n"
            "    (new Image()).src = \"/url?sa=T&ct=\" + ct + \"&cd=\" + el.id;\n"
            "  }\n"
            "  return true;\n"
            "}\n"
            "function sf() { document.f.q.focus(); }\n"
            "//-->\n"
            "</script>\n"
            "</head>\n";
}

void AppendTopBar(std::string& page, std::string_view edition) {
    page += "<body bgcolor=#ffffff text=#000000 link=#0000cc vlink=#551a8b alink=#ff0000 "
            "topmargin=3 marginheight=3 onload=sf()>\n"
            "<table border=0 cellpadding=0 cellspacing=0 width=100%><tr>\n"
            "<td width=1% valign=top><a href=/news?ned=";
    page += edition;
    page += "><img src=/images/news.gif width=205 height=85 border=0 alt=\"Newsdesk\"></a></td>\n"
            "<td valign=top><form name=f action=/news method=get>"
            "<input type=hidden name=ned value=";
    page += edition;
    page += "><input type=text name=q size=40 maxlength=2048 value=\"\"> "
            "<input type=submit value=\"Search News\"> <input type=submit name=btnmeta "
            "value=\"Search the Web\"></form>\n"
            "<font size=-1>Editions: <a href=/news?ned=tus>U.S.</a> | "
            "<a href=/news?ned=tuk>U.K.</a> &nbsp; <b>";
    page += EditionLabel(edition);
    page += " edition</b> &nbsp; Auto-generated <nobr>from 4,500 sources</nobr></font></td>\n"
            "</tr></table>\n";
}

void AppendSideNavigation(std::string& page, std::string_view edition) {
    page += "<table border=0 cellpadding=0 cellspacing=0 width=100%><tr>\n"
            "<td valign=top width=120 nowrap><table border=0 cellpadding=3 cellspacing=0>\n";
    for (int i = 0; i < 8; ++i) {
        page += "<tr><td nowrap><font size=-1><a href=/news?ned=";
        page += edition;
        page += "&amp;topic=";
        page += kTopicLetters[i];
        page += " class=nav>";
        page += lumbrant::kSections[i].Title;
        page += "</a></font></td></tr>\n";
    }
    page += "<tr><td><br><font size=-2><a href=/alerts>News Alerts</a><br>"
            "<a href=/rss>RSS | Atom</a></font></td></tr>\n"
            "</table></td>\n"
            "<td width=10><img src=/images/cleardot.gif width=10 height=1 alt=\"\"></td>\n"
            "<td valign=top>\n";
}

void AppendSectionHeading(std::string& page, std::string_view edition, int section) {
    page += "<table border=0 width=100% cellpadding=2 cellspacing=0 class=sh><tr>";
    page += kSectionHeadingPrefix;
    page += lumbrant::kSections[section].Title;
    page += "</td><td bgcolor=#efefef class=kx align=right nowrap><a href=/news?ned=";
    page += edition;
    page += "&amp;topic=";
    page += kTopicLetters[section];
    page += "&amp;output=rss class=kl>RSS</a>&nbsp;</td></tr></table>\n";
}

void AppendStoryItem(std::string& page, const Story& story) {
    Rng rng(story.Seed ^ kItemStream);
    const bool withPicture = rng.Chance(40);
    const bool quotedFirstLink = rng.Chance(50);
    const int hours = rng.Chance(15) ? 1 : rng.Between(2, 23);
    const std::string id =
        "r-" + std::to_string(story.SectionIndex) + "_" + std::to_string(story.IndexInSection);

    page += kStoryItemMarker;
    page += "<tr><td width=80 align=center valign=top>";
    if (withPicture) {
        page += quotedFirstLink ? "<a href=\"" + story.Url + "\"" : "<a href=" + story.Url;
        page += " onclick=\"return clk(this," + std::to_string(story.Number) + ")\" id=i-" + id;
        page += "><img src=/news?imgefp=" + std::to_string(story.Seed % 100000) +
                " width=76 height=57 alt=\"\" border=1></a><br>"
                "<font size=-2 color=#6f6f6f>" +
                story.Outlet + "</font>";
    }
    page += "</td></tr></table>\n";

    const bool quotedHeadline = withPicture ? !quotedFirstLink : quotedFirstLink;
    page += quotedHeadline ? "<a href=\"" + story.Url + "\"" : "<a href=" + story.Url;
    page += " id=" + id + " class=y onclick=\"return clk(this,0)\"><b>";
    page += story.Title;
    page += "</b></a><br>\n<font size=-1><font color=#6f6f6f><b>";
    page += story.Outlet;
    page += "&nbsp;-</b></font> <nobr>";
    page += hours == 1 ? "1 hour ago" : std::to_string(hours) + " hours ago";
    page += "</nobr></font><br>\n<font size=-1>";
    page += story.Snippet;
    page += "</font><br>\n<font size=-1 class=p><a href=/news?ned=";
    page += story.Edition;
    page += "&amp;ncl=" + std::to_string(story.Seed % 1000000) + " class=p><nobr><b>all " +
            std::to_string(rng.Between(12, 1800)) +
            " news articles&nbsp;&raquo;</b></nobr></a></font><br clear=all><br>\n";
}

void AppendFooter(std::string& page) {
    page += "</td></tr></table>\n"
            "<br><center><font size=-1><a href=/intl/about.html>About Newsdesk</a> - "
            "<a href=/help>Help</a> - <a href=/privacy>Privacy</a></font><br>\n"
            "<font size=-2>&copy;2005 Newsdesk - The selection and placement of stories "
            "on this page were determined automatically by a computer program.</font>"
            "</center>\n"
            "<script><!--\nif (window.screen && screen.width > 800) { "
            "document.write(\"<b></b>\"); }\n//-->\n</script>\n"
            "</body></html>\n";
}

} // namespace

std::string RenderFrontPage(std::string_view edition, const std::vector<Story>& stories) {
    std::string page;
    page.reserve(4096 + stories.size() * 900);
    AppendHead(page, edition);
    AppendTopBar(page, edition);
    AppendSideNavigation(page, edition);
    std::size_t next = 0;
    for (int section = 0; section < 8; ++section) {
        AppendSectionHeading(page, edition, section);
        while (next < stories.size() && stories[next].SectionIndex == section) {
            AppendStoryItem(page, stories[next]);
            ++next;
        }
        page += "<font size=-1><a href=/news?ned=";
        page += edition;
        page += "&amp;topic=";
        page += kTopicLetters[section];
        page += " class=ks>More ";
        page += lumbrant::kSections[section].Title;
        page += " stories &raquo;</a></font><br><br>\n";
    }
    AppendFooter(page);
    return page;
}

} // namespace newsdesk
