// Pictures and prints of the figure: exported selections read back, anti-aliased pixels,
// printing to a PDF file at a known scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QImageReader>
#include <QPrinter>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <filesystem>
#include <set>

#include "construction_list_window.h"
#include "export_commands.h"
#include "io/document_file.h"
#include "main_window.h"
#include "painter_canvas.h"
#include "picture_export.h"
#include "print_job.h"
#include "print_preview_dialog.h"
#include "qt_canvas.h"
#include "support/builders.h"
#include "ui/workspace.h"
#include "view/redraw.h"

namespace velt {
namespace {

constexpr int32_t kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

// The origin at pixel (200, 150) of a 400 × 300 view on white; a blue segment from
// (-100, 50) to (100, 50) (pixel row 100, columns 100..300) and a red point at (50, -50)
// (pixel (250, 200)).
struct Scene {
  Document doc;
  Scene() {
    doc.viewLeft = -200;
    doc.viewTop = 150;
    doc.viewRight = 200;
    doc.viewBottom = -150;
    doc.backgroundColour = kWhite;
    Element* a = test::AddPoint(doc, -100, 50);
    Element* b = test::AddPoint(doc, 100, 50);
    a->visibility = b->visibility = 0;
    Element* s = test::Add(doc, kSegment, {a, b});
    s->value = {-100, 50, 100, 50};
    s->colour = kBlue;
    Element* p = test::AddPoint(doc, 50, -50);
    p->colour = kRed;
    p->style = 5;  // a filled 5 × 5 square around its pixel
  }
};

int32_t At(const QImage& img, int x, int y) {
  const QRgb c = img.pixel(x, y);
  return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
}

QImage ReadBack(const std::string& bytes, const char* format) {
  QByteArray data(bytes.data(), qsizetype(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer, format);
  return reader.read();
}

TEST(PictureExport, SelectionRectangleGivesItsInsideInEveryRasterFormat) {
  Scene s;
  // A rectangle from (0, 100) to (100, -100): pixels 200..300 × 50..250; its inside starts
  // one pixel in and is one pixel less wide and high: 99 × 199 at (201, 51).
  const PixelBox box = PictureBox(s.doc, WorldRect{0, 100, 100, -100}, 400, 300);
  EXPECT_EQ(box, (PixelBox{201, 51, 300, 250}));
  for (PictureFormat f : {PictureFormat::kBmp, PictureFormat::kPng}) {
    const QImage img = ReadBack(PictureBytes(s.doc, f, box, DrawOptions{}),
                                f == PictureFormat::kBmp ? "bmp" : "png");
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(99, 199));
    // The red point's pixel (250, 200) is at (49, 149) of the picture; the segment's row
    // 100 at row 49, from column 0 (pixel 201) to 98 (pixel 299).
    EXPECT_EQ(At(img, 49, 149), kRed);
    EXPECT_EQ(At(img, 0, 49), kBlue);
    EXPECT_EQ(At(img, 98, 49), kBlue);
    EXPECT_EQ(At(img, 10, 10), kWhite);
  }
  // The view is the window's again.
  EXPECT_EQ(s.doc.viewLeft, -200);
  EXPECT_EQ(s.doc.viewTop, 150);
  // Without a rectangle the picture is exactly the screen's size.
  EXPECT_EQ(PictureBox(s.doc, std::nullopt, 400, 300), (PixelBox{0, 0, 400, 300}));
}

TEST(PictureExport, VectorFormatsHoldTheFigure) {
  Scene s;
  const PixelBox box{201, 51, 300, 250};
  const std::string svg = PictureBytes(s.doc, PictureFormat::kSvg, box, DrawOptions{});
  EXPECT_NE(svg.find("width=\"99\" height=\"199\""), std::string::npos);
  EXPECT_NE(svg.find("#ff0000"), std::string::npos);
  const std::string pdf = PictureBytes(s.doc, PictureFormat::kPdf, box, DrawOptions{});
  ASSERT_GT(pdf.size(), 100u);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  // One page of 99 × 199 pixels at 0.75 pt each.
  const QRegularExpression media(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])");
  const auto m = media.match(QString::fromLatin1(pdf.data(), qsizetype(pdf.size())));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_NEAR(m.captured(1).toDouble(), 99 * 0.75, 0.5);
  EXPECT_NEAR(m.captured(2).toDouble(), 199 * 0.75, 0.5);
  EXPECT_EQ(QString::fromLatin1(pdf.data(), qsizetype(pdf.size())).count("/Type /Page\n"), 1);
}

TEST(PictureExport, SavingKeepsAReadOnlyFileAndReplacesAWritableOne) {
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/figure.png").toStdString();
  EXPECT_EQ(SavePictureFile(path, "first"), SaveResult::kSaved);
  EXPECT_EQ(SavePictureFile(path, "second"), SaveResult::kSaved);
  EXPECT_EQ(*ReadWholeFile(path), "second");
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(SavePictureFile(path, "third"), SaveResult::kReadOnly);
  EXPECT_EQ(*ReadWholeFile(path), "second");
  // The flag is the user's: still read-only.
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::owner_write, fs::perms::none);
  // No temporary file is left beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path().toStdString())) ++files;
  EXPECT_EQ(files, 1);
  EXPECT_EQ(SavePictureFile((dir.path() + "/no/such/folder.png").toStdString(), "x"),
            SaveResult::kFailed);
}

// The colours of the pixels along a line's edge: only the line's and the background's when
// plain, blends of both when smoothed.
std::set<int32_t> ColoursAround(const QImage& img, int x0, int x1, int y0, int y1) {
  std::set<int32_t> out;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) out.insert(At(img, x, y));
  return out;
}

TEST(AntiAliased, SmoothedLinesBlendAndPlainOnesDoNot) {
  for (bool aa : {false, true}) {
    Document doc;
    doc.viewLeft = -200;
    doc.viewTop = 150;
    doc.viewRight = 200;
    doc.viewBottom = -150;
    doc.backgroundColour = kWhite;
    doc.antiAliased = aa;
    Element* a = test::AddPoint(doc, -150, -100);
    Element* b = test::AddPoint(doc, 150, 60);  // a slanted line: its edge crosses pixels
    a->visibility = b->visibility = 0;
    Element* s = test::Add(doc, kSegment, {a, b});
    s->value = {-150, -100, 150, 60};
    s->colour = 0;
    s->style = 2;
    const QImage img = ViewPicture(doc, {0, 0, 400, 300}, DrawOptions{});
    const std::set<int32_t> colours = ColoursAround(img, 100, 300, 60, 240);
    if (aa) {
      // Greys strictly between black and white.
      int greys = 0;
      for (int32_t c : colours)
        if (c != 0 && c != kWhite) ++greys;
      EXPECT_GT(greys, 10);
    } else {
      EXPECT_EQ(colours, (std::set<int32_t>{0, kWhite}));
    }
  }
}

TEST(AntiAliased, TheFlagRoundTripsThroughTheFile) {
  QTemporaryDir dir;
  for (int32_t flag : {0, 1}) {
    Document doc;
    doc.antiAliased = flag;
    test::AddPoint(doc, 1, 2);
    const std::string path = (dir.path() + QString("/aa%1.vlt").arg(flag)).toStdString();
    ASSERT_TRUE(SaveDocumentFile(doc, path));
    DocumentLoad load = LoadDocumentFile(path, Options{});
    ASSERT_TRUE(load.document);
    EXPECT_EQ(load.document->antiAliased, flag);
  }
}

TEST(Printing, APageAtAKnownScaleHoldsTheFrameAndLeavesTheView) {
  Scene s;
  QTemporaryDir dir;
  const QString file = dir.path() + "/print.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  // 0.25 mm per pixel: 210 mm is 840 pixels of the plane, 297 mm is 1188.
  const PageFrame page = PageOnPlane({-100, 100}, 210, 297, 0.25);
  EXPECT_DOUBLE_EQ(page.width, 840);
  EXPECT_DOUBLE_EQ(page.height, 1188);
  ASSERT_TRUE(PrintFigure(s.doc, printer, page, 3, DrawOptions{}));
  EXPECT_EQ(s.doc.viewLeft, -200);
  EXPECT_EQ(s.doc.viewTop, 150);
  EXPECT_EQ(s.doc.viewRight, 200);
  EXPECT_EQ(s.doc.viewBottom, -150);
  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QString text = QString::fromLatin1(pdf.readAll());
  EXPECT_TRUE(text.startsWith("%PDF-"));
  EXPECT_EQ(text.count("/Type /Page\n"), 3);  // three copies, one page each
  // A4 in whole points: 595 × 842.
  EXPECT_EQ(text.count(QRegularExpression(R"(/MediaBox \[0 0 595(\.0+)? 842(\.0+)?\])")), 3);
}

TEST(Printing, ThePageDrawsThePlaneAtItsScale) {
  // The same drawing as on the printer, onto pixels: 600 dots per inch over a page of 840
  // plane pixels, 4960 dots wide, so 5.905 dots per plane pixel. The red point at (50, -50)
  // is 150 pixels right of the page's left edge (-100) and 150 below its top (100): at dot
  // (150 + 0.5) × 5.905 ≈ 886 of both axes.
  Scene s;
  const PageFrame page = PageOnPlane({-100, 100}, 210, 297, 0.25);
  QImage img(4960, 7016, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter painter(&img);
  const double scale = PrintDrawScale(4960, page);
  PainterCanvas canvas(painter, 4960, 7016, scale);
  SavedView saved(s.doc);
  SetViewToPage(s.doc, page);
  DrawOptions opt;
  opt.mainPicture = false;
  opt.printerDpi = 600;
  DrawDocument(ScreenContext(s.doc, canvas, opt, scale));
  painter.end();
  EXPECT_EQ(At(img, 886, 886), kRed);
  // The point grows with the printer: its half-size is 600 / 45 ≈ 13 dots.
  EXPECT_EQ(At(img, 886 + 10, 886 - 10), kRed);
  EXPECT_EQ(At(img, 886 + 20, 886), kWhite);
  // The segment at y = 50 is 50 pixels below the top: dot row 50 × 5.905 = 295.2 → 295,
  // from the page's left edge to 200 plane pixels right of it (dots 0 .. 1181).
  EXPECT_EQ(At(img, 600, 295), kBlue);
  EXPECT_EQ(At(img, 1300, 295), kWhite);
  EXPECT_EQ(At(img, 600, 300), kWhite);
}

TEST(Printing, PreviewKeepsItsFrameInsideAndGivesThePlaneSizeBack) {
  Workspace ws;
  const double plane = ws.options.planeSize;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  {
    PrintPreviewDialog dialog(ws, printer);
    const int n = PrintPreviewDialog::kPreviewSize;
    const PixelBox f = dialog.frame();
    const int w = f.right - f.left, h = f.bottom - f.top;
    dialog.MoveFrame(n + 50, n + 50);
    EXPECT_EQ(dialog.frame(), (PixelBox{n - w, n - h, n, n}));
    dialog.MoveFrame(-30, -30);
    EXPECT_EQ(dialog.frame(), (PixelBox{0, 0, w, h}));
    // The plane-size bar changes the option while the preview is open ...
    dialog.findChild<QSlider*>("TrackBar1")->setValue(0);
    EXPECT_NE(ws.options.planeSize, plane);
  }
  // ... and the window gets its own back.
  EXPECT_EQ(ws.options.planeSize, plane);
}

TEST(Printing, CopiesAreAtLeastOneAndBounded) {
  EXPECT_EQ(CopiesFromText("0"), 1);
  EXPECT_EQ(CopiesFromText(""), 1);
  EXPECT_EQ(CopiesFromText("-4"), 1);
  EXPECT_EQ(CopiesFromText(" 3"), 3);
  EXPECT_EQ(CopiesFromText("1000000"), kMaxCopies);
  EXPECT_EQ(CopiesFromText("99999999999999999999999"), kMaxCopies);
  EXPECT_DOUBLE_EQ(PrintScaleFromTrack(0, 100), 0.12);
  EXPECT_DOUBLE_EQ(PrintScaleFromTrack(100, 100), 0.12 + 1.0 / 3);
  EXPECT_DOUBLE_EQ(PrintScaleFromTrack(39, 100), 0.12 + 0.13);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(PastePictureCommand, TheClipboardsPictureBecomesABitmapElement) {
  MainWindow w;
  QStringList messages;
  w.SetMessageHook([&](const QString&, const QString& text, QMessageBox::StandardButtons) {
    messages << text;
    return QMessageBox::Ok;
  });
  QImage image(30, 20, QImage::Format_RGB32);
  image.fill(QColor(0, 128, 255));
  QApplication::clipboard()->setImage(image);
  const size_t before = w.workspace().doc().elements().size();
  PastePictureCommand(w);
  ASSERT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
  const auto& list = w.workspace().doc().elements();
  ASSERT_EQ(list.size(), before + 1);
  const Element& e = *list.back();
  EXPECT_EQ(e.kind, kBitmap);
  EXPECT_EQ(e.selected, 1);
  int pw = 0, ph = 0;
  ASSERT_TRUE(PictureSize(e.as<BitmapExt>()->picture, pw, ph));
  EXPECT_EQ(pw, 30);
  EXPECT_EQ(ph, 20);
  // The pixels came through: the BMP reads back with the clipboard's colour.
  const QImage back = ReadBack(e.as<BitmapExt>()->picture.bmp, "bmp");
  EXPECT_EQ(back.pixelColor(5, 5), QColor(0, 128, 255));
  // An empty clipboard is said so and changes nothing.
  QApplication::clipboard()->clear();
  PastePictureCommand(w);
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(list.size(), before + 1);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(ConstructionListWindow, RowsHighlightAndCopyWithNewlines) {
  Workspace ws;
  Document& d = ws.doc();
  Element* a = test::AddPoint(d, 0, 0);
  Element* b = test::AddPoint(d, 10, 0);
  test::Add(d, kSegment, {a, b});
  for (auto& e : d.elements()) e->exists = 1;
  int redraws = 0;
  ConstructionListWindow w(ws, [&] { ++redraws; }, {});
  ASSERT_EQ(w.rows().size(), 3u);
  w.Step(ListStep::Last);
  EXPECT_EQ(w.highlighted(), d.elements()[2].get());
  EXPECT_EQ(d.elements()[2]->selected, 1);
  w.Step(ListStep::Previous);
  EXPECT_EQ(d.elements()[2]->selected, 0);  // the previous highlight is cleared
  EXPECT_EQ(d.elements()[1]->selected, 1);
  EXPECT_GE(redraws, 2);
  w.CopyText();
  const QString text = QApplication::clipboard()->text();
  EXPECT_EQ(text.count('\n'), 3);
  EXPECT_FALSE(text.contains('\r'));
  EXPECT_TRUE(text.startsWith("1. "));
  w.reject();
  EXPECT_EQ(d.elements()[1]->selected, 0);
}

}  // namespace
}  // namespace velt
