// velt-cli render FILE -o OUT.png|OUT.svg [--size WxH] [--centre]: draws a document into a
// picture, with no display.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>

#include "cli/commands.h"
#include "cli/file_loading.h"
#include "view/render.h"
#include "view/svg_canvas.h"

#ifdef VELT_CLI_QT
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdlib>

#include "qt_canvas.h"
#endif

namespace velt::cli {
namespace {

constexpr const char* kUsage = "render FILE -o OUT.png|OUT.svg [--size WxH] [--centre]";

bool EndsWith(const std::string& s, const char* tail) {
  const std::string t = tail;
  if (s.size() < t.size()) return false;
  for (size_t i = 0; i < t.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[s.size() - t.size() + i])) != t[i]) return false;
  return true;
}

// The command's own messages.
constexpr const char* kCannotWrite = "cannot write the picture";
constexpr const char* kMacroHasNoPicture = "a macro file has no picture";
constexpr const char* kPngNeedsQt = "PNG pictures need the Qt build; write an .svg instead";

int WriteFailed(const std::string& path) {
  std::fprintf(stderr, "velt-cli: %s: %s\n", path.c_str(), kCannotWrite);
  return kExitWriteFailed;
}

int WriteSvg(Document& doc, const RenderSettings& settings, const std::string& out) {
  SvgCanvas canvas(settings.width, settings.height);
  RenderDocument(doc, canvas, settings);
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file << canvas.Document();
  file.close();
  return file ? kExitOk : WriteFailed(out);
}

int WritePng(Document& doc, const RenderSettings& settings, const std::string& out) {
#ifdef VELT_CLI_QT
  // Pictures are drawn without a display, and Qt's own remarks stay off the terminal.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static int argc = 1;
  static char name[] = "velt-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  QtCanvas canvas(settings.width, settings.height);
  RenderDocument(doc, canvas, settings);
  QImageWriter writer(QString::fromStdString(out), "png");
  return writer.write(canvas.Image()) ? kExitOk : WriteFailed(out);
#else
  (void)doc;
  (void)settings;
  (void)out;
  std::fprintf(stderr, "velt-cli: %s\n", kPngNeedsQt);
  return kExitUsage;
#endif
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
  const bool png = EndsWith(out, ".png"), svg = EndsWith(out, ".svg");
  if (in.empty() || (!png && !svg)) return UsageError(kUsage);
  LoadedFile loaded = LoadAnyFile(in);
  if (loaded.exitCode != kExitOk) return loaded.exitCode;
  if (!loaded.document) {
    std::fprintf(stderr, "velt-cli: %s: %s\n", in.c_str(), kMacroHasNoPicture);
    return kExitInvalid;
  }
  return png ? WritePng(*loaded.document, settings, out)
             : WriteSvg(*loaded.document, settings, out);
}

}  // namespace velt::cli
