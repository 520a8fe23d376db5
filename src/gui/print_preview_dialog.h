#pragma once
// TV_imp, the print preview: the whole plane in small with the page frame on it. The frame
// is dragged over the plane, TrackBar1 sets the plane size, TrackBar2 the print scale,
// Ed_ncop the copies; bot_opc sets the printer up and bot_print prints.
#include <QDialog>

#include "ui/workspace.h"
#include "view/print_layout.h"

class QLineEdit;
class QPrinter;
class QSlider;

namespace velt {

class PrintPreviewDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPreviewSize = 360;
  static constexpr int kScaleTrackMax = 100;

  PrintPreviewDialog(Workspace& ws, QPrinter& printer, QWidget* parent = nullptr);
  ~PrintPreviewDialog() override;

  double printScale() const { return scale_; }
  const PixelBox& frame() const { return frame_; }
  // The page on the plane from the frame's position and the paper's size.
  PageFrame Page() const;
  // Moves the frame's top-left corner to a preview pixel, kept inside the preview.
  void MoveFrame(int x, int y);
  // Prints the copies of Ed_ncop (bot_print); false when the printer would not start.
  bool Print();

 private:
  friend class PreviewArea;
  void ResizeFrame();

  Workspace& ws_;
  QPrinter& printer_;
  double savedPlaneSize_;
  double scale_ = kDefaultPrintScale;
  PixelBox frame_;
  QWidget* area_ = nullptr;
  QSlider* planeTrack_ = nullptr;
  QSlider* scaleTrack_ = nullptr;
  QLineEdit* copies_ = nullptr;
};

}  // namespace velt
