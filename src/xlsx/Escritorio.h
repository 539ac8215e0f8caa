#pragma once

#include <QString>

namespace xlsx {

// Opens a file in the desktop's program for its type and says whether it was shown. Where
// xdg-open exists its exit status decides (a few seconds at most, the windows painting and
// ignoring input meanwhile; a launcher still running then is the program showing the file);
// elsewhere QDesktopServices, which can only say whether it handed the file on.
bool AbrirEnEscritorio(const QString& ruta);

} // namespace xlsx
