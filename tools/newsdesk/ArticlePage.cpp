#include "newsdesk/ArticlePage.h"

#include "newsdesk/ArticleText.h"
#include "newsdesk/Prose.h"
#include "newsdesk/Rng.h"

namespace newsdesk {
namespace {

constexpr std::uint64_t kLayoutStream = 0x6C61796F;

constexpr std::string_view kNavigation =
    "<a href=/>Home</a> | <a href=/world/>World</a> | <a href=/nation/>Nation</a> | "
    "<a href=/business/>Business</a> | <a href=/technology/>Technology</a> | "
    "<a href=/sport/>Sport</a> | <a href=/culture/>Culture</a> | <a href=/health/>Health</a> | "
    "<a href=/weather/>Weather</a>";

void AppendHead(std::string& page, const Story& story, Rng& rng) {
    page += "<html>\n<head>\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
            "<title>";
    page +=
        (story.Placement == SnippetOnPage::Absent ? std::string("Page not found") : story.Title) +
        " - " + story.Outlet;
    page += "</title>\n";
    if (story.Placement == SnippetOnPage::Verbatim) {
        page += "<meta name=\"description\" content=\"" + story.Snippet + "\">\n";
    }
    page += "<link rel=stylesheet type=\"text/css\" href=/css/site.css>\n"
            "<style type=\"text/css\">\n"
            "body { font-family: Georgia, 'Times New Roman', serif; margin: 0 }\n"
            ".nav a { color: #003366; text-decoration: none }\n"
            "p.lede { font-size: 1.1em }\n"
            "td.rail > div { margin-bottom: 8px }\n"
            "</style>\n"
            "<script type=\"text/javascript\">\n"
            "var pageSection = \"";
    page += story.CategoryCode;
    page +=
        "\";\n"
        "function mark(el) {\n"
        "  if (el && el.offsetWidth > 300) { el.innerHTML = \"<b>\" + el.innerHTML + \"</b>\"; }\n"
        "}\n"
        "</script>\n";
    if (rng.Chance(50)) {
        page += "<script language=\"JavaScript\"><!--\n"
                "if (document.referrer.length > 0) { document.write('<b>Welcome back</b>'); }\n"
                "// -->\n"
                "</script>\n";
    }
    page += "<!-- page built by the newsroom publishing system; edits here will be lost -->\n"
            "</head>\n";
}

void AppendBodyTag(std::string& page, const Story& story) {
    if (story.BodyTag == "<body") {
        page += "<body bgcolor=#ffffff onload=\"mark(document.getElementById('story'))\">\n";
    } else if (story.BodyTag == "<BODY") {
        page += "<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#003366>\n";
    } else if (story.BodyTag == "<Body") {
        page += "<Body class=article>\n";
    }
}

void AppendMasthead(std::string& page, const Story& story) {
    page += "<table width=100% cellpadding=0 cellspacing=0 class=masthead><tr>\n"
            "<td><a href=/><img src=/img/masthead.gif width=320 height=48 border=0 alt=\"";
    page += story.Outlet;
    page += "\"></a></td>\n<td align=right class=date>Updated every hour</td>\n</tr></table>\n"
            "<table width=100% cellpadding=4 cellspacing=0 class=nav><tr>\n<td>";
    page += kNavigation;
    page += "</td>\n<td align=right><form action=/search method=get>"
            "<input type=text name=q size=18><input type=submit value=Search></form></td>\n"
            "</tr></table>\n";
}

void AppendStoryTop(std::string& page, const Story& story, Rng& rng) {
    if (story.Placement == SnippetOnPage::Absent) {
        // The paper's "not found" page knows nothing of the story.
        return;
    }
    page += "<h1 class=headline>" + story.Title + "</h1>\n";
    page += "<div class=byline>By <span class=author>" +
            HeadlineProse(story.SectionIndex, story.Seed).Person() + "</span><br>" + story.Outlet +
            "</div>\n";
    if (story.Placement == SnippetOnPage::Verbatim && rng.Chance(40)) {
        // Share buttons often repeat the summary in an attribute.
        page += "<div class=share><a href=/share?u=" + story.ArticlePath + " title=\"" +
                story.Snippet + "\">Share this story</a></div>\n";
    }
    page += "<!-- story text -->\n";
}

constexpr std::string_view kRail = "<b>Most read</b><br>\n"
                                   "<a href=/most-read/1>Weather warning for the weekend</a><br>\n"
                                   "<a href=/most-read/2>Letters to the editor</a><br>\n"
                                   "<a href=/most-read/3>Crossword and puzzles</a><br>\n";

void AppendTableLayout(std::string& page, const Story& story, Rng& rng) {
    page += "<table width=100% cellpadding=6 cellspacing=0><tr>\n"
            "<td valign=top width=150 class=rail>";
    page += kRail;
    page += "</td>\n<td valign=top class=story id=story>\n";
    AppendStoryTop(page, story, rng);
    page += RenderArticleText(story);
    page += "</td>\n<td valign=top width=180 class=rail><div><b>Advertisement</b><br>"
            "<img src=/ads/sky.gif width=160 height=600 alt=\"\"></div></td>\n"
            "</tr></table>\n<hr size=1 noshade>\n";
}

void AppendDivLayout(std::string& page, const Story& story, Rng& rng) {
    page += "<table width=100% cellpadding=2 cellspacing=0 class=rail><tr><td>";
    page += kRail;
    page += "</td></tr></table>\n<div id=story class=story>\n";
    AppendStoryTop(page, story, rng);
    page += RenderArticleText(story);
    page += "</div>\n";
    switch (rng.Below(3)) {
    case 0:
        page += "<hr size=1 noshade>\n";
        break;
    case 1:
        page += "<table width=100% class=related><tr><td><b>Related stories</b><br>"
                "<a href=/archive/>From the archive</a></td></tr></table>\n";
        break;
    default:
        page += "<form action=/comments method=post class=comments><b>Have your say</b><br>"
                "<textarea name=c rows=4 cols=60></textarea><br>"
                "<input type=submit value=Send></form>\n";
        break;
    }
}

void AppendFooter(std::string& page, const Story& story) {
    page += "<table width=100% class=footer><tr><td><font size=-2>&copy; ";
    page += story.Outlet;
    page += ". All rights reserved. <a href=/privacy>Privacy</a> | <a href=/contact>Contact us</a>"
            "</font></td></tr></table>\n"
            "<script type=\"text/javascript\">\n"
            "var _q = _q || []; if (_q.length > 0) { track(\"<b>view</b>\"); }\n"
            "</script>\n";
    if (!story.BodyTag.empty()) {
        page += "</body>";
    }
    page += "\n</html>\n";
}

} // namespace

std::string RenderArticlePage(const Story& story) {
    Rng rng(story.Seed ^ kLayoutStream);
    std::string page;
    page.reserve(12000);
    AppendHead(page, story, rng);
    AppendBodyTag(page, story);
    AppendMasthead(page, story);
    if (rng.Chance(50)) {
        AppendTableLayout(page, story, rng);
    } else {
        AppendDivLayout(page, story, rng);
    }
    AppendFooter(page, story);
    return page;
}

} // namespace newsdesk
