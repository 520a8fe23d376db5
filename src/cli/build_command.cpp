// velt-cli build [--in IN.vlt] [--out OUT.vlt] [--size WxH] SCRIPT: plays a construction
// script on a new document (or on IN.vlt) through the same interaction as the window. Messages
// the window would show go to stdout as "message: TEXT", the lines of `overlay` commands as
// "overlay: LINE"; then OUT.vlt is written, or, without
// --out, the result is printed as `dump` prints it. A line that cannot be read or played ends
// with exit code 6 and "line N: reason" on stderr, and nothing is written.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/document_json.h"
#include "cli/file_loading.h"
#include "io/element_records.h"
#include "model/element_list.h"
#include "ui/construction_script.h"
#include "ui/strings_files.h"
#include "ui/strings_scripts.h"
#include "ui/workspace.h"
#include "view/render.h"

namespace velt::cli {
namespace {

constexpr int kExitScriptLine = 6;
constexpr const char* kUsage = "build [--in IN.vlt] [--out OUT.vlt] [--size WxH] SCRIPT|-";

// At most one byte more than a script may hold, so that the reader can tell it is too long.
std::optional<std::string> ReadScript(const std::string& path) {
  constexpr std::streamsize kCap = static_cast<std::streamsize>(kScriptMaxBytes) + 1;
  std::string text(static_cast<size_t>(kCap), '\0');
  std::streamsize got = 0;
  if (path == "-") {
    std::cin.read(text.data(), kCap);
    got = std::cin.gcount();
    if (std::cin.bad()) return std::nullopt;
  } else {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) return std::nullopt;
    in.read(text.data(), kCap);
    got = in.gcount();
    if (in.bad()) return std::nullopt;
  }
  text.resize(static_cast<size_t>(got));
  return text;
}

struct BuildArgs {
  std::string in, out, script;
  bool haveIn = false, haveOut = false, haveScript = false;
  int width = 800, height = 600;
};

bool ParseArgs(const Args& args, BuildArgs& b) {
  bool haveSize = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](bool& seen, std::string& into) {
      if (seen || i + 1 >= args.size()) return false;
      seen = true;
      into = args[++i];
      return true;
    };
    if (a == "--in") {
      if (!value(b.haveIn, b.in)) return false;
    } else if (a == "--out") {
      if (!value(b.haveOut, b.out)) return false;
    } else if (a == "--size") {
      std::string size;
      if (!value(haveSize, size) || !ParsePictureSize(size, b.width, b.height)) return false;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return false;
    } else {
      if (b.haveScript) return false;
      b.haveScript = true;
      b.script = a;
    }
  }
  return b.haveScript;
}

}  // namespace

int RunBuild(const Args& args) {
  BuildArgs b;
  if (!ParseArgs(args, b)) return UsageError(kUsage);
  const auto script = ReadScript(b.script);
  if (!script) {
    ReportError(b.script, str::kScriptCannotRead);
    return kExitInvalid;
  }

  Workspace ws(false);
  ws.clientWidth = b.width;
  ws.clientHeight = b.height;
  FileHeader header;
  header.version = kCurrentVersion;
  header.type = kTypeDocument;
  if (b.haveIn) {
    LoadedFile f = LoadAnyFile(b.in);
    if (f.exitCode != kExitOk) return f.exitCode;
    if (!f.document) {
      ReportError(b.in, str::kNotADocument);
      return kExitInvalid;
    }
    header = f.header;
    ws.documents.Adopt(std::move(f.document), ws.options);
  } else {
    ws.NewDocument();
  }

  const ScriptResult result = RunScript(ws, *script, ScriptSettings{b.width, b.height});
  for (const std::string& m : result.messages) std::printf("message: %s\n", m.c_str());
  for (const std::string& o : result.overlay) std::printf("overlay: %s\n", o.c_str());
  std::fflush(stdout);
  if (result.failure) {
    std::fprintf(stderr, "line %d: %s\n", result.failure->line, result.failure->reason.c_str());
    return kExitScriptLine;
  }

  Document& doc = ws.doc();
  if (b.haveOut) {
    SaveSettings settings;
    settings.storeWindow = header.type == kTypeDocumentWithWindow;
    settings.window = header.window;
    if (!SaveDocumentFile(doc, PathFromUtf8(b.out), settings)) {
      ReportError(b.out, str::kWriteError);
      return kExitWriteFailed;
    }
    return kExitOk;
  }
  Renumber(doc.elements());
  header.version = kCurrentVersion;
  const std::string json = DocumentJson(doc, header);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return kExitOk;
}

}  // namespace velt::cli
