// velt-cli-png IN OUT WIDTH HEIGHT CENTRE: the PNG and PDF half of `velt-cli render` (the
// format by OUT's extension), kept in a program of its own so that velt-cli itself never
// loads Qt. velt-cli has already checked
// the arguments and the file; this program says nothing and answers with its exit code:
// 0 written, 2 the file could not be read, 5 the picture could not be written.
#include <QGuiApplication>
#include <cstdlib>
#include <string>

#include "geometry/recompute.h"
#include "io/document_file.h"
#include "picture_export.h"
#include "view/render.h"

int main(int argc, char** argv) {
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
  // Both formats are drawn as velt-cli draws SVG pictures, and saved safely: a read-only
  // file stays as it was.
  const velt::PictureFormat format = velt::PictureFormatOf(argv[2]) == velt::PictureFormat::kPdf
                                         ? velt::PictureFormat::kPdf
                                         : velt::PictureFormat::kPng;
  velt::Document& doc = *load.document;
  velt::SetRenderView(doc, settings);
  velt::RecomputeAll(doc);
  velt::DrawOptions opt;
  opt.mainPicture = false;  // a picture for export: no selection marks
  const std::string bytes =
      velt::PictureBytes(doc, format, velt::PixelBox{0, 0, settings.width, settings.height}, opt);
  return !bytes.empty() && velt::SavePictureFile(argv[2], bytes) == velt::SaveResult::kSaved ? 0
                                                                                             : 5;
}
