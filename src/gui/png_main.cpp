// velt-cli-png IN OUT WIDTH HEIGHT CENTRE: the PNG and PDF half of `velt-cli render` (the
// format by OUT's extension), kept in a program of its own so that velt-cli itself never
// loads Qt. velt-cli has already checked
// the arguments and the file; this program says nothing and answers with its exit code:
// 0 written, 2 the file could not be read, 5 the picture could not be written.
//
// velt-cli-png --frames N IN OUT WIDTH HEIGHT CENTRE: the frames of `velt-cli animate`. The
// document's animation runs N ticks; after each, the figure is drawn, traced elements leaving
// their marks from frame to frame. With OUT "-" the frames'
// pixels go to standard output (three bytes a pixel, rows top down) for velt-cli to encode;
// otherwise each frame is saved as OUT with "-0001", "-0002", ... before its extension.
#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "anim/animation.h"
#include "geometry/recompute.h"
#include "io/document_file.h"
#include "picture_export.h"
#include "qt_canvas.h"
#include "view/pictures.h"
#include "view/redraw.h"
#include "view/render.h"

namespace {

// "fig.png" and frame 7 give "fig-0007.png".
std::string FramePath(const std::string& out, int frame) {
  char number[16];
  std::snprintf(number, sizeof number, "-%04d", frame);
  const size_t dot = out.rfind('.');
  const size_t slash = out.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return out + number;
  return out.substr(0, dot) + number + out.substr(dot);
}

int Frames(velt::Document& doc, int frames, const std::string& out,
           const velt::RenderSettings& settings) {
  const int w = settings.width, h = settings.height;
  velt::QtCanvas canvas(w, h);
  canvas.SetAntialiased(doc.antiAliased != 0);
  // Traced elements leave their marks from frame to frame, as in the animation window.
  velt::QtCanvas traces(w, h);
  velt::ClearPicture(traces, velt::TraceBackground(doc.backgroundColour));
  velt::DrawOptions opt;
  opt.mainPicture = false;
  opt.tracePicture = &traces;
  opt.addTraces = true;
  opt.clientWidth = w;
  opt.clientHeight = h;
  const bool raw = out == "-";
  for (int i = 1; i <= frames; ++i) {
    velt::AnimationTick(doc);
    velt::RedrawAll(doc, canvas, opt);
    if (raw) {
      const QImage image = canvas.Image().convertToFormat(QImage::Format_RGB888);
      for (int y = 0; y < image.height(); ++y) {
        const size_t n = static_cast<size_t>(image.width()) * 3;
        if (std::fwrite(image.constScanLine(y), 1, n, stdout) != n) return 5;
      }
    } else {
      QByteArray bytes;
      QBuffer buffer(&bytes);
      if (!buffer.open(QIODevice::WriteOnly) || !canvas.Image().save(&buffer, "PNG") ||
          velt::SavePictureFile(FramePath(out, i),
                                std::string_view(bytes.constData(), bytes.size())) !=
              velt::SaveResult::kSaved)
        return 5;
    }
  }
  return std::fflush(stdout) == 0 ? 0 : 5;
}

}  // namespace

int main(int argc, char** argv) {
  int frames = 0;
  if (argc == 8 && std::string(argv[1]) == "--frames") {
    frames = std::atoi(argv[2]);
    if (frames < 1) return 1;
    argv += 2;
    argc -= 2;
  }
  if (argc != 6) return 1;
  velt::RenderSettings settings;
  settings.width = std::atoi(argv[3]);
  settings.height = std::atoi(argv[4]);
  settings.centre = std::string(argv[5]) == "1";
  if (settings.width < 1 || settings.height < 1) return 1;

  velt::DocumentLoad load = velt::LoadDocumentFile(velt::PathFromUtf8(argv[1]), velt::Options{});
  if (!load.document) return 2;

  // Pictures are drawn without a display, and Qt's own remarks stay off the terminal.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  velt::Document& doc = *load.document;
  velt::SetRenderView(doc, settings);
  velt::RecomputeAll(doc);
  if (frames > 0) return Frames(doc, frames, argv[2], settings);
  // Both formats are drawn as velt-cli draws SVG pictures, and saved safely: a read-only
  // file stays as it was.
  const velt::PictureFormat format = velt::PictureFormatOf(argv[2]) == velt::PictureFormat::kPdf
                                         ? velt::PictureFormat::kPdf
                                         : velt::PictureFormat::kPng;
  velt::DrawOptions opt;
  opt.mainPicture = false;  // a picture for export: no selection marks
  const std::string bytes =
      velt::PictureBytes(doc, format, velt::PixelBox{0, 0, settings.width, settings.height}, opt);
  return !bytes.empty() && velt::SavePictureFile(argv[2], bytes) == velt::SaveResult::kSaved ? 0
                                                                                             : 5;
}
