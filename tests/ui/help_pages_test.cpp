// The help pages: the shipped sources give every tool and every dialog a page in both
// languages, every link leads to a page, and the markup turns into the HTML it stands for.
#include "ui/help_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace velt::help {
namespace {

std::string ReadSource(const char* language) {
  // tests/data sits two folders below the sources, beside which the help sources are.
  const auto path = std::filesystem::path(VELT_TEST_DATA).parent_path().parent_path() / "help" /
                    (std::string(language) + ".txt");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Rendered {
  std::map<std::string, std::string> pages;
  std::vector<std::string> errors;
};

Rendered Render(std::string_view text) {
  Rendered r;
  HelpSource source = ParseHelpSource(text);
  r.errors = source.errors;
  r.pages = RenderHelpPages(source, r.errors);
  return r;
}

std::vector<std::string> Links(const std::string& html) {
  std::vector<std::string> out;
  static const std::regex href("href=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), href); it != std::sregex_iterator();
       ++it)
    out.push_back((*it)[1]);
  return out;
}

std::string Between(const std::string& html, const std::string& open, const std::string& close) {
  const size_t a = html.find(open);
  if (a == std::string::npos) return {};
  const size_t b = html.find(close, a + open.size());
  return b == std::string::npos ? std::string() : html.substr(a + open.size(), b - a - open.size());
}

TEST(HelpPages, EveryToolAndDialogHasAPageInBothLanguagesAndEveryLinkLeadsToAPage) {
  std::map<std::string, Rendered> languages;
  for (const char* language : {"es", "en"}) {
    const std::string text = ReadSource(language);
    ASSERT_FALSE(text.empty()) << language;
    Rendered r = Render(text);
    EXPECT_TRUE(r.errors.empty()) << language << ": " << r.errors.front();
    // The pages that must exist, from the tool table and the table of dialogs.
    std::vector<std::string> wanted;
    for (int i = 0; i < kToolCount; ++i)
      wanted.push_back("tool_" + std::string(RowOf(static_cast<Tool>(i)).button) + ".html");
    for (std::string_view d : HelpDialogs()) wanted.push_back("dialog_" + std::string(d) + ".html");
    for (const std::string& page : wanted) {
      auto it = r.pages.find(page);
      ASSERT_NE(it, r.pages.end()) << language << ": " << page;
      EXPECT_FALSE(Between(it->second, "<h1>", "</h1>").empty()) << language << ": " << page;
      // Something to read beyond the title: a paragraph or a list.
      EXPECT_TRUE(it->second.find("<p>") != std::string::npos ||
                  it->second.find("<li>") != std::string::npos)
          << language << ": " << page;
    }
    for (const auto& [page, html] : r.pages) {
      const std::vector<std::string> links = Links(html);
      EXPECT_FALSE(links.empty()) << page;  // at least the way back to the index
      for (const std::string& link : links)
        EXPECT_TRUE(r.pages.count(link)) << language << ": " << page << " -> " << link;
    }
    // The index reaches every page.
    const std::vector<std::string> fromIndex = Links(r.pages.at("index.html"));
    const std::set<std::string> reached(fromIndex.begin(), fromIndex.end());
    for (const auto& [page, html] : r.pages)
      EXPECT_TRUE(reached.count(page)) << language << ": index misses " << page;
    languages[language] = std::move(r);
  }
  // The two languages have the same pages.
  std::set<std::string> es, en;
  for (const auto& [page, html] : languages["es"].pages) es.insert(page);
  for (const auto& [page, html] : languages["en"].pages) en.insert(page);
  EXPECT_EQ(es, en);
  // And they are really in their languages.
  EXPECT_EQ(Between(languages["es"].pages["tool_B_Circunf.html"], "<h1>", "</h1>"),
            "Circunferencia");
  EXPECT_EQ(Between(languages["en"].pages["tool_B_Circunf.html"], "<h1>", "</h1>"), "Circle");
}

TEST(HelpPages, MarkupBecomesHtml) {
  const Rendered r = Render(
      "set index = Back\n"
      "set lang = en\n"
      "== page:index | Start\n"
      "Hello <you> & **all**\n"
      "continued.\n"
      "\n"
      "## Steps\n"
      "1. Pick [[tool:B_Recta]],\n"
      "   then more.\n"
      "2. Pick [[tool:B_Rayo|a ray]].\n"
      "- one\n"
      "> tip\n"
      "> goes on\n"
      "// not shown\n"
      "== tool:B_Recta | Line\n"
      "A line.\n"
      "== tool:B_Rayo | Ray\n"
      "== tool:B_forma_angulo1 tool:B_forma_angulo2 | Mark {n}\n"
      "Marks.\n");
  ASSERT_TRUE(r.errors.empty()) << r.errors.front();
  const std::string& index = r.pages.at("index.html");
  EXPECT_NE(index.find("<html lang=\"en\">"), std::string::npos);
  EXPECT_NE(index.find("<p>Hello &lt;you&gt; &amp; <b>all</b> continued.</p>"), std::string::npos);
  EXPECT_NE(index.find("<h2>Steps</h2>\n<ol>\n<li>Pick <a href=\"tool_B_Recta.html\">Line</a>, "
                       "then more.</li>\n<li>Pick <a href=\"tool_B_Rayo.html\">a ray</a>.</li>\n"
                       "</ol>\n<ul>\n<li>one</li>\n</ul>\n<table class=\"tip\" width=\"100%\" "
                       "cellpadding=\"6\"><tr><td bgcolor=\"#fff8d8\">tip goes on</td></tr></table>"),
            std::string::npos)
      << index;
  EXPECT_EQ(index.find("not shown"), std::string::npos);
  EXPECT_NE(index.find("<a href=\"index.html\">Back</a>"), std::string::npos);
  // One body, one page per id, each with its own number.
  EXPECT_EQ(Between(r.pages.at("tool_B_forma_angulo1.html"), "<h1>", "</h1>"), "Mark 1");
  EXPECT_EQ(Between(r.pages.at("tool_B_forma_angulo2.html"), "<h1>", "</h1>"), "Mark 2");
  // The index lists the tools in the order of the tool table.
  const size_t line = index.find("<li><a href=\"tool_B_Recta.html\">Line</a></li>");
  const size_t ray = index.find("<li><a href=\"tool_B_Rayo.html\">Ray</a></li>");
  ASSERT_NE(line, std::string::npos);
  ASSERT_NE(ray, std::string::npos);
  EXPECT_LT(line, ray);
  // A source that lacks pages says which.
  const std::vector<std::string> missing = MissingHelpPages(r.pages);
  EXPECT_EQ(missing.size(), static_cast<size_t>(kToolCount) - 4 + HelpDialogs().size());
  EXPECT_EQ(std::count(missing.begin(), missing.end(), "tool_B_Recta.html"), 0);
  EXPECT_EQ(std::count(missing.begin(), missing.end(), "tool_Sel.html"), 1);
  EXPECT_EQ(std::count(missing.begin(), missing.end(), "dialog_TEdit_elem.html"), 1);
}

TEST(HelpPages, FaultsOfASourceAreNamedWithTheirLines) {
  const Rendered r = Render(
      "set index = Back\n"
      "loose words\n"
      "== page:index | Start\n"
      "See [[tool:B_Nothing]] and [[dialog:TV_calc]].\n"
      "== tool:B_Unknown | X\n"
      "== tool:B_Recta | Line\n"
      "== tool:B_Recta | Line again\n"
      "== dialog:TV_calc\n");
  const std::vector<std::string> expected = {
      "line 2: expected \"set word = text\" or a page header",
      "line 5: unknown page tool:B_Unknown",
      "line 8: a page header needs \"| title\"",
      "line 7: tool:B_Recta named twice",
      "line 3: no page tool:B_Nothing",
      "line 3: no page dialog:TV_calc",
  };
  EXPECT_EQ(r.errors, expected);
  // A source without an index is refused too.
  EXPECT_EQ(Render("== tool:B_Recta | Line\n").errors, std::vector<std::string>{"no page:index"});
}

TEST(HelpPages, PagesOfToolsDialogsAndIds) {
  EXPECT_EQ(ToolPage(Tool::B_Circ2pr), "tool_B_Circ2pr.html");
  EXPECT_EQ(DialogPage("TV_iterac_ni"), "dialog_TV_iterac_ni.html");
  EXPECT_EQ(DialogPage("TV_ayuda"), std::nullopt);  // the help window has no page of its own
  EXPECT_EQ(PageOfId("tool:Sel"), "tool_Sel.html");
  EXPECT_EQ(PageOfId("page:index"), "index.html");
  EXPECT_EQ(PageOfId("page:keys"), "keys.html");
  for (const char* bad : {"tool:", "B_Recta", "page:../x", "page:a b", "other:x", "tool:M_Recta"})
    EXPECT_EQ(PageOfId(bad), std::nullopt) << bad;
  EXPECT_EQ(LanguageFolder(true), "es");
  EXPECT_EQ(LanguageFolder(false), "en");
}

}  // namespace
}  // namespace velt::help
