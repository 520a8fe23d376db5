#pragma once
// Printing the figure: the page frame's part of the plane drawn on the printer, or the
// screen picture placed on the page.
#include <QImage>
#include <QString>

#include "view/draw_context.h"
#include "view/print_layout.h"

class QPrinter;

namespace velt {

// Each copy draws the document with its view set to the page; every copy but the last ends
// with a new page. The view is put back afterwards. False when the printer cannot start.
bool PrintFigure(Document& doc, QPrinter& printer, const PageFrame& page, int copies,
                 DrawOptions opt);

// The page in millimetres of the printer's paper (its printable part).
QSizeF PaperSizeMm(const QPrinter& printer);

// The picture 10 % of the page's width from the left and top edges, 80 % of it wide, with
// its own proportions. False when the printer cannot start or the picture is empty.
bool PrintPicture(const QImage& picture, QPrinter& printer);

// The job's title: the document's file name without its folder, or its tab name.
QString JobTitle(const Document& doc);

}  // namespace velt
