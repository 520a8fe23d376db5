#pragma once
// The glyphs of the tool buttons, painted for this program.
#include <QIcon>

namespace velt {

// The icon of a tool (0..82); an empty icon for a number outside the table.
QIcon ToolIcon(int tool);
// Icons of the commands that are not tools, by button name (B_undo, B_doc_nuevo, ...).
QIcon CommandIcon(const char* name);
// A square of one colour (the palette).
QIcon ColourIcon(int bgr);

}  // namespace velt
