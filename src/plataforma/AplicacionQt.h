#pragma once

class QApplication;

// The desktop program's settings, in one place for the program and its tests: it ends only when
// told to (the login window's close, or a fatal failure), never because a message box or a splash
// happened to be the last window closed; dates, day and month names and Qt's own dialogs speak
// Spanish (Argentina); windows use the compact dialog font their sizes in twips assume.
void PrepararAplicacionQt(QApplication& app);
