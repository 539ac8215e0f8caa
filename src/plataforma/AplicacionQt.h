#pragma once

class QApplication;

// The desktop program's settings, in one place for the program and its tests: it ends when the
// user closes the login window, when a window closes and leaves no window of the program on the
// screen (minimised ones count, windows never shown do not), or on a fatal failure; dates, day
// and month names and Qt's own dialogs speak Spanish (Argentina); windows use the compact dialog
// font their sizes in twips assume.
void PrepararAplicacionQt(QApplication& app);
