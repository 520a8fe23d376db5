#pragma once
// The commands that send the figure out of the window: "Imprimir...", "Imprimir bitmap",
// "Exportar dibujo..." and the picture copy.
#include <QString>
#include <optional>

#include "view/export_picture.h"

namespace velt {

class MainWindow;

// Draws the picture part of the current view (the selection rectangle's inside or the whole
// plane area) and writes it to path in the format of its extension.
SaveResult ExportPicture(MainWindow& window, const QString& path);

void ExportDrawingCommand(MainWindow& window);  // M_export_dib
void CopyPictureCommand(MainWindow& window);    // B_copia_port
void PrintCommand(MainWindow& window);          // Imprimir1
void PrintBitmapCommand(MainWindow& window);    // M_print_btm
void PastePictureCommand(MainWindow& window);   // M_pegar_port

// A picture file read as BMP bytes for a bitmap element; nothing when it cannot be read or
// is too large (the user is told).
std::optional<Picture> ReadPictureFile(MainWindow& window, const QString& path);

}  // namespace velt
