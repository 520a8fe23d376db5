#pragma once
// The help pages: one per tool, one per dialog, an index and a few general pages, written in
// one text file per language and turned into HTML pages at build time.
//
// A help source is UTF-8 text. Before the first page, "set word = text" lines give the words
// the pages need (index, tools, dialogs, pages, lang). Each page starts with
//   == tool:B_Recta | Title        (or dialog:TV_animac, page:index, page:basics; several ids
//                                   before the bar share one body; "{n}" in the title
//                                   stands for the id's position, from 1)
// and its body is paragraphs separated by blank lines, "## heading", "1. step", "- item",
// "> tip" lines, and "[[tool:B_Rayo]]" or "[[tool:B_Rayo|text]]" links; "//" lines are
// comments. A line that starts none of these continues the line above.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/tool_table.h"

namespace velt::help {

// The windows (by their object names) that have a help page of their own.
std::span<const std::string_view> HelpDialogs();

// The page file of a tool, of a dialog (nullopt for a window without a page) and of an id of
// the help source ("tool:B_Recta" -> "tool_B_Recta.html"; nullopt for a malformed id).
std::string ToolPage(Tool tool);
std::optional<std::string> DialogPage(std::string_view window);
std::optional<std::string> PageOfId(std::string_view id);
inline constexpr std::string_view kIndexPage = "index.html";

// The folder of the pages of a language: "es" for the Spanish table, "en" for any other.
inline std::string_view LanguageFolder(bool spanish) { return spanish ? "es" : "en"; }

struct HelpEntry {
  std::vector<std::string> ids;
  std::string title;
  std::vector<std::string> body;  // the lines after the header
  int line = 0;                   // of the header, for messages
};

struct HelpSource {
  std::map<std::string, std::string> words;
  std::vector<HelpEntry> entries;
  std::vector<std::string> errors;  // "line 12: ..." for what could not be read
};

HelpSource ParseHelpSource(std::string_view text);

// Every page as file name -> HTML; faults (a link to a page that does not exist, an id named
// twice) are added to errors.
std::map<std::string, std::string> RenderHelpPages(const HelpSource& source,
                                                   std::vector<std::string>& errors);

// The pages that every tool and every dialog of HelpDialogs() should have and that pages
// lacks.
std::vector<std::string> MissingHelpPages(const std::map<std::string, std::string>& pages);

}  // namespace velt::help
