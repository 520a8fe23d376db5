#include "ui/help_pages.h"

#include <algorithm>
#include <set>

namespace velt::help {
namespace {

constexpr std::string_view kDialogs[] = {
    "TEdit_elem", "TV_calc",           "TV_ed_param", "TV_rep_pun", "TVTexto",      "TVcolpar",
    "TMacCon",    "TV_animac",         "TPaP",        "TV_iterac",  "TV_iterac_ni", "TMuePan",
    "TV_imp",     "ListaConstruccion", "TV_listadoc", "TOp_Gen",    "TOp_aspecto",  "TOp_fon",
    "TV_idioma",
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

std::vector<std::string> Words(std::string_view s) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && s[i] == ' ') ++i;
    size_t j = i;
    while (j < s.size() && s[j] != ' ') ++j;
    if (j > i) out.emplace_back(s.substr(i, j - i));
    i = j;
  }
  return out;
}

void Escape(std::string_view s, std::string& out) {
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

struct Renderer {
  const HelpSource& source;
  std::map<std::string, std::string> titles;  // file -> title
  std::vector<std::string>& errors;

  std::string Word(const std::string& key) const {
    auto it = source.words.find(key);
    return it == source.words.end() ? key : it->second;
  }

  // Text with its [[links]] and **bold** runs, escaped.
  std::string Inline(std::string_view s, const HelpEntry& at) const {
    std::string out;
    bool bold = false;
    while (!s.empty()) {
      if (StartsWith(s, "[[")) {
        const size_t end = s.find("]]");
        if (end != std::string_view::npos) {
          std::string_view link = s.substr(2, end - 2);
          std::string_view text;
          if (size_t bar = link.find('|'); bar != std::string_view::npos) {
            text = Trim(link.substr(bar + 1));
            link = link.substr(0, bar);
          }
          link = Trim(link);
          const std::optional<std::string> file = PageOfId(link);
          if (!file || !titles.count(*file))
            errors.push_back("line " + std::to_string(at.line) + ": no page " + std::string(link));
          const std::string href = file.value_or(std::string(link));
          out += "<a href=\"" + href + "\">";
          auto t = titles.find(href);
          Escape(!text.empty()       ? text
                 : t != titles.end() ? std::string_view(t->second)
                                     : link,
                 out);
          out += "</a>";
          s.remove_prefix(end + 2);
          continue;
        }
      }
      if (StartsWith(s, "**")) {
        out += bold ? "</b>" : "<b>";
        bold = !bold;
        s.remove_prefix(2);
        continue;
      }
      Escape(s.substr(0, 1), out);
      s.remove_prefix(1);
    }
    if (bold) out += "</b>";
    return out;
  }

  // The body: blocks of paragraphs, headings, numbered steps, items and tips.
  std::string Body(const HelpEntry& e) const {
    std::string out;
    std::string open;  // "p", "ol", "ul", "tip" or empty
    std::string text;  // the paragraph or item being gathered
    auto flushText = [&] {
      if (text.empty()) return;
      if (open == "p") out += "<p>" + Inline(text, e) + "</p>\n";
      // A tip is a one-cell table: the text browser of the window pads and colours table
      // cells, where it would pad each line of a paragraph.
      if (open == "tip")
        out +=
            "<table class=\"tip\" width=\"100%\" cellpadding=\"6\"><tr><td "
            "bgcolor=\"#fff8d8\">" +
            Inline(text, e) + "</td></tr></table>\n";
      if (open == "ol" || open == "ul") out += "<li>" + Inline(text, e) + "</li>\n";
      text.clear();
    };
    auto close = [&] {
      flushText();
      if (open == "ol" || open == "ul") out += "</" + open + ">\n";
      open.clear();
    };
    auto start = [&](const std::string& kind) {
      flushText();
      if (open != kind || kind == "p" || kind == "tip") {
        close();
        if (kind == "ol" || kind == "ul") out += "<" + kind + ">\n";
      }
      open = kind;
    };
    for (const std::string& raw : e.body) {
      const std::string_view line = Trim(raw);
      if (line.empty()) {
        close();
      } else if (StartsWith(line, "## ")) {
        close();
        out += "<h2>" + Inline(line.substr(3), e) + "</h2>\n";
      } else if (line.size() > 2 && line[0] >= '0' && line[0] <= '9' &&
                 line.find(". ") != std::string_view::npos &&
                 std::all_of(line.begin(), line.begin() + line.find(". "),
                             [](char c) { return c >= '0' && c <= '9'; })) {
        start("ol");
        text = std::string(line.substr(line.find(". ") + 2));
      } else if (StartsWith(line, "- ")) {
        start("ul");
        text = std::string(line.substr(2));
      } else if (StartsWith(line, "> ") && open == "tip") {
        text += " " + std::string(line.substr(2));  // the tip goes on
      } else if (StartsWith(line, "> ")) {
        start("tip");
        text = std::string(line.substr(2));
      } else if (!open.empty()) {
        text += (text.empty() ? "" : " ") + std::string(line);
      } else {
        start("p");
        text = std::string(line);
      }
    }
    close();
    return out;
  }

  std::string Page(const std::string& title, const std::string& body) const {
    std::string out = "<!DOCTYPE html>\n<html lang=\"" + Word("lang") +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    Escape(title, out);
    out +=
        "</title>\n<style>\nbody { font-family: sans-serif; max-width: 46em; margin: 1em; }\n"
        "table.tip { border-left: 4px solid #d8b020; margin: 0.5em 0; }\n"
        "p.nav { font-size: small; }\n</style>\n</head>\n<body>\n<p class=\"nav\"><a href=\"" +
        std::string(kIndexPage) + "\">";
    Escape(Word("index"), out);
    out += "</a></p>\n<h1>";
    Escape(title, out);
    out += "</h1>\n" + body + "<hr>\n<p class=\"nav\"><a href=\"" + std::string(kIndexPage) + "\">";
    Escape(Word("index"), out);
    out += "</a></p>\n</body>\n</html>\n";
    return out;
  }

  std::string ListOf(const std::vector<std::string>& files) const {
    std::string out = "<ul>\n";
    for (const std::string& f : files) {
      auto t = titles.find(f);
      if (t == titles.end()) continue;
      out += "<li><a href=\"" + f + "\">";
      Escape(t->second, out);
      out += "</a></li>\n";
    }
    return out + "</ul>\n";
  }
};

// The title of one id of a page: "{n}" stands for the id's position, from 1.
std::string NumberedTitle(const HelpEntry& e, const std::string& id) {
  std::string title = e.title;
  const size_t at = title.find("{n}");
  if (at == std::string::npos) return title;
  const auto pos = std::find(e.ids.begin(), e.ids.end(), id) - e.ids.begin();
  return title.replace(at, 3, std::to_string(pos + 1));
}

}  // namespace

std::span<const std::string_view> HelpDialogs() { return kDialogs; }

std::string ToolPage(Tool tool) { return "tool_" + std::string(RowOf(tool).button) + ".html"; }

std::optional<std::string> DialogPage(std::string_view window) {
  for (std::string_view d : kDialogs)
    if (d == window) return "dialog_" + std::string(window) + ".html";
  return std::nullopt;
}

std::optional<std::string> PageOfId(std::string_view id) {
  const size_t colon = id.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view kind = id.substr(0, colon), name = id.substr(colon + 1);
  if (name.empty() || name.find_first_of("/\\. \"<>&") != std::string_view::npos)
    return std::nullopt;
  if (kind == "tool") {
    if (auto t = ToolFromButton(name)) return ToolPage(*t);
    return std::nullopt;
  }
  if (kind == "dialog") return DialogPage(name);
  if (kind == "page")
    return name == "index" ? std::string(kIndexPage) : std::string(name) + ".html";
  return std::nullopt;
}

HelpSource ParseHelpSource(std::string_view text) {
  HelpSource src;
  int number = 0;
  while (!text.empty()) {
    const size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (StartsWith(Trim(line), "//")) continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    if (StartsWith(line, "== ")) {
      HelpEntry e;
      e.line = number;
      const size_t bar = line.find('|');
      if (bar == std::string_view::npos) {
        src.errors.push_back(where + "a page header needs \"| title\"");
        continue;
      }
      e.title = std::string(Trim(line.substr(bar + 1)));
      e.ids = Words(line.substr(3, bar - 3));
      if (e.ids.empty() || e.title.empty()) src.errors.push_back(where + "ids and title needed");
      for (const std::string& id : e.ids)
        if (!PageOfId(id)) src.errors.push_back(where + "unknown page " + id);
      src.entries.push_back(std::move(e));
    } else if (src.entries.empty()) {
      const std::string_view t = Trim(line);
      if (t.empty()) continue;
      const size_t eq = t.find('=');
      if (!StartsWith(t, "set ") || eq == std::string_view::npos) {
        src.errors.push_back(where + "expected \"set word = text\" or a page header");
        continue;
      }
      src.words[std::string(Trim(t.substr(4, eq - 4)))] = std::string(Trim(t.substr(eq + 1)));
    } else {
      src.entries.back().body.emplace_back(line);
    }
  }
  return src;
}

std::map<std::string, std::string> RenderHelpPages(const HelpSource& source,
                                                   std::vector<std::string>& errors) {
  Renderer r{source, {}, errors};
  for (const HelpEntry& e : source.entries)
    for (const std::string& id : e.ids)
      if (auto file = PageOfId(id)) {
        if (r.titles.count(*file))
          errors.push_back("line " + std::to_string(e.line) + ": " + id + " named twice");
        r.titles[*file] = NumberedTitle(e, id);
      }
  std::map<std::string, std::string> pages;
  for (const HelpEntry& e : source.entries) {
    std::string body = r.Body(e);
    const bool index = std::find(e.ids.begin(), e.ids.end(), "page:index") != e.ids.end();
    if (index) {
      // The index lists every page: tools in the order of the tool table, dialogs in the order
      // of their table, then the general pages in the order of the source.
      std::vector<std::string> tools, dialogs, general;
      for (int i = 0; i < kToolCount; ++i) tools.push_back(ToolPage(static_cast<Tool>(i)));
      for (std::string_view d : kDialogs) dialogs.push_back(*DialogPage(d));
      for (const HelpEntry& g : source.entries)
        for (const std::string& id : g.ids)
          if (StartsWith(id, "page:") && id != "page:index") general.push_back(*PageOfId(id));
      body += "<h2>" + r.Inline(r.Word("pages"), e) + "</h2>\n" + r.ListOf(general);
      body += "<h2>" + r.Inline(r.Word("tools"), e) + "</h2>\n" + r.ListOf(tools);
      body += "<h2>" + r.Inline(r.Word("dialogs"), e) + "</h2>\n" + r.ListOf(dialogs);
    }
    for (size_t i = 0; i < e.ids.size(); ++i)
      if (auto file = PageOfId(e.ids[i])) pages[*file] = r.Page(r.titles[*file], body);
  }
  if (!pages.count(std::string(kIndexPage))) errors.push_back("no page:index");
  return pages;
}

std::vector<std::string> MissingHelpPages(const std::map<std::string, std::string>& pages) {
  std::vector<std::string> missing;
  for (int i = 0; i < kToolCount; ++i)
    if (!pages.count(ToolPage(static_cast<Tool>(i))))
      missing.push_back(ToolPage(static_cast<Tool>(i)));
  for (std::string_view d : kDialogs)
    if (!pages.count(*DialogPage(d))) missing.push_back(*DialogPage(d));
  return missing;
}

}  // namespace velt::help
