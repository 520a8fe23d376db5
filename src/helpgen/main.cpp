// velt-helpgen SOURCE FOLDER: turns one language's help source into its HTML pages. Fails,
// naming every fault, when the source cannot be read, a link leads nowhere or a tool or
// dialog has no page, so that a build never ships incomplete help.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "ui/help_pages.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: velt-helpgen SOURCE FOLDER\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  const velt::help::HelpSource source = velt::help::ParseHelpSource(text.str());
  std::vector<std::string> errors = source.errors;
  const auto pages = velt::help::RenderHelpPages(source, errors);
  for (const std::string& m : velt::help::MissingHelpPages(pages))
    errors.push_back("no page for " + m);
  for (const std::string& e : errors) std::cerr << argv[1] << ": " << e << "\n";
  if (!errors.empty()) return 1;

  const std::filesystem::path folder = argv[2];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  // Pages of an older source that no longer exist would be shipped too: remove them.
  for (const auto& f : std::filesystem::directory_iterator(folder, ec))
    if (f.path().extension() == ".html" && !pages.count(f.path().filename().string()))
      std::filesystem::remove(f.path(), ec);
  for (const auto& [name, html] : pages) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out << html;
    if (!out.flush()) {
      std::cerr << (folder / name).string() << ": cannot be written\n";
      return 1;
    }
  }
  return 0;
}
