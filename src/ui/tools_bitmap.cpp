// The picture tool: a bitmap anchored to a point, a segment or a vector.
#include "ui/host.h"
#include "ui/insert_picture.h"
#include "ui/strings_export.h"
#include "ui/strings_files.h"
#include "ui/tool_gestures.h"
#include "ui/workspace.h"

namespace velt {

void PressInsertBitmap(ToolContext& c, Pt) {
  Element* anchor = c.UnderElement();
  if (!anchor || !CarriesPicture(*anchor)) return;
  c.AddPick(anchor);  // it blinks while the file is chosen
  std::optional<Picture> picture = c.host().ChoosePicture();
  if (!picture) {
    c.EndGesture();
    return;
  }
  if (const PictureCheck check = CheckPicture(*picture); check != PictureCheck::kOk) {
    c.EndGesture();
    c.host().ShowMessage(c.workspace().Text(check == PictureCheck::kTooLarge ? str::kPictureTooLarge
                                                                             : str::kNotAValidFile),
                         MessageIcon::Warning);
    return;
  }
  c.StoreStep();
  anchor = c.picks().empty() ? nullptr : c.picks()[0];
  if (!anchor) return c.EndGesture();
  AddPictureElement(c.doc(), std::move(*picture), anchor, c.Settings());
  c.EndGesture();
  c.Repaint();
}

}  // namespace velt
