#pragma once

#include <QString>

namespace xlsx {

// Opens a file in the desktop's program for its type: QDesktopServices when a GUI application
// runs, xdg-open otherwise. False when neither could start.
bool AbrirEnEscritorio(const QString& ruta);

} // namespace xlsx
