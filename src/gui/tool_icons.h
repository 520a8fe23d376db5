#pragma once
// The glyphs of the tool buttons, painted for this program.
#include <QIcon>

#include "ui/tool_table.h"

namespace velt {

// The icon of a tool.
QIcon ToolIcon(Tool tool);
// Icons of the commands that are not tools, by button name (B_undo, B_doc_nuevo, ...).
QIcon CommandIcon(const char* name);
// A square of one colour (the palette).
QIcon ColourIcon(int bgr);

}  // namespace velt
