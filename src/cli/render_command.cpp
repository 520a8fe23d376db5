// velt-cli render FILE -o OUT.png|OUT.svg|OUT.pdf|OUT.tex [--size WxH] [--centre]: draws a
// document into a picture, with no display.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "cli/commands.h"
#include "cli/file_loading.h"
#include "view/export_picture.h"
#include "view/render.h"
#include "view/svg_canvas.h"
#include "view/tikz_canvas.h"

extern char** environ;

namespace velt::cli {
namespace {

constexpr const char* kUsage =
    "render FILE -o OUT.png|OUT.svg|OUT.pdf|OUT.tex [--size WxH] [--centre]";

// The command's own messages.
constexpr const char* kCannotWrite = "cannot write the picture";
constexpr const char* kMacroHasNoPicture = "a macro file has no picture";
constexpr const char* kPngNeedsQt =
    "PNG and PDF pictures need the Qt build; write an .svg or a .tex instead";

int WriteFailed(const std::string& path) {
  std::fprintf(stderr, "velt-cli: %s: %s\n", path.c_str(), kCannotWrite);
  return kExitWriteFailed;
}

// SVG and TikZ are written here, by the core's own canvases.
template <class VectorCanvas>
int WriteVector(Document& doc, const RenderSettings& settings, const std::string& out) {
  VectorCanvas canvas(settings.width, settings.height);
  RenderDocument(doc, canvas, settings);
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file << canvas.Document();
  file.close();
  return file ? kExitOk : WriteFailed(out);
}

// The program that draws PNG and PDF pictures (it links Qt; velt-cli does not), next to
// velt-cli. It picks the format by the output's extension.
std::string PngHelperPath() {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return (self.parent_path() / "velt-cli-png").string();
}

// The document was loaded once here to report a bad file with its own message; the helper
// reads it again, draws it and answers with its exit code.
int WritePng(const std::string& in, const RenderSettings& settings, const std::string& out) {
  const std::string helper = PngHelperPath();
  if (helper.empty() || access(helper.c_str(), X_OK) != 0) {
    std::fprintf(stderr, "velt-cli: %s\n", kPngNeedsQt);
    return kExitUsage;
  }
  std::string width = std::to_string(settings.width), height = std::to_string(settings.height);
  std::string centre = settings.centre ? "1" : "0";
  std::string name = "velt-cli-png", input = in, output = out;
  char* argv[] = {name.data(),   input.data(),  output.data(), width.data(),
                  height.data(), centre.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, helper.c_str(), nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "velt-cli: %s\n", kPngNeedsQt);
    return kExitUsage;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return WriteFailed(out);
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? kExitOk : WriteFailed(out);
}

}  // namespace

int RunRender(const Args& args) {
  std::string in, out;
  RenderSettings settings;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (a == "--size" && i + 1 < args.size()) {
      if (!ParsePictureSize(args[++i], settings.width, settings.height)) return UsageError(kUsage);
    } else if (a == "--centre" || a == "--center") {
      settings.centre = true;
    } else if (in.empty() && !a.empty() && a[0] != '-') {
      in = a;
    } else {
      return UsageError(kUsage);
    }
  }
  const PictureFormat format = PictureFormatOf(out);
  const bool byHelper = format == PictureFormat::kPng || format == PictureFormat::kPdf;
  if (in.empty() || !(byHelper || format == PictureFormat::kSvg || format == PictureFormat::kTikz))
    return UsageError(kUsage);
  LoadedFile loaded = LoadAnyFile(in);
  if (loaded.exitCode != kExitOk) return loaded.exitCode;
  if (!loaded.document) {
    std::fprintf(stderr, "velt-cli: %s: %s\n", in.c_str(), kMacroHasNoPicture);
    return kExitInvalid;
  }
  if (byHelper) return WritePng(in, settings, out);
  return format == PictureFormat::kSvg ? WriteVector<SvgCanvas>(*loaded.document, settings, out)
                                       : WriteVector<TikzCanvas>(*loaded.document, settings, out);
}

}  // namespace velt::cli
