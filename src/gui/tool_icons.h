#pragma once
// The glyphs of the tool buttons, painted for this program.
#include <QIcon>

#include "ui/appearance_settings.h"
#include "ui/tool_table.h"

namespace velt {

// The icon of a tool.
QIcon ToolIcon(Tool tool);
// The picture of a point shape, line style or angle mark code (1 to 6, or 1 to 3 for marks)
// as the figure draws it; an empty icon for other codes.
QIcon StyleIcon(StyleFamily family, int style);
// A picture's anchor 1..9 (1 top-left, 5 centre, 9 bottom-right) as a dot on a frame.
QIcon AnchorIcon(int anchor);
// Icons of the commands that are not tools, by button name (B_undo, B_doc_nuevo, ...).
QIcon CommandIcon(const char* name);
// A square of one colour (the palette).
QIcon ColourIcon(int bgr);

}  // namespace velt
